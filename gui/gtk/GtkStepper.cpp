#include "GtkStepper.h"

#include "GtkSlider.h"

#include "events/System.h"

#include <gtk/gtk-a11y.h>

#include <cmath>

namespace vandro {

namespace {

Ref<TGtkSlider> SliderOf(GtkWidget* stepper) {
    return stepper ? Cast<TGtkSlider>(GadgetFromWidget(stepper)) : Ref<TGtkSlider>();
}

Ref<TGtkSlider> SliderOf(AtkValue* reader) {
    return SliderOf(gtk_accessible_get_widget(GTK_ACCESSIBLE(reader)));
}

void MoveTo(const Ref<TGtkSlider>& slider, int value) {
    if (slider)
        Shielded([&] { slider->MoveStepper(value); });
}

// What a reader asks of the spin button.
void ReadValue(AtkValue* reader, gdouble* value, gchar** text) {
    const auto slider = SliderOf(reader);
    const int shown = slider ? slider->_value : 0;
    if (value)
        *value = shown;
    if (text)
        *text = g_strdup_printf("%d", shown);
}

AtkRange* ReadRange(AtkValue* reader) {
    const auto slider = SliderOf(reader);
    return slider ? atk_range_new(slider->Lowest(), slider->Highest(), nullptr) : nullptr;
}

gdouble ReadIncrement(AtkValue*) { return 1; }

void WriteValue(AtkValue* reader, gdouble value) {
    MoveTo(SliderOf(reader), static_cast<int>(std::lround(value)));
}

void InitValueReading(gpointer table, gpointer) {
    auto* value = static_cast<AtkValueIface*>(table);
    value->get_value_and_text = ReadValue;
    value->get_range = ReadRange;
    value->get_increment = ReadIncrement;
    value->set_value = WriteValue;
}

// A spin button has no buttons inside to read: the arrows are left out of the box's children.
gint CountReadKids(AtkObject*) { return 0; }
AtkObject* ReadKid(AtkObject*, gint) { return nullptr; }

void InitReaderClass(gpointer table, gpointer) {
    auto* reader = ATK_OBJECT_CLASS(table);
    reader->get_n_children = CountReadKids;
    reader->ref_child = ReadKid;
}

// GTK takes only a kind of the box's own accessible for the box's subclass.
GType StepperAccessibleType() {
    static const GType type = [] {
        const GType made =
            g_type_register_static_simple(GTK_TYPE_CONTAINER_ACCESSIBLE, "VandroStepperAccessible",
                                          sizeof(GtkContainerAccessibleClass), InitReaderClass,
                                          sizeof(GtkContainerAccessible), nullptr, GTypeFlags(0));
        const GInterfaceInfo value{InitValueReading, nullptr, nullptr};
        g_type_add_interface_static(made, ATK_TYPE_VALUE, &value);
        return made;
    }();
    return type;
}

GtkWidgetClass* BoxClass() { return GTK_WIDGET_CLASS(g_type_class_peek(GTK_TYPE_BOX)); }

gboolean StepperKeyPressed(GtkWidget* stepper, GdkEventKey* key) {
    const int step = key->keyval == GDK_KEY_Up || key->keyval == GDK_KEY_KP_Up       ? 1
                     : key->keyval == GDK_KEY_Down || key->keyval == GDK_KEY_KP_Down ? -1
                                                                                     : 0;
    const auto slider = SliderOf(stepper);
    if (!step || !slider)
        return BoxClass()->key_press_event(stepper, key);
    MoveTo(slider, slider->_value + step);
    return TRUE;
}

// A box draws no focus of its own.
gboolean DrawStepper(GtkWidget* stepper, cairo_t* cr) {
    const gboolean drawn = BoxClass()->draw(stepper, cr);
    if (gtk_widget_has_visible_focus(stepper))
        gtk_render_focus(gtk_widget_get_style_context(stepper), cr, 0, 0,
                         gtk_widget_get_allocated_width(stepper),
                         gtk_widget_get_allocated_height(stepper));
    return drawn;
}

void InitStepperClass(gpointer table, gpointer) {
    auto* widget = GTK_WIDGET_CLASS(table);
    widget->key_press_event = StepperKeyPressed;
    widget->draw = DrawStepper;
    gtk_widget_class_set_accessible_type(widget, StepperAccessibleType());
    gtk_widget_class_set_accessible_role(widget, ATK_ROLE_SPIN_BUTTON);
}

GType StepperType() {
    static const GType type =
        g_type_register_static_simple(GTK_TYPE_BOX, "VandroStepper", sizeof(GtkBoxClass),
                                      InitStepperClass, sizeof(GtkBox), nullptr, GTypeFlags(0));
    return type;
}

} // namespace

GtkWidget* NewStepperWidget(GtkOrientation orientation) {
    GtkWidget* stepper =
        GTK_WIDGET(g_object_new(StepperType(), "orientation", orientation, nullptr));
    gtk_widget_set_can_focus(stepper, TRUE);
    return stepper;
}

void AnnounceStepperValue(GtkWidget* stepper) {
    g_object_notify(G_OBJECT(gtk_widget_get_accessible(stepper)), "accessible-value");
}

} // namespace vandro

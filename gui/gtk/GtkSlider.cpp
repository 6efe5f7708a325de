#include "GtkSlider.h"

#include "GtkStepper.h"

#include "events/System.h"
#include "gui/GadgetConstants.h"

#include <algorithm>
#include <cmath>

namespace vandro {

namespace {

void OnValueChanged(GtkAdjustment*, gpointer data) {
    Shielded([&] {
        auto* slider = static_cast<TGtkSlider*>(data);
        slider->UserMoved(slider->GetProp());
    });
}

// A stepper's arrows move the value it holds itself.
void OnLower(GtkButton*, gpointer data) {
    Shielded([&] {
        auto* slider = static_cast<TGtkSlider*>(data);
        slider->MoveStepper(slider->_value - 1);
    });
}

void OnRaise(GtkButton*, gpointer data) {
    Shielded([&] {
        auto* slider = static_cast<TGtkSlider*>(data);
        slider->MoveStepper(slider->_value + 1);
    });
}

GtkWidget* ArrowButton(const char* icon) {
    GtkWidget* button = gtk_button_new_from_icon_name(icon, GTK_ICON_SIZE_MENU);
    gtk_widget_set_can_focus(button, FALSE);
    // Both arrows share the stepper's small rectangle: the theme's padding and least height
    // would push one of them out of it.
    GtkCssProvider* look = nullptr;
    ApplyCss(button, look, u"button{min-height:0;min-width:0;padding:0;}");
    gtk_widget_show(button);
    return button;
}

} // namespace

TGtkSlider::~TGtkSlider() {
    if (_adjustment)
        g_object_unref(_adjustment);
}

Ref<TGadget> TGtkSlider::Create(const Ref<TGadget>& group, int style, const String&) {
    TakeStyle(style);
    const GtkOrientation orientation =
        _ishorizontal ? GTK_ORIENTATION_HORIZONTAL : GTK_ORIENTATION_VERTICAL;
    GtkWidget* widget = nullptr;
    switch (_slidertype) {
    case SliderScrollBar:
    case SliderTrackBar:
        _adjustment = GTK_ADJUSTMENT(g_object_ref_sink(gtk_adjustment_new(0, 0, 0, 1, 1, 0)));
        if (_slidertype == SliderScrollBar) {
            widget = gtk_scrollbar_new(orientation, _adjustment);
        } else {
            widget = gtk_scale_new(orientation, _adjustment);
            gtk_scale_set_draw_value(GTK_SCALE(widget), FALSE);
            gtk_range_set_round_digits(GTK_RANGE(widget), 0);
        }
        g_signal_connect(_adjustment, "value-changed", G_CALLBACK(OnValueChanged), this);
        break;
    case SliderStepper:
        // The raising arrow comes first where it is on top, last where it is on the right.
        widget = NewStepperWidget(orientation);
        _arrows[0] = ArrowButton(_ishorizontal ? "pan-start-symbolic" : "pan-down-symbolic");
        _arrows[1] = ArrowButton(_ishorizontal ? "pan-end-symbolic" : "pan-up-symbolic");
        gtk_box_pack_start(GTK_BOX(widget), _arrows[_ishorizontal ? 0 : 1], TRUE, TRUE, 0);
        gtk_box_pack_start(GTK_BOX(widget), _arrows[_ishorizontal ? 1 : 0], TRUE, TRUE, 0);
        g_signal_connect(_arrows[0], "clicked", G_CALLBACK(OnLower), this);
        g_signal_connect(_arrows[1], "clicked", G_CALLBACK(OnRaise), this);
        break;
    default:
        // No widget: the gadget answers its class and keeps its values, and nothing else.
        return Ref<TGadget>(this);
    }
    if (const auto outer = Cast<TGtkGadget>(group); outer && outer->ChildContainer())
        gtk_fixed_put(GTK_FIXED(outer->ChildContainer()), widget, 0, 0);
    Register(ClassSlider, widget, nullptr);
    return Ref<TGadget>(this);
}

void TGtkSlider::MoveStepper(int value) {
    UserMoved(value);
    if (_widget)
        AnnounceStepperValue(_widget);
}

void TGtkSlider::ShowRange(int lowest, int highest) {
    if (!_adjustment && _widget)
        AnnounceStepperValue(_widget);
    if (_adjustment && _slidertype == SliderScrollBar) {
        const int page = std::max(_visible, 0);
        gtk_adjustment_configure(_adjustment, _value, 0, static_cast<double>(highest) + page, 1,
                                 std::max(page, 1), page);
    } else if (_adjustment) {
        gtk_adjustment_configure(_adjustment, _value, lowest, highest, 1, 1, 0);
        ShowTicks(lowest, highest);
    }
}

void TGtkSlider::ShowTicks(int lowest, int highest) {
    if (!_widget)
        return;
    GtkScale* scale = GTK_SCALE(_widget);
    gtk_scale_clear_marks(scale);
    const GtkPositionType side = _ishorizontal ? GTK_POS_BOTTOM : GTK_POS_RIGHT;
    const long long span = static_cast<long long>(highest) - lowest;
    const long long every = std::max(1LL, (span + kMostTicks - 1) / kMostTicks);
    for (long long value = lowest; value < highest; value += every)
        gtk_scale_add_mark(scale, static_cast<double>(value), side, nullptr);
    gtk_scale_add_mark(scale, highest, side, nullptr);
}

void TGtkSlider::ShowValue(int value) {
    if (_adjustment)
        gtk_adjustment_set_value(_adjustment, value);
    else if (_widget)
        AnnounceStepperValue(_widget);
}

int TGtkSlider::NativeValue() {
    return _adjustment ? static_cast<int>(std::lround(gtk_adjustment_get_value(_adjustment)))
                       : _value;
}

} // namespace vandro

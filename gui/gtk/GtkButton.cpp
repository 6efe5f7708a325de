#include "GtkButton.h"

#include "GtkGraphic.h"

#include "events/System.h"
#include "gui/GadgetConstants.h"
#include "runtime/Text.h"

#include <utility>

namespace vandro {

namespace {

void OnClicked(GtkButton*, gpointer data) {
    Shielded([&] { static_cast<TGtkButton*>(data)->Clicked(); });
}

// A symbol's ink may reach past its line, and a wide one past the face: what the button holds
// is drawn on the button only, never on its neighbours. GTK restores the drawing state after
// each handler, so the content is drawn here, inside the clip.
gboolean DrawOnButton(GtkWidget* content, cairo_t* cr, gpointer data) {
    GtkWidget* button = GTK_WIDGET(data);
    int x = 0, y = 0;
    gtk_widget_translate_coordinates(button, content, 0, 0, &x, &y);
    cairo_rectangle(cr, x, y, gtk_widget_get_allocated_width(button),
                    gtk_widget_get_allocated_height(button));
    cairo_clip(cr);
    GTK_WIDGET_GET_CLASS(content)->draw(content, cr);
    return TRUE;
}

GtkWidget* NewButtonWidget(int kind, int style, GtkWidget* standIn) {
    switch (kind) {
    case ButtonCheckBox:
        return (style & ButtonPushLike) ? gtk_toggle_button_new() : gtk_check_button_new();
    case ButtonRadio: {
        GtkWidget* radio = gtk_radio_button_new_from_widget(GTK_RADIO_BUTTON(standIn));
        if (style & ButtonPushLike)
            gtk_toggle_button_set_mode(GTK_TOGGLE_BUTTON(radio), FALSE);
        return radio;
    }
    default:
        return gtk_button_new();
    }
}

} // namespace

bool TGtkButton::IsToggle() const { return _widget && GTK_IS_TOGGLE_BUTTON(_widget); }

int TGtkButton::NativeCheck() {
    if (!IsToggle())
        return 0;
    if (gtk_toggle_button_get_inconsistent(GTK_TOGGLE_BUTTON(_widget)))
        return 2;
    return gtk_toggle_button_get_active(GTK_TOGGLE_BUTTON(_widget)) ? 1 : 0;
}

int TGtkButton::ShowText(const String& text) {
    _strButtonText = text;
    if (!_imageOnly)
        gtk_label_set_text_with_mnemonic(GTK_LABEL(_label), ToUtf8(MnemonicText(text)).c_str());
    return 0;
}

int TGtkButton::ShowImage(const Ref<TPixmap>& pixmap, bool imageOnly) {
    if (!_widget)
        return 0;
    GdkPixbuf* image = PixbufFromPixmap(pixmap);
    if (image)
        HoldImage();
    if (_image) {
        gtk_image_set_from_pixbuf(GTK_IMAGE(_image), image);
        gtk_widget_set_visible(_image, image != nullptr);
    }
    if (image)
        g_object_unref(image);
    _imageOnly = pixmap && imageOnly ? 1 : 0;
    gtk_widget_set_visible(_label, !_imageOnly);
    ShowText(_strButtonText);
    return 1;
}

void TGtkButton::SetCheckState(bool active, bool inconsistent) {
    // GTK reports a change of the mark as a click; the program's own change is none.
    g_signal_handlers_block_by_func(_widget, reinterpret_cast<gpointer>(OnClicked), this);
    gtk_toggle_button_set_inconsistent(GTK_TOGGLE_BUTTON(_widget), inconsistent);
    gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(_widget), active);
    g_signal_handlers_unblock_by_func(_widget, reinterpret_cast<gpointer>(OnClicked), this);
}

void TGtkButton::ShowCheck(int check) {
    if (!IsToggle())
        return;
    // A radio button is unchecked by checking its stand-in.
    if (_standIn && check == 0) {
        g_signal_handlers_block_by_func(_widget, reinterpret_cast<gpointer>(OnClicked), this);
        gtk_toggle_button_set_active(GTK_TOGGLE_BUTTON(_standIn), TRUE);
        g_signal_handlers_unblock_by_func(_widget, reinterpret_cast<gpointer>(OnClicked), this);
        return;
    }
    SetCheckState(check != 0, check == 2);
}

int TGtkButton::FreeElement() {
    const int answer = TGtkGadget::FreeElement();
    if (_standIn)
        g_object_unref(std::exchange(_standIn, nullptr));
    return answer;
}

TGtkButton::~TGtkButton() {
    if (_standIn)
        g_object_unref(_standIn);
}

Ref<TGadget> TGtkButton::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    const auto outer = Cast<TGtkGadget>(group);
    GtkWidget* container = outer ? outer->ChildContainer() : nullptr;
    // GTK keeps one radio button of a group checked, checks the first one and unchecks the
    // others itself. Each radio button has a group of its own with a hidden stand-in that is
    // checked while the button is not, so that the program sets each one alone; which others
    // a click unchecks is the toolkit's rule.
    if (Kind() == ButtonRadio)
        _standIn = GTK_WIDGET(g_object_ref_sink(gtk_radio_button_new(nullptr)));
    GtkWidget* button = NewButtonWidget(Kind(), style, _standIn);
    // The label is the button's content until an image joins it: a board of cards makes and
    // styles one widget fewer for each.
    _label = gtk_label_new(nullptr);
    gtk_widget_set_halign(_label, IsToggle() && !(style & ButtonPushLike) ? GTK_ALIGN_START
                                                                          : GTK_ALIGN_CENTER);
    gtk_label_set_use_underline(GTK_LABEL(_label), TRUE);
    gtk_label_set_line_wrap(GTK_LABEL(_label), TRUE);
    gtk_label_set_justify(GTK_LABEL(_label), GTK_JUSTIFY_CENTER);
    gtk_container_add(GTK_CONTAINER(button), _label);
    g_signal_connect(_label, "draw", G_CALLBACK(DrawOnButton), button);
    gtk_widget_show(_label);
    if (Kind() == ButtonOk)
        gtk_widget_set_can_default(button, TRUE);
    if (container)
        gtk_fixed_put(GTK_FIXED(container), button, 0, 0);
    Register(ClassButton, button, nullptr);
    g_signal_connect(button, "clicked", G_CALLBACK(OnClicked), this);
    RefreshLook();
    return Ref<TGadget>(this);
}

// The content becomes a row of the image and the label, placed as the label was.
void TGtkButton::HoldImage() {
    if (_image)
        return;
    GtkWidget* content = gtk_box_new(GTK_ORIENTATION_HORIZONTAL, 4);
    gtk_widget_set_halign(content, gtk_widget_get_halign(_label));
    g_object_ref(_label);
    g_signal_handlers_disconnect_by_func(_label, reinterpret_cast<gpointer>(DrawOnButton), _widget);
    gtk_container_remove(GTK_CONTAINER(_widget), _label);
    gtk_widget_set_halign(_label, GTK_ALIGN_FILL);
    _image = gtk_image_new();
    gtk_box_pack_start(GTK_BOX(content), _image, FALSE, FALSE, 0);
    gtk_box_pack_start(GTK_BOX(content), _label, FALSE, FALSE, 0);
    g_object_unref(_label);
    gtk_container_add(GTK_CONTAINER(_widget), content);
    g_signal_connect(content, "draw", G_CALLBACK(DrawOnButton), _widget);
    gtk_widget_show(content);
}

int TGtkButton::RefreshLook() {
    if (!_widget)
        return 0;
    // The rectangle the program gives is the button's: no theme minimum and no padding.
    // A colour the program sets shows at once, not through the theme's transition.
    String look = u"button{padding:0;min-width:0;min-height:0;transition:none;";
    if (_bgshown)
        look += u"background-image:none;background-color:" + CssColor(_bgcolor) +
                u";border:none;box-shadow:inset 0 0 0 1px rgba(0,0,0,0.3);";
    look += u"}";
    ApplyCss(_widget, _provider, look);
    // Wide symbols may reach into the button's edges rather than widen it.
    ApplyCss(_label, _labelProvider,
             u"label{margin:0 -4px;" + ColorCss(false) + FontCss() +
                 u"} label:disabled{opacity:0.55;}");
    return 0;
}

void TGtkButton::Clicked() {
    const Ref<TGadget> self(this);
    const int kind = Kind();
    if (kind == ButtonCheckBox) {
        // An indeterminate box becomes checked; GTK left it indeterminate.
        const bool was = gtk_toggle_button_get_inconsistent(GTK_TOGGLE_BUTTON(_widget));
        if (was)
            SetCheckState(true, false);
    }
    RaiseAction();
}

} // namespace vandro

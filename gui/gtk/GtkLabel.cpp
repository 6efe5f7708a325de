#include "GtkLabel.h"

#include "gui/GadgetConstants.h"
#include "runtime/Text.h"

namespace vandro {

int TGtkLabel::SetArea(int x, int y, int w, int h) {
    if (Frame() == LabelSeparator) {
        if (w > h)
            h = 2;
        else
            w = 2;
        if (_widget)
            gtk_orientable_set_orientation(GTK_ORIENTABLE(_widget), w > h
                                                                        ? GTK_ORIENTATION_HORIZONTAL
                                                                        : GTK_ORIENTATION_VERTICAL);
    }
    return TGtkGadget::SetArea(x, y, w, h);
}

int TGtkLabel::SetText(const String& text) {
    if (Frame() == LabelSeparator)
        return 0;
    return TGtkGadget::SetText(text);
}

int TGtkLabel::Class() { return ClassLabel; }

Ref<TGadget> TGtkLabel::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    GtkWidget* label = nullptr;
    if (Frame() == LabelSeparator) {
        label = gtk_separator_new(GTK_ORIENTATION_HORIZONTAL);
    } else {
        label = gtk_label_new(nullptr);
        const int alignment = Alignment();
        gtk_label_set_xalign(GTK_LABEL(label), alignment == 8 ? 1.0f : alignment == 16 ? 0.5f : 0);
        gtk_label_set_yalign(GTK_LABEL(label), 0);
        // The rectangle decides the size; text that does not fit ends in an ellipsis.
        gtk_label_set_ellipsize(GTK_LABEL(label), PANGO_ELLIPSIZE_END);
    }
    if (const auto outer = Cast<TGtkGadget>(group); outer && outer->ChildContainer())
        gtk_fixed_put(GTK_FIXED(outer->ChildContainer()), label, 0, 0);
    Register(ClassLabel, label, nullptr);
    return Ref<TGadget>(this);
}

int TGtkLabel::ShowText(const String& text) {
    gtk_label_set_text(GTK_LABEL(_widget), ToUtf8(text).c_str());
    return 0;
}

String TGtkLabel::LookCss() {
    String css = u"label{padding:0;" + ColorCss(true) + FontCss();
    if (Frame() == LabelPlainFrame)
        css += u"border:1px solid rgba(0,0,0,0.45);";
    else if (Frame() == LabelSunkenFrame)
        css += u"border:1px solid;border-color:rgba(0,0,0,0.4) rgba(255,255,255,0.9) "
               u"rgba(255,255,255,0.9) rgba(0,0,0,0.4);";
    return css + u"}";
}

int TGtkLabel::BorderWidth() {
    const int frame = Frame();
    return frame == LabelPlainFrame || frame == LabelSunkenFrame ? 1 : 0;
}

int TGtkLabel::Alignment() const {
    const int alignment = style & 0x18;
    return alignment == 24 ? 0 : alignment;
}

int TGtkLabel::Frame() const {
    const int frame = style & 7;
    return frame <= LabelSeparator ? frame : LabelNoFrame;
}

} // namespace vandro

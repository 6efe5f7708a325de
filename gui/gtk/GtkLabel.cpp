#include "GtkLabel.h"

#include "runtime/Text.h"

namespace vandro {

void TGtkLabel::ShowSeparatorDirection(bool across) {
    if (_widget)
        gtk_orientable_set_orientation(GTK_ORIENTABLE(_widget), across ? GTK_ORIENTATION_HORIZONTAL
                                                                       : GTK_ORIENTATION_VERTICAL);
}

Ref<TGadget> TGtkLabel::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    GtkWidget* label = nullptr;
    if (Frame() == LabelSeparator) {
        label = gtk_separator_new(GTK_ORIENTATION_HORIZONTAL);
    } else {
        label = gtk_label_new(nullptr);
        const int alignment = Alignment();
        gtk_label_set_xalign(GTK_LABEL(label), alignment == LabelRightAligned ? 1.0f
                                               : alignment == LabelCentred    ? 0.5f
                                                                              : 0);
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

} // namespace vandro

#include "GtkProgressBar.h"

#include "gui/GadgetConstants.h"
#include "gui/ProgressPercent.h"

namespace vandro {

int TGtkProgressBar::Class() { return ClassProgressBar; }

int TGtkProgressBar::SetValue(float fraction) {
    if (_widget)
        gtk_progress_bar_set_fraction(GTK_PROGRESS_BAR(_widget), ProgressPercent(fraction) / 100.0);
    return 0;
}

Ref<TGadget> TGtkProgressBar::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    GtkWidget* bar = gtk_progress_bar_new();
    if (const auto outer = Cast<TGtkGadget>(group); outer && outer->ChildContainer())
        gtk_fixed_put(GTK_FIXED(outer->ChildContainer()), bar, 0, 0);
    Register(ClassProgressBar, bar, nullptr);
    return Ref<TGadget>(this);
}

String TGtkProgressBar::LookCss() {
    // No theme minimum: the rectangle the program gives decides the size.
    String css = u"progressbar trough{min-width:0;min-height:0;";
    if (_bgbrush)
        css += u"background-image:none;background-color:" + CssColor(_bgcolor) + u";";
    css += u"} progressbar progress{min-width:0;min-height:0;";
    if (_fgcolor >= 0)
        css += u"background-image:none;background-color:" + CssColor(_fgcolor) + u";";
    return css + u"}";
}

} // namespace vandro

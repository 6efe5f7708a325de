#include "GtkProgressBar.h"

#include "gui/GadgetConstants.h"
#include "gui/kinds/ProgressPercent.h"
#include "runtime/Text.h"

#include <algorithm>
#include <string>

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

int TGtkProgressBar::Rethink() {
    TGtkGadget::Rethink();
    return RefreshLook();
}

String TGtkProgressBar::LookCss() {
    // The bar fills the rectangle the program gives, not a thin line across its middle as the
    // theme has it.
    const String high = FromUtf8(std::to_string(std::max(height - 2, 0))) + u"px;";
    String css = u"progressbar trough{min-width:0;min-height:" + high;
    if (_bgshown)
        css += u"background-image:none;background-color:" + CssColor(_bgcolor) + u";";
    css += u"} progressbar progress{min-width:0;min-height:" + high;
    if (_fgcolor >= 0)
        css += u"background-image:none;background-color:" + CssColor(_fgcolor) + u";";
    return css + u"}";
}

} // namespace vandro

#include "WebProgressBar.h"

#include "WebGUIDriver.h"
#include "WebProgressBarDom.h"

#include "gui/GadgetConstants.h"
#include "gui/kinds/ProgressPercent.h"

namespace vandro {

int TWebProgressBar::Class() { return ClassProgressBar; }

int TWebProgressBar::SetValue(float fraction) {
    if (_hwnd)
        vandro_progress_show(_hwnd, ProgressPercent(fraction));
    return 0;
}

Ref<TGadget> TWebProgressBar::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    const int handle = NewElementHandle();
    vandro_progress_make(handle, GroupClient(group));
    Register(ClassProgressBar, handle, 0);
    return Ref<TGadget>(this);
}

void TWebProgressBar::RefreshLook() {
    TWebGadget::RefreshLook();
    if (_hwnd)
        vandro_progress_bar_color(_hwnd, _fgcolor);
}

} // namespace vandro

#include "HeadlessProgressBar.h"

#include "gui/GadgetConstants.h"
#include "gui/kinds/ProgressPercent.h"

namespace vandro {

int THeadlessProgressBar::SetValue(float value) {
    if (Alive())
        _position = ProgressPercent(value);
    return 0;
}

int THeadlessProgressBar::Class() { return ClassProgressBar; }

Ref<TGadget> THeadlessProgressBar::Create(const Ref<TGadget>&, int style, const String&) {
    this->style = style;
    Register(ClassProgressBar, 0);
    return Ref<TGadget>(this);
}

} // namespace vandro

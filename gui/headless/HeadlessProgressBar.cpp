#include "HeadlessProgressBar.h"

#include "gui/GadgetConstants.h"

#include <cmath>

namespace vandro {

int THeadlessProgressBar::SetValue(float value) {
    const float percent = value * 100;
    _position = percent > 0 ? static_cast<int>(std::fmin(percent, 100.0f)) : 0;
    return 0;
}

int THeadlessProgressBar::Class() { return ClassProgressBar; }

Ref<TGadget> THeadlessProgressBar::Create(const Ref<TGadget>&, int style, const String&) {
    this->style = style;
    Register(ClassProgressBar, 0);
    return Ref<TGadget>(this);
}

} // namespace vandro

// A slider: a scroll bar (type 0), a trackbar (4) or a stepper (8), by the style without its
// two low bits; style bit 1 lays it out horizontally. Moving it raises "GadgetAction" with the
// new value. Any other type makes no element.
#pragma once

#include "HeadlessGadget.h"

#include "gui/kinds/PlatformSlider.h"

namespace vandro {

class THeadlessSlider : public TPlatformSlider<THeadlessGadget> {
  public:
    // The THeadlessGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;

    // Raises "GadgetAction" when the value changed; answers 1 when the slider could be moved.
    int UserMoveTo(int value);
};

} // namespace vandro

// A slider: a scroll bar (type 0), a trackbar (4) or a stepper (8), by the style without its
// two low bits; style bit 1 lays it out horizontally. Moving it raises "GadgetAction" with the
// new value. Any other type makes no element.
#pragma once

#include "HeadlessGadget.h"

namespace vandro {

class THeadlessSlider : public THeadlessGadget {
  public:
    // A scroll bar takes (visible, total): its value goes from 0 to total - visible. The
    // others take (low, high).
    int SetRange(int low, int high) override;
    // Kept within the range.
    int SetProp(int value) override;
    int GetProp() override;
    int Class() override;
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int isTabbable() override;

    // Raises "GadgetAction" when the value changed; answers 1 when the slider could be moved.
    int UserMoveTo(int value);

    int Lowest() const;
    int Highest() const;

    int _slidertype = 0;
    int _ishorizontal = 0;
    int _visible = 1;
    int _total = 1;
    int _value = 0;
};

} // namespace vandro

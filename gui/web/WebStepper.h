// A slider's stepper: a spin button of two arrows, the raising one on top or, when horizontal,
// on the right. The value is the program's; the element shows it to a screen reader.
#pragma once

#include "WebSlider.h"

namespace vandro {

class TWebStepper : public TWebSlider {
  public:
    // The TWebGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;

    // The user stepped up (1) or down (-1), with an arrow or a key.
    void Step(int step);

  protected:
    void ShowRange(int lowest, int highest) override;
    void ShowValue(int value) override;
    int NativeValue() override { return _value; }
};

} // namespace vandro

// A slider: a scroll bar (style 0) or a trackbar (4, a range input), vertical unless style bit 1
// makes it horizontal, running from its lowest value at the top or the left; a stepper (8) is a
// TWebStepper, and any other kind makes no element. Every move the user makes raises
// "GadgetAction" with the new value; the program's own moves raise nothing.
#pragma once

#include "WebGadget.h"

#include "gui/kinds/PlatformSlider.h"

namespace vandro {

class TWebSlider : public TPlatformSlider<TWebGadget> {
  public:
    // The kind of object the style asks for, with its element.
    static Ref<TGadget> Make(const Ref<TGadget>& group, int style, const String& text);

    // The TWebGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;

    // The user moved the element.
    void Moved() { UserMoved(NativeValue()); }

  protected:
    void ShowRange(int lowest, int highest) override;
    void ShowValue(int value) override;
    int NativeValue() override;
};

} // namespace vandro

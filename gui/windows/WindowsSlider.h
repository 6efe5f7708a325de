// Gadget class 13: a scroll bar (style 0), a trackbar (4) or a stepper (8), vertical unless
// style bit 1 makes it horizontal; any other kind makes no control. Every move the user makes
// raises "GadgetAction" with the new value.
#pragma once

#include "WindowsGadget.h"

namespace vandro {

class TWindowsSlider : public TWindowsGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    int Class() override;
    // A scroll bar runs from 0 to total - 1 with a page of visible; a trackbar or stepper from
    // visible to total.
    int SetRange(int visible, int total) override;
    int SetProp(int value) override;
    int GetProp() override;

    // The TWindowsGadget slots it overrides.
    Ref<TWindowsGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    LRESULT OnCommand(UINT msg, WPARAM wParam) override;
    // A trackbar keeps its ground until it is told to draw again.
    int RefreshLook() override;

    int _slidertype = 0;
    int _ishorizontal = 0;
    int _visible = 0;
    int _total = 0;
    int _value = 0;

  private:
    // The scroll bar's position after a scroll request; the others move themselves.
    int ScrolledTo(int request);
};

} // namespace vandro

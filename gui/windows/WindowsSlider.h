// Gadget class 13: a scroll bar (style 0), a trackbar (4) or a stepper (8), vertical unless
// style bit 1 makes it horizontal; any other kind makes no control. Every move the user makes
// raises "GadgetAction" with the new value.
#pragma once

#include "WindowsGadget.h"

#include "gui/kinds/PlatformSlider.h"

namespace vandro {

class TWindowsSlider : public TPlatformSlider<TWindowsGadget> {
  public:
    // The TWindowsGadget slots it overrides.
    Ref<TWindowsGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    LRESULT OnCommand(UINT msg, WPARAM wParam) override;
    // A trackbar keeps its ground until it is told to draw again.
    int RefreshLook() override;

  protected:
    // A scroll bar runs from 0 to total - 1 with a page of visible.
    void ShowRange(int lowest, int highest) override;
    void ShowValue(int value) override;
    int NativeValue() override;

  private:
    // The scroll bar's position after a scroll request; the others move themselves.
    int ScrolledTo(int request);
};

} // namespace vandro

// Gadget class 14: a smooth progress bar from 0 to 100. Its background colour is the bar's
// ground, its text colour the bar itself. It raises no events.
#pragma once

#include "WindowsGadget.h"

namespace vandro {

class TWindowsProgressBar : public TWindowsGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    int SetColor(int red, int green, int blue) override;
    int SetTextColor(int red, int green, int blue) override;
    int Class() override;
    // The integer part of fraction x 100; the control keeps it within 0 to 100.
    int SetValue(float fraction) override;

    // The TWindowsGadget slots it overrides.
    Ref<TWindowsGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
};

} // namespace vandro

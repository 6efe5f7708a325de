// Gadget class 0: the whole screen, the group of every window made without one. Its client
// size is the work area (the screen without the task bar), where windows are centred.
#pragma once

#include "WindowsGadget.h"

namespace vandro {

class TWindowsDesktop : public TWindowsGadget {
  public:
    // Registers the desktop window and takes its size.
    TWindowsDesktop();

    // The TGadget slots it overrides, in slot order.
    // The desktop is never released.
    int Free() override;
    int ClientWidth() override;
    int ClientHeight() override;
    int SetTooltip(const String& text) override;
    int Class() override;

    // The TWindowsGadget slot it overrides: nothing is made, the desktop answers itself.
    Ref<TWindowsGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;

  private:
    // The work area, when the platform can tell it.
    bool WorkArea(RECT& area) const;
};

} // namespace vandro

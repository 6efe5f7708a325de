// Gadget class 0: the whole screen, the group of every window made without one. Its client
// size is the work area (the screen without the task bar), where windows are centred.
#pragma once

#include "WindowsGadget.h"

#include "gui/kinds/PlatformDesktop.h"

namespace vandro {

class TWindowsDesktop : public TPlatformDesktop<TWindowsGadget> {
  public:
    // Registers the desktop window and takes its size.
    TWindowsDesktop();

    // The TGadget slots it overrides, in slot order.
    int ClientWidth() override;
    int ClientHeight() override;

  private:
    // The work area, when the platform can tell it.
    bool WorkArea(RECT& area) const;
};

} // namespace vandro

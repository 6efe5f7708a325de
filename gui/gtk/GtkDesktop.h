// The desktop: the one gadget that stands for the screen, the group of every window made
// without one. Its client area is the monitor's work area, where windows are centred.
#pragma once

#include "GtkGadget.h"

#include "gui/kinds/PlatformDesktop.h"

namespace vandro {

class TGtkDesktop : public TPlatformDesktop<TGtkGadget> {
  public:
    TGtkDesktop();

    // The TGadget slots it overrides, in slot order.
    int ClientWidth() override;
    int ClientHeight() override;
    int State() override;

    // Its own.
    // The primary monitor's work area, in the screen's coordinates.
    GdkRectangle WorkArea() const;
};

} // namespace vandro

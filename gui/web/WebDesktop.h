// The desktop: the page itself, the group of every window made without one. Its client area is
// the viewport, and never smaller than a small desktop screen: a phone's shows windows scaled
// down instead of boards laid out anew.
#pragma once

#include "WebGadget.h"

#include "gui/kinds/PlatformDesktop.h"

namespace vandro {

class TWebDesktop : public TPlatformDesktop<TWebGadget> {
  public:
    TWebDesktop();
    // The TGadget slots it overrides, in slot order.
    int ClientWidth() override;
    int ClientHeight() override;
    int State() override;
};

} // namespace vandro

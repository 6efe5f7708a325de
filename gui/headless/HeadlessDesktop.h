// The one gadget that stands for the whole screen: the group of every window that has no
// other, its client area the screen without the task bar.
#pragma once

#include "HeadlessGadget.h"

#include "gui/kinds/PlatformDesktop.h"

namespace vandro {

class THeadlessDesktop : public TPlatformDesktop<THeadlessGadget> {
  public:
    THeadlessDesktop();

    int ClientWidth() override;
    int ClientHeight() override;
};

} // namespace vandro

// The one gadget that stands for the whole screen: the group of every window that has no
// other, its client area the screen without the task bar.
#pragma once

#include "HeadlessGadget.h"

namespace vandro {

class THeadlessDesktop : public THeadlessGadget {
  public:
    THeadlessDesktop();

    // The desktop is never released.
    int Free() override;
    int ClientWidth() override;
    int ClientHeight() override;
    int SetTooltip(const String& tip) override;
    int Class() override;
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int isControl() override;
};

} // namespace vandro

// The desktop: the one gadget that stands for the screen, the group of every window made
// without one. Its client area is the monitor's work area, where windows are centred.
#pragma once

#include "GtkGadget.h"

namespace vandro {

class TGtkDesktop : public TGtkGadget {
  public:
    TGtkDesktop();

    // The TGadget slots it overrides, in slot order.
    int Free() override;
    int ClientWidth() override;
    int ClientHeight() override;
    int State() override;
    int SetTooltip(const String& tip) override;
    int Class() override;

    // The TGtkGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int isControl() override;

  private:
    GdkRectangle WorkArea() const;
};

} // namespace vandro

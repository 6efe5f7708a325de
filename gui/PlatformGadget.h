// The base of every gadget a platform driver backs with a native element: the enabled state a
// group passes on to what is inside it, and the gate that lets the element's events through.
// The driver-neutral creation steps of TPlatformDriver work on it.
#pragma once

#include "Gadget.h"

namespace vandro {

class TPlatformGadget : public TGadget {
  public:
    // Opens the event gate: from now on the element raises events.
    virtual int Sensitize() = 0;
    // 1 for a control inside a group, 0 for a window or the desktop.
    virtual int isControl() = 0;

    // What the program asked for with SetEnabled.
    int _enabled = 1;
    // Nonzero while a group around the gadget is disabled.
    int _forcedisable = 0;

  protected:
    // Passes the enabled state the element now shows (1 or 0) to the gadgets inside it: each
    // is forced off while it is off, and a control shows its own state again once it is on.
    void PassEnabledToKids(int effective);
};

} // namespace vandro

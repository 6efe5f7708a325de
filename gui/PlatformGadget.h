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

    // What the program asked for with SetEnabled.
    int _enabled = 1;
    // Nonzero while a group around the gadget is disabled.
    int _forcedisable = 0;
};

} // namespace vandro

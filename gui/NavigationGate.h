// The gate of an HTML view's navigations. The engine asks about each top-level navigation once
// it has started, whoever started it: each one the program started lets the next one through,
// and with style bit 2 any other is blocked and reported as "GadgetAction" with its address as
// the event's extra text.
#pragma once

#include "PlatformGadget.h"

namespace vandro {

class TNavigationGate {
  public:
    // The program starts a navigation of its own.
    void Expect() { ++_expected; }
    // The engine did not take it.
    void Abandon() { --_expected; }
    // The engine asks about a top-level navigation of the view: true when it is blocked.
    bool Blocks(TPlatformGadget& view, const String& address);

  private:
    int _expected = 0;
};

} // namespace vandro

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
    // The same question in two steps, for an engine that learns only later whether the
    // navigation is the page's: true when it goes on, being the program's own or the view
    // lacking style bit 2; else the view reports it once it is known to be the page's.
    bool Admits(const TPlatformGadget& view);
    static void Report(TPlatformGadget& view, const String& address);

  private:
    int _expected = 0;
};

} // namespace vandro

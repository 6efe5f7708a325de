// An HTML view: a WebKitGTK web view. It navigates, answers its address and whether it is busy,
// and goes back and forward. A loaded top-level page raises "GadgetDone"; new windows are never
// opened; with style bit 2 a navigation the program did not start is not followed but reported
// as "GadgetAction" with its address as the event's extra text. WebKit reports a frame's
// navigations as it does the page's, so under style bit 2 a frame inside the page does not load.
#pragma once

#include "GtkGadget.h"

#include "gui/NavigationGate.h"

namespace vandro {

class TGtkHTMLView : public TGtkGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    // 10 back, 11 forward (each when there is a page to go to); 0 and 13 as every gadget.
    int Activate(int command) override;
    // 1 while a page is loading, else 0.
    int State() override;
    // Navigates to the address; an empty one stays where the view is.
    int SetText(const String& address) override;
    // The address shown, "about:blank" before the first page, "" once freed.
    String GetText() override;
    int Class() override;

    // The TGtkGadget slots it overrides. Raises a runtime error when WebKit is not installed.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;

    // What WebKit's signals ask of the view. A navigation: true when it is blocked.
    bool BlockNavigation(const String& address);
    // The top-level page finished loading.
    void Loaded();

  private:
    // Starts a navigation of the program's own, which style bit 2 lets through.
    template <class Go> void Navigate(Go go);

    TNavigationGate _gate;
};

} // namespace vandro

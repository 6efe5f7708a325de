// Gadget class 11: a web view, a host window in which the system's web browser object is placed
// and filled in. It navigates, answers the address, the title and whether the browser is busy,
// runs script, goes back and forward, cuts, copies, pastes and prints through the browser. A
// loaded page raises "GadgetDone"; new windows are never opened; with style bit 2 a page the
// user (not the program) asks for is not loaded but reported as "GadgetAction" with its address
// as the event's extra text. Where the system has no browser, the host stays empty and every
// operation answers "" or 0.
#pragma once

#include "WindowsGadget.h"

#include "gui/kinds/NavigationGate.h"

#include <exdisp.h>

struct IHTMLDocument2;

namespace vandro {

class TBrowserSite;

class TWindowsHTMLView : public TWindowsGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    // Releases the browser first.
    int Free() override;
    // 1 cut, 2 copy, 3 paste (each when the browser has it enabled), 10 back, 11 forward,
    // 12 print; 0 and 13 as every gadget; the rest nothing.
    int Activate(int command) override;
    // 1 while the browser is busy loading, else 0.
    int State() override;
    // Navigates to the address; an empty one stays where the view is.
    int SetText(const String& address) override;
    // The browser's current address; "" without a browser.
    String GetText() override;
    int Class() override;
    // The script's result as text; "" when there is no document or no result.
    String Run(const String& script) override;

    // The TWindowsGadget slots it overrides.
    Ref<TWindowsGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    // Sizes the browser with the host, once the host has its new pixels: a batch moves the host
    // with its siblings.
    int HasResized() override;

    // Its own: the document's title; raises "no document" or "no document2 interface".
    virtual String GetTitleText();
    // Browsers held by all views, over the whole process.
    static long LiveBrowsers();
    // What the browser's events ask of the view. A top-level navigation: true when it is
    // blocked, which style bit 2 does to every one the program did not start.
    bool BlockNavigation(const String& address);
    // A top-level document finished loading.
    void DocumentLoaded();

    // The site the browser is placed in, null where the system has no browser.
    TBrowserSite* mshtml = nullptr;
    // The browser object, or null where the system has none.
    IWebBrowser2* browser = nullptr;
    GUID IID_IHTMLDocument2{};

  private:
    // Starts a navigation of the program's own, which style bit 2 lets through; go answers
    // whether the browser took it.
    template <class Go> void Navigate(Go go);

    // The document as IHTMLDocument2 (released by the caller), raising as GetTitleText says.
    ::IHTMLDocument2* Document();
    void Command(OLECMDID command);

    TNavigationGate _gate;
};

} // namespace vandro

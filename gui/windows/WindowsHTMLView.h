// Gadget class 11: a web view, a host window for the system's web browser object. What it
// does: navigate, answer the address, the title and whether the browser is busy, run script,
// go back and forward, cut, copy, paste and print through the browser. What it does not: the
// browser is not activated in place inside the host (no client site), so it shows nothing of
// its own, and no browser events are listened to, so "GadgetDone" and the blocking of foreign
// navigation (style bit 2) do not happen. Where the system has no browser (Wine without its
// browser engine), the host stays empty and every operation answers "" or 0.
#pragma once

#include "WindowsGadget.h"

#include <exdisp.h>

struct IHTMLDocument2;

namespace vandro {

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
    // Navigates to the address.
    int SetText(const String& address) override;
    // The browser's current address; "" without a browser.
    String GetText() override;
    int Class() override;
    // The script's result as text; "" when there is no document or no result.
    String Run(const String& script) override;

    // The TWindowsGadget slots it overrides.
    Ref<TWindowsGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;

    // Its own: the document's title; raises "no document" or "no document2 interface".
    virtual String GetTitleText();
    // Browsers held by all views, over the whole process.
    static long LiveBrowsers();

    // The browser object, or null where the system has none.
    IWebBrowser2* browser = nullptr;
    GUID IID_IHTMLDocument2{};

  private:
    // The document as IHTMLDocument2 (released by the caller), raising as GetTitleText says.
    ::IHTMLDocument2* Document();
    void Command(OLECMDID command);
};

} // namespace vandro

// An HTML view: an <iframe>. It navigates to a page of the web, of the program's files (a "file:"
// address, read from them) or to a text (an "about:" address other than the blank page's holds
// the page), answers its address and whether it is busy, goes back and forward, cuts, copies,
// pastes, prints and runs script. A loaded page raises "GadgetDone"; new windows are never
// opened; with style bit 2 a navigation of the page that the program did not start is not
// followed but reported as "GadgetAction" with its address as the event's extra text. The
// browser shows the view the navigations of documents of the program's own origin only.
#pragma once

#include "WebGadget.h"

#include "gui/kinds/NavigationGate.h"

namespace vandro {

class TWebHTMLView : public TWebGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    // 1 cut, 2 copy, 3 paste (as far as the page allows them), 10 back, 11 forward (each when
    // there is a page to go to), 12 print; 0 and 13 as every gadget; the rest nothing.
    int Activate(int command) override;
    // 1 while a page is loading, else 0.
    int State() override;
    // Navigates to the address; an empty one stays where the view is.
    int SetText(const String& address) override;
    // The address shown, "about:blank" before the first page, "" once freed.
    String GetText() override;
    int Class() override;
    // The script's result when it is a string; "" for any other result, an error, a document
    // the page may not see into or no view.
    String Run(const String& script) override;

    // The TWebGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;

    // What the page asks of the view: a navigation the program did not start (true when it is
    // blocked), and a document that finished loading.
    bool BlocksNavigation(const String& address);
    void Loaded();

  private:
    TNavigationGate _gate;
};

} // namespace vandro

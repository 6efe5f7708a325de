// An HTML view: a WebKitGTK web view. It navigates, answers its address and whether it is busy,
// goes back and forward, cuts, copies and pastes, prints through the print dialog and runs
// script. A loaded top-level page raises "GadgetDone"; new windows are never opened; with style
// bit 2 a navigation of the page that the program did not start is not followed but reported as
// "GadgetAction" with its address as the event's extra text, while the frames inside the page
// navigate freely.
#pragma once

#include "GtkGadget.h"

#include "gui/kinds/NavigationGate.h"

#include <vector>

namespace vandro {

class TGtkHTMLView : public TGtkGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    // 1 cut, 2 copy, 3 paste (each as far as the page allows it), 10 back, 11 forward (each
    // when there is a page to go to), 12 print (returns when the print dialog is closed); 0
    // and 13 as every gadget; the rest nothing.
    int Activate(int command) override;
    // 1 while a page is loading, else 0.
    int State() override;
    // Navigates to the address; an empty one stays where the view is.
    int SetText(const String& address) override;
    // The address shown, "about:blank" before the first page, "" once freed; the page an about:
    // address held is answered as that address.
    String GetText() override;
    int Class() override;
    // The script's result when it is a string; "" for any other result, an error or no view.
    String Run(const String& script) override;

    // The TGtkGadget slots it overrides. Raises a runtime error when WebKit is not installed.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;

    // What WebKit's signals ask of the view. WebKit asks about the navigations of the page and
    // of its frames alike, and says which one it was only when the answer comes in.
    // A navigation starts.
    void NavigationStarts(const String& address);
    // Its answer came in: true when it is cancelled.
    bool BlockResponse(const String& address, bool page);
    // The top-level page finished loading.
    void Loaded();

  private:
    // Starts a navigation of the program's own, which style bit 2 lets through.
    template <class Go> void Navigate(Go go);

    TNavigationGate _gate;
    // Navigations the gate would block, waiting to be known as the page's or a frame's.
    std::vector<String> _held;
    // The page's navigation was cancelled: the end of its load is not a loaded page.
    bool _cancelled = false;
    // The about: address of the page the program gave last, which WebKit shows as the blank
    // page; "" when the blank page is the blank one.
    String _page;
};

} // namespace vandro

// A web view. The headless platform loads no pages: a navigation is busy until the next pump,
// which finishes it and raises "GadgetDone", as a browser reports its loads from the message
// loop; a newer navigation replaces one still loading. With style bit 2 a link the user follows
// is not loaded but reported as "GadgetAction" with its address as the event's extra text.
#pragma once

#include "HeadlessGadget.h"

#include <vector>

namespace vandro {

class THeadlessHTMLView : public THeadlessGadget {
  public:
    // 10 goes back, 11 forward through the pages visited.
    int Activate(int command) override;
    // 1 while a page is loading, else 0.
    int State() override;
    // Navigates; an empty address stays where the view is.
    int SetText(const String& address) override;
    // The current address, "about:blank" before any navigation.
    String GetText() override;
    int Class() override;
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;

    int UserFollowLink(const String& address);
    // The pump finishes the load it was given for, unless a newer one replaced it.
    void FinishLoad(int load);

    std::vector<String> _history;
    int _current = -1;
    // The number of the latest load, and whether it is still going.
    int _load = 0;
    int _loading = 0;

  private:
    void StartLoad();
};

} // namespace vandro

// A web view. The headless platform loads no pages: a navigation completes at once and raises
// "GadgetDone". With style bit 2 a link the user follows is not loaded but reported as
// "GadgetAction" with its address as the event's extra text.
#pragma once

#include "HeadlessGadget.h"

#include <vector>

namespace vandro {

class THeadlessHTMLView : public THeadlessGadget {
  public:
    // 10 goes back, 11 forward through the pages visited.
    int Activate(int command) override;
    // Navigates; an empty address stays where the view is.
    int SetText(const String& address) override;
    // The current address, "about:blank" before any navigation.
    String GetText() override;
    int Class() override;
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;

    int UserFollowLink(const String& address);

    std::vector<String> _history;
    int _current = -1;

  private:
    void Loaded();
};

} // namespace vandro

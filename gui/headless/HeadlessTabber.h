// A row of tabs over a page area that holds the gadgets. Choosing another tab raises
// "GadgetAction" with its index. Without items it shows one tab with an empty label, so that
// the row keeps its height.
#pragma once

#include "HeadlessItemGadget.h"

namespace vandro {

class THeadlessTabber : public THeadlessItemGadget {
  public:
    // The page area inside the tab row and the border.
    int ClientWidth() override;
    int ClientHeight() override;
    int Class() override;
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int isTabbable() override;
    void ItemsChanged() override;

    // The labels the tab row shows.
    std::vector<String> ShownTabs() const;

    int UserSelectTab(int index);
    int UserRightClickTab(int index);

    int _tabcount = 0;
    int _selected = -1;

  protected:
    // Selecting an item makes it the current tab.
    void ShowItemState(int index, int state) override;
    int NativeItemState(int index) override;
};

} // namespace vandro

// A row of tabs over a page area that holds the gadgets. Choosing another tab raises
// "GadgetAction" with its index. Without items it shows one tab with an empty label, so that
// the row keeps its height.
#pragma once

#include "HeadlessItemGadget.h"

#include "gui/kinds/PlatformTabber.h"

namespace vandro {

class THeadlessTabber : public TPlatformTabber<THeadlessItemGadget> {
  public:
    // The page area inside the tab row and the border.
    int ClientWidth() override;
    int ClientHeight() override;
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    void ItemsChanged() override;

    // The labels the tab row shows.
    std::vector<String> ShownTabs() const;

    int UserSelectTab(int index);
    int UserRightClickTab(int index);

    int _tabcount = 0;
    // The tab the row shows as the current one.
    int _current = -1;

  protected:
    // The TPlatformTabber hooks.
    void ShowCurrentTab(int index) override;
    int NativeCurrentTab() override;
};

} // namespace vandro

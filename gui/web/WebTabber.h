// A tabber: a tablist with the items' icons, labels and tips above a tab panel, the page area
// that holds the gadgets of every page (the program shows the ones of the current tab). Without
// items it shows one blank tab, so that the row keeps its height. The user's choice of another
// tab raises "GadgetAction" with its index, a right click on a tab "GadgetMenu"; the program's
// changes raise nothing.
#pragma once

#include "WebItemGadget.h"

#include "gui/kinds/PlatformTabber.h"

namespace vandro {

class TWebTabber : public TPlatformTabber<TWebItemGadget> {
  public:
    // The TGadget slots it overrides, in slot order.
    // The page area: the tabber less its tab row and the frame round the page.
    int ClientWidth() override;
    int ClientHeight() override;

    // The TWebGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;

    // Its own. The user right-clicked the tab at the index, at (x, y) of the tabber.
    void RightClicked(int index, int x, int y);

  protected:
    // The TWebItemGadget and TPlatformTabber hooks.
    void ItemsChanged() override { SettleCurrentTab(); }
    void ShowCurrentTab(int index) override;
    int NativeCurrentTab() override;
};

} // namespace vandro

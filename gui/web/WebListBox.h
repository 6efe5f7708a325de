// A list box: a listbox of options with their icons and tips, one selected or (style bit 1)
// several. The page changes the selection as the user clicks and the program hears of it once
// per change (-1 after a click below the options let them go); a double click raises
// "GadgetAction" (no keys do) and a right click "GadgetMenu", both with the index of the option
// under the pointer (-1 for none); a right click then selects its option.
#pragma once

#include "WebItemGadget.h"

#include "gui/kinds/PlatformListBox.h"

namespace vandro {

class TWebListBox : public TPlatformListBox<TWebItemGadget> {
  public:
    // The TWebGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int isTabbable() override { return 1; }

    // Its own. The user double-clicked, or right-clicked at (x, y) of the list, the option at
    // the index (-1 below them).
    void DoubleClicked(int index);
    void RightClicked(int index, int x, int y);

  protected:
    // The TWebItemGadget, TPlatformItemGadget and TPlatformListBox hooks.
    void ItemsChanged() override { SettleSelection(false); }
    // Selecting an option of a list of one lets go of the others and scrolls it into view.
    void ShowItemState(int index, int state) override;
    int NativeItemState(int index) override;
    int NativeSelectedItem() override;
};

} // namespace vandro

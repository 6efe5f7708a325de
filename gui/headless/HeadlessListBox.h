// A list box: one column of items, one selected or (style bit 1) several. The user's clicks
// raise "GadgetSelect" when the selection they report changed, a double click
// "GadgetAction", a right click "GadgetMenu" and then selects the item, each with the item's
// index (-1 below the items).
#pragma once

#include "HeadlessItemGadget.h"

#include "gui/kinds/PlatformListBox.h"

namespace vandro {

class THeadlessListBox : public TPlatformListBox<THeadlessItemGadget> {
  public:
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int isTabbable() override;
    int BorderWidth() override;
    void ItemsChanged() override;

    bool MultiSelect() const { return (style & 1) != 0; }

    // A click on the item; in a multi-selection list Ctrl (mods 2) toggles it instead, and
    // Shift (mods 1) selects the items from the one clicked last without Shift to it.
    int UserClickItem(int index, int mods);
    // A click below the items clears the selection.
    int UserClickEmpty();
    // Index -1 is below the items.
    int UserDoubleClickItem(int index);
    int UserRightClickItem(int index);

  protected:
    // A single-selection list lets go of the item selected before.
    void ShowItemState(int index, int state) override;
    int NativeSelectedItem() override;

  private:
    // Only the item selected; -1 none.
    void SelectOnly(int index);

    // Where a Shift click's range starts.
    int _anchor = -1;
};

} // namespace vandro

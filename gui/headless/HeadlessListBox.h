// A list box: one column of items, one selected or (style bit 1) several. The user's clicks
// raise "GadgetSelect" when the selection they report changed, a double click
// "GadgetAction", a right click "GadgetMenu", each with the item's index.
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

    // A click on the item; with Ctrl (mods 2) a multi-selection list toggles it instead.
    int UserClickItem(int index, int mods);
    // A click below the items clears the selection.
    int UserClickEmpty();
    int UserDoubleClickItem(int index);
    int UserRightClickItem(int index);

  protected:
    // A single-selection list lets go of the item selected before.
    void ShowItemState(int index, int state) override;
    int NativeSelectedItem() override;
};

} // namespace vandro

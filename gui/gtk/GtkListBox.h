// A list box: one column of items with their icons and tips, one selected or (style bit 1)
// several. The selection is worked out once GTK has finished changing it, so the program hears
// one "GadgetSelect" per actual change (-1 after a click below the items cleared it); a double
// click raises "GadgetAction" (no keys do) and a right click "GadgetMenu", both with the index
// of the item under the pointer (-1 for none); a right click then selects its item.
#pragma once

#include "GtkItemStore.h"
#include "GtkRowView.h"

#include "gui/kinds/PlatformListBox.h"

namespace vandro {

class TGtkListBox : public TPlatformListBox<TGtkStoreItems<TGtkRowView<TGtkGadget>>> {
  public:
    // The TGtkGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    // A list is a tab stop; a tree is not.
    int isTabbable() override { return 1; }

    // Its own. GTK changed the selection: it is worked out once GTK is done.
    void SelectionMoved();
    // Works out at once a selection that is waiting to be.
    void SettlePending();
    // A press of a mouse button at (x, y) of the rows' area; true when it is handled here.
    bool PressedAt(int button, int x, int y);
    void DoubleClickedAt(int x, int y);

    // The pending GTK source that works out the selection, 0 for none.
    guint _settling = 0;

  protected:
    // The TGtkStoreItems, TPlatformItemGadget and TPlatformListBox hooks.
    void RowsChanged() override;
    void RemoveNativeItem(int index) override;
    // Selecting an item scrolls it into view.
    void ShowItemState(int index, int state) override;
    int NativeItemState(int index) override;
    int NativeSelectedItem() override;
    int FreeElement() override;

  private:
    // The item at (x, y) of the rows' area, -1 for none.
    int IndexAt(int x, int y);
};

} // namespace vandro

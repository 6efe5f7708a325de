// Gadget class 6: a drop-down list of items with icons, with an edit field on top when style
// bit 1 makes it editable. Choosing another item raises "GadgetAction" with its index; typing
// in the field raises "GadgetAction" with -1. Its inner combo and edit windows are filed under
// this gadget, so their messages find it.
#pragma once

#include "WindowsGadget.h"
#include "WindowsIconStrip.h"

namespace vandro {

class TWindowsComboBox : public TWindowsGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    // Forgets the inner windows too.
    int Free() override;
    // The native window is 180 high, the room of its drop-down list.
    int Rethink() override;
    int SetIconStrip(const Ref<TIconStrip>& strip) override;
    int Class() override;
    int ClearListItems() override;
    int InsertListItem(int index, const String& text, const String& tip, int icon,
                       const Object& extra) override;
    int SetListItem(int index, const String& text, const String& tip, int icon,
                    const Object& extra) override;
    int RemoveListItem(int index) override;
    // Bit 16 makes the item the current one; without it the current item is cleared.
    int SetListItemState(int index, int state) override;
    int ListItemState(int index) override;

    // The TWindowsGadget slots it overrides.
    Ref<TWindowsGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    LRESULT OnCommand(UINT msg, WPARAM wParam) override;

    Ref<TWindowsIconStrip> _icons;
    HWND _editHwnd = nullptr;
    HWND _comboHwnd = nullptr;
    int _selected = -1;

  private:
    int SendItem(UINT message, int index, const String& text, int icon);
    int CurrentItem();
};

} // namespace vandro

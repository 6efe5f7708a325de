// Gadget class 6: a drop-down list of items with icons, with an edit field on top when style
// bit 1 makes it editable. Choosing another item raises "GadgetAction" with its index; typing
// in the field raises "GadgetAction" with -1. Its inner combo and edit windows are filed under
// this gadget, so their messages find it; the field hands the keys of the list to the combo.
#pragma once

#include "WindowsGadget.h"

#include "gui/kinds/PlatformComboBox.h"
#include "gui/kinds/PlatformItemGadget.h"

namespace vandro {

class TWindowsComboBox : public TPlatformComboBox<TPlatformItemGadget<TWindowsGadget>> {
  public:
    // The TGadget slots it overrides, in slot order.
    // Forgets the inner windows too.
    int Free() override;
    // The native window is 180 high, the room of its drop-down list.
    int Rethink() override;

    // The TWindowsGadget slots it overrides.
    Ref<TWindowsGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    LRESULT OnCommand(UINT msg, WPARAM wParam) override;

    HWND _editHwnd = nullptr;
    HWND _comboHwnd = nullptr;

  protected:
    // The TPlatformItemGadget hooks.
    void ShowNativeItem(int index, bool added, const String& text, const String& tip,
                        int icon) override;
    void RemoveNativeItem(int index) override;
    void ClearNativeItems() override;
    void ShowIconStrip() override;
    // The TPlatformComboBox hooks.
    void ShowChosenItem(int index) override;
    int NativeChosenItem() override;

  private:
    // The user typed over the chosen item's text: no item is chosen, the field keeps the text.
    void LetGoOfChoice();
    int SendItem(UINT message, int index, const String& text, int icon);
};

} // namespace vandro

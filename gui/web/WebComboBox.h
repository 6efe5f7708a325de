// A combo box: a combobox field with a listbox of the items that opens below it; the field is
// a text input when style bit 1 makes it editable, else it shows the chosen item. (A <select>
// shows no icons.) Choosing another item raises "GadgetAction" with its index and extra; typing
// in the field raises "GadgetAction" with -1. What the program does raises nothing.
#pragma once

#include "WebItemGadget.h"

#include "gui/kinds/PlatformComboBox.h"

namespace vandro {

class TWebComboBox : public TPlatformComboBox<TWebItemGadget> {
  public:
    // The TGadget slots it overrides, in slot order.
    // The field's text.
    String GetText() override;

    // The TWebGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int ShowText(const String& text) override;

  protected:
    // The TWebItemGadget and TPlatformComboBox hooks.
    void ItemsChanged() override { SettleChoice(); }
    void ShowChosenItem(int index) override;
    int NativeChosenItem() override;
};

} // namespace vandro

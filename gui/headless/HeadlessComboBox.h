// A drop-down list, with an edit field when style bit 1 is set. Choosing another item raises
// "GadgetAction" with its index; typing into the edit field raises it with -1.
#pragma once

#include "HeadlessItemGadget.h"

#include "gui/kinds/PlatformComboBox.h"

namespace vandro {

class THeadlessComboBox : public TPlatformComboBox<THeadlessItemGadget> {
  public:
    // Only an edit field takes a text.
    int SetText(const String& text) override;
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    void ItemsChanged() override;

    bool Editable() const { return (style & 1) != 0; }

    int UserChooseItem(int index);
    int UserType(const String& text);

    // The item the list shows as the chosen one, -1 for none.
    int _current = -1;

  protected:
    // The TPlatformComboBox hooks.
    void ShowChosenItem(int index) override;
    int NativeChosenItem() override;
};

} // namespace vandro

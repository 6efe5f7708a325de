// A drop-down list, with an edit field when style bit 1 is set. Choosing another item raises
// "GadgetAction" with its index; typing into the edit field raises it with -1.
#pragma once

#include "HeadlessItemGadget.h"

namespace vandro {

class THeadlessComboBox : public THeadlessItemGadget {
  public:
    // The edit field's text, or the chosen item's when there is no edit field.
    int SetText(const String& text) override;
    String GetText() override;
    int Class() override;
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int isTabbable() override;
    void ItemsChanged() override;

    bool Editable() const { return (style & 1) != 0; }

    int UserChooseItem(int index);
    int UserType(const String& text);

    // The current item, -1 for none.
    int _selected = -1;

  protected:
    // Selecting an item makes it the current one; only one is.
    void ShowItemState(int index, int state) override;
    int NativeItemState(int index) override;
};

} // namespace vandro

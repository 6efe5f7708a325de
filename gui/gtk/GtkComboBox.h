// A drop-down list of items with icons, with an edit field on top when style bit 1 makes it
// editable. Choosing another item raises "GadgetAction" with its index and extra; typing in the
// field raises "GadgetAction" with -1. What the program does raises nothing.
#pragma once

#include "GtkGadget.h"
#include "GtkItemStore.h"

#include "gui/kinds/PlatformComboBox.h"

namespace vandro {

class TGtkComboBox : public TPlatformComboBox<TGtkStoreItems<TGtkGadget>> {
  public:
    // The TGadget slots it overrides, in slot order.
    // The edit field's text.
    String GetText() override;

    // The TGtkGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int HasKeyFocus() override;
    int ShowText(const String& text) override;

    // Its own. The current item changed, or the text in the edit field.
    void ChoiceChanged();
    void EditChanged();
    // The edit field, null without one.
    GtkWidget* Entry() const;

  protected:
    // The TGtkStoreItems and TPlatformComboBox hooks.
    void RowsChanged() override;
    int FreeElement() override;
    void ShowChosenItem(int index) override;
    int NativeChosenItem() override;
};

} // namespace vandro

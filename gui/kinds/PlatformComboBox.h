// What every platform's combo box does the same way with its one chosen item: choosing another
// item raises "GadgetAction" with its index and extra, once per change; typing in the edit field
// raises it with -1 and leaves no item chosen, so that choosing the same item again is reported;
// what the program does raises nothing. Selecting an item by program makes it the chosen one and
// puts its text into the edit field; unselecting the chosen one leaves none chosen and the field
// empty. Items added or removed before the chosen one keep it chosen; removing it leaves none.
// Without an edit field the text is the chosen item's. The platform shows and reads the item its
// control has chosen.
//
// A mixin over the platform's item gadget:
//     class TWindowsComboBox : public TPlatformComboBox<TPlatformItemGadget<TWindowsGadget>> { ...
//     };
#pragma once

#include "events/EventIds.h"
#include "gui/GadgetConstants.h"

namespace vandro {

template <class Base> class TPlatformComboBox : public Base {
  public:
    // The TGadget slots it overrides, in slot order.
    String GetText() override {
        if (this->style & ComboBoxEditable)
            return Base::GetText();
        const int chosen = this->NativeHandle(0) ? NativeChosenItem() : -1;
        if (chosen < 0 || chosen >= this->ItemCount())
            return {};
        return this->ShownItemText(chosen, this->ItemText(chosen));
    }
    int InsertListItem(int index, const String& text, const String& tip, int icon,
                       const Object& extra) override {
        if (index < 0 || index > this->ShownItemCount())
            return 0;
        const int chosen = NativeChosenItem();
        Base::InsertListItem(index, text, tip, icon, extra);
        KeepChoice(chosen >= index ? chosen + 1 : chosen);
        return 0;
    }
    int RemoveListItem(int index) override {
        if (!this->HasShownItem(index))
            return 0;
        const int chosen = NativeChosenItem();
        Base::RemoveListItem(index);
        KeepChoice(chosen == index ? -1 : chosen > index ? chosen - 1 : chosen);
        return 0;
    }
    int Class() override { return ClassComboBox; }

    // The platform gadget slots it overrides.
    int isTabbable() override { return 1; }

    // Its own. The user made the item at the index the chosen one.
    void UserChoseItem(int index) {
        if (index == _selected)
            return;
        _selected = index;
        this->PostGuiEvent(GadgetAction, index, 0, 0, 0, this->ExtraOfItem(index));
    }
    // The user typed in the edit field; the platform has let go of the chosen item.
    void UserEdited() {
        SettleChoice();
        this->PostGuiEvent(GadgetAction, -1, 0, 0, 0, {});
    }
    // After the program changed the items: the chosen item is the control's.
    void SettleChoice() { _selected = NativeChosenItem(); }

    // The chosen item as last read, -1 for none.
    int _selected = -1;

  protected:
    // The TPlatformItemGadget hooks it fills in.
    void ShowItemState(int index, int state) override {
        const int before = NativeChosenItem();
        const int chosen = (state & ItemStateSelected) ? index : before == index ? -1 : before;
        ShowChosenItem(chosen);
        SettleChoice();
        if (!(this->style & ComboBoxEditable) || (chosen == before && chosen != index))
            return;
        this->SetText(chosen < 0 ? String() : this->ShownItemText(chosen, this->ItemText(chosen)));
    }
    int NativeItemState(int index) override {
        return NativeChosenItem() == index ? ItemStateSelected : 0;
    }

    // Shows the item at the index chosen (-1: none) after the items changed.
    void KeepChoice(int chosen) {
        if (chosen >= this->ShownItemCount())
            chosen = -1;
        if (NativeChosenItem() != chosen)
            ShowChosenItem(chosen);
        SettleChoice();
    }

    // The native half: makes the item at the index the control's chosen one (-1: none), and
    // reads it.
    virtual void ShowChosenItem(int index) = 0;
    virtual int NativeChosenItem() = 0;
};

} // namespace vandro

// What every platform's combo box does the same way with its one chosen item: choosing another
// item raises "GadgetAction" with its index and extra, once per change; typing in the edit field
// raises it with -1; what the program does raises nothing. Selecting an item by program makes it
// the chosen one, and unselecting the chosen one leaves none chosen. The platform shows and reads
// the item its control has chosen.
//
// A mixin over the platform's item gadget:
//     class TWindowsComboBox : public TPlatformComboBox<TPlatformItemGadget<TWindowsGadget>> { ... };
#pragma once

#include "gui/GadgetConstants.h"
#include "events/EventIds.h"

namespace vandro {

template <class Base> class TPlatformComboBox : public Base {
  public:
    // The TGadget slots it overrides.
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
    // The user typed in the edit field.
    void UserEdited() { this->PostGuiEvent(GadgetAction, -1, 0, 0, 0, {}); }
    // After the program changed the items: the chosen item is the control's.
    void SettleChoice() { _selected = NativeChosenItem(); }

    // The chosen item as last read, -1 for none.
    int _selected = -1;

  protected:
    // The TPlatformItemGadget hooks it fills in.
    void ShowItemState(int index, int state) override {
        int chosen = NativeChosenItem();
        if (state & ItemStateSelected)
            chosen = index;
        else if (chosen == index)
            chosen = -1;
        ShowChosenItem(chosen);
        SettleChoice();
    }
    int NativeItemState(int index) override {
        return NativeChosenItem() == index ? ItemStateSelected : 0;
    }

    // The native half: makes the item at the index the control's chosen one (-1: none), and
    // reads it.
    virtual void ShowChosenItem(int index) = 0;
    virtual int NativeChosenItem() = 0;
};

} // namespace vandro

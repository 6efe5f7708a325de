// What every platform's tabber does the same way with its current tab: the user's choice of
// another tab raises "GadgetAction" with its index and extra, once per change, once the tab is
// the current one; what the program does to the tabs raises nothing. The first tab added becomes
// the current one; tabs added or removed before the current one keep it current, and removing
// it makes the tab that takes its place current (the one before it when it was the last): a row
// of tabs always shows one page. The platform shows and reads its control's current tab.
//
// A mixin over the platform's item gadget:
//     class TGtkTabber : public TPlatformTabber<TPlatformItemGadget<TGtkGadget>> { ... };
#pragma once

#include "events/EventIds.h"
#include "gui/GadgetConstants.h"

namespace vandro {

template <class Base> class TPlatformTabber : public Base {
  public:
    // The TGadget slots it overrides, in slot order.
    int InsertListItem(int index, const String& text, const String& tip, int icon,
                       const Object& extra) override {
        if (index < 0 || index > this->ShownItemCount())
            return 0;
        const int current = CurrentTab();
        Base::InsertListItem(index, text, tip, icon, extra);
        KeepCurrentTab(current < 0 ? 0 : current >= index ? current + 1 : current);
        return 0;
    }
    int RemoveListItem(int index) override {
        if (!this->HasShownItem(index))
            return 0;
        const int current = CurrentTab();
        Base::RemoveListItem(index);
        const int last = this->ShownItemCount() - 1;
        KeepCurrentTab(current > index ? current - 1 : current < last ? current : last);
        return 0;
    }
    int Class() override { return ClassTabber; }

    // The platform gadget slots it overrides.
    int isTabbable() override { return 1; }

    // Its own. The user made the tab at the index the current one.
    void UserChoseTab(int index) {
        if (!this->HasShownItem(index) || index == _selected)
            return;
        _selected = index;
        this->PostGuiEvent(GadgetAction, index, 0, 0, 0, this->ExtraOfItem(index));
    }
    // After the program changed the tabs: the current tab is the control's.
    void SettleCurrentTab() { _selected = CurrentTab(); }
    // The control's current tab, -1 while it shows only its blank tab.
    int CurrentTab() { return this->ShownItemCount() ? NativeCurrentTab() : -1; }

    // The current tab as last read, -1 while the tabber shows only its blank tab.
    int _selected = -1;

  protected:
    // The TPlatformItemGadget hooks it fills in: selecting makes the tab the current one.
    void ShowItemState(int index, int state) override {
        if (!(state & ItemStateSelected))
            return;
        ShowCurrentTab(index);
        SettleCurrentTab();
    }
    int NativeItemState(int index) override {
        return this->ShownItemCount() && NativeCurrentTab() == index ? ItemStateSelected : 0;
    }

    // Shows the tab at the index current after the tabs changed (none without tabs).
    void KeepCurrentTab(int index) {
        if (this->HasShownItem(index) && NativeCurrentTab() != index)
            ShowCurrentTab(index);
        SettleCurrentTab();
    }

    // The native half: makes the tab at the index the control's current one, and reads it.
    virtual void ShowCurrentTab(int index) = 0;
    virtual int NativeCurrentTab() = 0;
};

} // namespace vandro

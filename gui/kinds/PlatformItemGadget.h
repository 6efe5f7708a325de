// What every platform's list-like gadget (list box, combo box, toolbar, tabber) does with its
// items the same way: it checks the indexes of the ...ListItem operations against the items the
// native control holds, keeps the states the kind keeps, keeps the icon strip, flips a toggle
// item's selection before the event the item raises, and shows a tip localized for items with
// ItemFlagLocalized. The platform fills in the native half: one native item inserted, changed or
// removed, all of them cleared, one item's state shown and read, the strip shown.
//
// A mixin over the platform's gadget base, so that each kind derives from that base once:
//     class TWindowsListBox : public TPlatformItemGadget<TWindowsGadget> { ... };
// (a core class deriving from TPlatformGadget beside the platform's base would make the gadget
// two TPlatformGadgets, or need virtual inheritance, under which a Ref's identity changes with
// the base it is taken through).
#pragma once

#include "PlatformGadget.h"
#include "gui/GadgetConstants.h"
#include "gui/IconStrip.h"
#include "gui/localization/LocalizationFunctions.h"

#include <type_traits>

namespace vandro {

template <class Base> class TPlatformItemGadget : public Base {
    static_assert(std::is_base_of_v<TPlatformGadget, Base>);

  public:
    // The TGadget slots it overrides, in slot order. An index outside the native items changes
    // nothing and reads as state 0; the core has shown the text and tip localized already.
    int SetIconStrip(const Ref<TIconStrip>& strip) override {
        _icons = strip;
        ShowIconStrip();
        return 0;
    }
    // The strip goes after the element.
    int Free() override {
        const int answer = Base::Free();
        _icons = nullptr;
        return answer;
    }
    int ClearListItems() override {
        ClearNativeItems();
        _shownitems = 0;
        return 0;
    }
    int InsertListItem(int index, const String& text, const String& tip, int icon,
                       const Object&) override {
        if (index < 0 || index > _shownitems)
            return 0;
        ++_shownitems;
        ShowNativeItem(index, true, text, tip, icon);
        return 0;
    }
    int SetListItem(int index, const String& text, const String& tip, int icon,
                    const Object&) override {
        if (HasShownItem(index))
            ShowNativeItem(index, false, text, tip, icon);
        return 0;
    }
    int RemoveListItem(int index) override {
        if (!HasShownItem(index))
            return 0;
        --_shownitems;
        RemoveNativeItem(index);
        return 0;
    }
    int SetListItemState(int index, int state) override {
        if (HasShownItem(index))
            ShowItemState(index, state & KeptItemStates());
        return 0;
    }
    int ListItemState(int index) override {
        return HasShownItem(index) ? NativeItemState(index) & KeptItemStates() : 0;
    }

    // The TPlatformGadget slot it overrides: a toggle item that raises an event flips its
    // selection first, so the program reads the new state in its handler.
    int PostGuiEvent(int id, int data, int mods, int x, int y, const Object& extra) override {
        if (data > -1 && data < this->ItemCount() && (this->ItemFlags(data) & ItemFlagToggle))
            this->SelectItem(data, 2);
        return Base::PostGuiEvent(id, data, mods, x, y, extra);
    }

    // Its own.
    // The items the native control holds (the placeholder tab of an empty tabber not counted).
    int ShownItemCount() const { return _shownitems; }
    bool HasShownItem(int index) const { return index >= 0 && index < _shownitems; }
    // The states kept: selected, and for a toolbar's buttons disabled too.
    int KeptItemStates() {
        return this->Class() == ClassToolbar ? ItemStateSelected | ItemStateDisabled
                                             : ItemStateSelected;
    }
    // A text of item index (its tip, say) as the control shows it: localized for an item with
    // ItemFlagLocalized.
    String ShownItemText(int index, const String& text) {
        if (index < 0 || index >= this->ItemCount() ||
            !(this->ItemFlags(index) & ItemFlagLocalized))
            return text;
        return LocalizeText(text);
    }
    // The extra object of an item, null for an index outside the items (-1 included).
    Object ExtraOfItem(int index) {
        return index >= 0 && index < this->ItemCount() ? this->ItemExtra(index) : Object();
    }

    // The strip the items' icons index, null for none.
    Ref<TIconStrip> _icons;

  protected:
    // The native half. The index is checked, and ShownItemCount() already counts an item added
    // or removed.
    // Shows the item at the index: one added there, or the one there changed.
    virtual void ShowNativeItem(int index, bool added, const String& text, const String& tip,
                                int icon) = 0;
    virtual void RemoveNativeItem(int index) = 0;
    // Removes the items from the last on; a control that clears itself at once does that
    // instead, with ShownItemCount() still counting the items.
    virtual void ClearNativeItems() {
        while (_shownitems > 0)
            RemoveNativeItem(--_shownitems);
    }
    // Shows the item's state: only the bits of KeptItemStates().
    virtual void ShowItemState(int index, int state) = 0;
    virtual int NativeItemState(int index) = 0;
    // Shows _icons (null: none): each item is shown again, for a control that takes the icons
    // one by one.
    virtual void ShowIconStrip() {
        for (int i = 0; i < _shownitems && i < this->ItemCount(); ++i)
            ShowNativeItem(i, false, ShownItemText(i, this->ItemText(i)),
                           ShownItemText(i, this->ItemTip(i)), this->ItemIcon(i));
    }

  private:
    int _shownitems = 0;
};

} // namespace vandro

#include "HeadlessListBox.h"

#include "gui/GadgetConstants.h"

#include <algorithm>

namespace vandro {

void THeadlessListBox::ShowItemState(int index, int state) {
    if (!MultiSelect() && (state & ItemStateSelected))
        for (NativeItem& item : _items)
            item.state &= ~ItemStateSelected;
    THeadlessItemGadget::ShowItemState(index, state);
    ItemsChanged();
}

Ref<TGadget> THeadlessListBox::Create(const Ref<TGadget>&, int style, const String&) {
    this->style = style;
    Register(ClassListBox, 0);
    return Ref<TGadget>(this);
}

int THeadlessListBox::isTabbable() { return 1; }

int THeadlessListBox::BorderWidth() { return kClientEdge; }

void THeadlessListBox::ItemsChanged() { SettleSelection(false); }

int THeadlessListBox::UserClickItem(int index, int mods) {
    if (!Reachable() || !HasShownItem(index))
        return 0;
    if (MultiSelect() && (mods & 1) && HasShownItem(_anchor)) {
        SelectOnly(-1);
        for (int i = std::min(_anchor, index); i <= std::max(_anchor, index); ++i)
            Item(i).state |= ItemStateSelected;
    } else if (MultiSelect() && (mods & 2)) {
        Item(index).state ^= ItemStateSelected;
        _anchor = index;
    } else {
        SelectOnly(index);
        _anchor = index;
    }
    SettleSelection(true);
    return 1;
}

void THeadlessListBox::SelectOnly(int index) {
    for (NativeItem& item : _items)
        item.state &= ~ItemStateSelected;
    if (index >= 0)
        Item(index).state |= ItemStateSelected;
}

int THeadlessListBox::UserClickEmpty() {
    if (!Reachable())
        return 0;
    SelectOnly(-1);
    SettleSelection(true);
    return 1;
}

int THeadlessListBox::UserDoubleClickItem(int index) {
    if (!Reachable() || (index != -1 && !HasShownItem(index)))
        return 0;
    PostGuiEvent(GadgetAction, index, 0, 0, 0, ItemExtra(index));
    return 1;
}

int THeadlessListBox::UserRightClickItem(int index) {
    if (!Reachable() || !HasShownItem(index))
        return 0;
    PostGuiEvent(GadgetMenu, index, 0, 0, 0, ItemExtra(index));
    if (!(Item(index).state & ItemStateSelected)) {
        SelectOnly(index);
        SettleSelection(true);
    }
    return 1;
}

int THeadlessListBox::NativeSelectedItem() {
    for (int i = 0; i < ShownItemCount(); ++i)
        if (Item(i).state & ItemStateSelected)
            return i;
    return -1;
}

} // namespace vandro

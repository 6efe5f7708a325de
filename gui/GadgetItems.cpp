// The items of list-like gadgets. items mirrors the native list one to one; the driver hears
// of every change through the ...ListItem... operations and keeps the item states.
#include "Gadget.h"

#include "GadgetConstants.h"
#include "GadgetCore.h"
#include "runtime/Text.h"

#include <algorithm>

namespace vandro {

namespace {

[[noreturn]] void RaiseBadIndex(int index, int count) {
    RuntimeError(u"Gadget item index " + IntText(index) + u" is out of range: the gadget has " +
                 IntText(count) + u" items");
}

void CheckItemIndex(const TItemArray& items, int index) {
    if (index < 0 || index >= items.Count())
        RaiseBadIndex(index, items.Count());
}

// Inserting may also append.
void CheckInsertIndex(const TItemArray& items, int index) {
    if (index < 0 || index > items.Count())
        RaiseBadIndex(index, items.Count());
}

const Ref<TGadgetItem>& ItemAt(const TItemArray& items, int index) {
    CheckItemIndex(items, index);
    return items[index];
}

struct ShownItem {
    String text;
    String tip;
};

// What the driver is shown of an item. A braced list looks the text up before the tip.
ShownItem Shown(const String& text, const String& tip, int flags) {
    if (!(flags & ItemFlagLocalized))
        return {text, tip};
    return {LocalizeItemText(text), LocalizeItemText(tip)};
}

} // namespace

int TGadget::Clear() {
    ClearListItems();
    items.Clear();
    return 0;
}

int TGadget::InsertItem(int index, const String& text, const String& tip, int icon,
                        const Object& extra, int flags) {
    CheckInsertIndex(items, index);
    auto item = New<TGadgetItem>();
    items.Insert(index, item);
    item->Set(text, tip, icon, extra, flags);
    const ShownItem shown = Shown(text, tip, flags);
    InsertListItem(index, shown.text, shown.tip, icon, extra);
    if (flags & ItemFlagSelect)
        SelectItem(index, 1);
    return 0;
}

int TGadget::SetItem(int index, const String& text, const String& tip, int icon,
                     const Object& extra, int flags) {
    ItemAt(items, index)->Set(text, tip, icon, extra, flags);
    const ShownItem shown = Shown(text, tip, flags);
    SetListItem(index, shown.text, shown.tip, icon, extra);
    if (flags & ItemFlagSelect)
        SelectItem(index, 1);
    return 0;
}

int TGadget::RemoveItem(int index) {
    CheckItemIndex(items, index);
    items.Remove(index);
    RemoveListItem(index);
    return 0;
}

int TGadget::ItemCount() { return items.Count(); }
String TGadget::ItemText(int index) { return ItemAt(items, index)->text; }
String TGadget::ItemTip(int index) { return ItemAt(items, index)->tip; }
int TGadget::ItemFlags(int index) { return ItemAt(items, index)->flags; }
int TGadget::ItemIcon(int index) { return ItemAt(items, index)->icon; }

Object TGadget::ItemExtra(int index) {
    if (index == -1)
        return {};
    return ItemAt(items, index)->extra;
}

int TGadget::SetItemState(int index, int state) {
    CheckItemIndex(items, index);
    return SetListItemState(index, state);
}

int TGadget::ItemState(int index) {
    CheckItemIndex(items, index);
    return ListItemState(index);
}

int TGadget::SelectItem(int index, int op) {
    if (index == -1) {
        for (int i = 0; i < ItemCount(); ++i)
            SelectItem(i, op);
        return 0;
    }
    const Ref<TGadgetItem> item = ItemAt(items, index);
    int state = ItemState(index);
    if (op == 0)
        state &= ~ItemStateSelected;
    if (op == 1)
        state |= ItemStateSelected;
    if (op == 2)
        state ^= ItemStateSelected;
    if (item->icon > -1 && (item->flags & ItemFlagToggle)) {
        const int icon = state & ItemStateSelected ? item->icon + 1 : item->icon;
        // Re-sending the item must not swap its shown texts for their keys.
        const ShownItem shown = Shown(item->text, item->tip, item->flags);
        SetListItem(index, shown.text, shown.tip, icon, item->extra);
    }
    SetItemState(index, state);
    return 0;
}

std::vector<int> TGadget::SelectedItems() {
    std::vector<int> selected;
    for (int i = 0; i < ItemCount(); ++i)
        if (ListItemState(i) & ItemStateSelected)
            selected.push_back(i);
    return selected;
}

int TGadget::SelectedItem() {
    const std::vector<int> selected = SelectedItems();
    return selected.size() == 1 ? selected[0] : -1;
}

int TGadget::SelectionChanged() {
    const std::vector<int> previous = arrPrevSelection;
    arrPrevSelection = SelectedItems();
    const std::vector<int>& current = arrPrevSelection;
    const std::size_t shorter = std::min(previous.size(), current.size());
    for (std::size_t i = 0; i < shorter; ++i)
        if (previous[i] != current[i])
            return std::min(previous[i], current[i]);
    if (previous.size() > shorter)
        return previous[shorter];
    if (current.size() > shorter)
        return current[shorter];
    return -1;
}

} // namespace vandro

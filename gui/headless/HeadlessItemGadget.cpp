#include "HeadlessItemGadget.h"

#include "gui/GadgetConstants.h"

namespace vandro {

int THeadlessItemGadget::SetIconStrip(const Ref<TIconStrip>& strip) {
    _icons = strip;
    return 0;
}

int THeadlessItemGadget::ClearListItems() {
    _items.clear();
    ItemsChanged();
    return 0;
}

int THeadlessItemGadget::InsertListItem(int index, const String& text, const String& tip, int icon,
                                        const Object&) {
    if (index < 0 || index > ItemTotal())
        return 0;
    _items.insert(_items.begin() + index, NativeItem{text, tip, icon, 0});
    ItemsChanged();
    return 0;
}

int THeadlessItemGadget::SetListItem(int index, const String& text, const String& tip, int icon,
                                     const Object&) {
    if (!HasItem(index))
        return 0;
    NativeItem& item = _items[static_cast<std::size_t>(index)];
    item.text = text;
    item.tip = tip;
    item.icon = icon;
    ItemsChanged();
    return 0;
}

int THeadlessItemGadget::RemoveListItem(int index) {
    if (!HasItem(index))
        return 0;
    _items.erase(_items.begin() + index);
    ItemsChanged();
    return 0;
}

int THeadlessItemGadget::SetListItemState(int index, int state) {
    if (HasItem(index))
        _items[static_cast<std::size_t>(index)].state = state & KeptStates();
    return 0;
}

int THeadlessItemGadget::ListItemState(int index) {
    return HasItem(index) ? _items[static_cast<std::size_t>(index)].state : 0;
}

int THeadlessItemGadget::PostGuiEvent(int id, int data, int mods, int x, int y,
                                      const Object& extra) {
    if (data > -1 && data < ItemCount() && (ItemFlags(data) & ItemFlagToggle))
        SelectItem(data, 2);
    return THeadlessGadget::PostGuiEvent(id, data, mods, x, y, extra);
}

int THeadlessItemGadget::KeptStates() { return ItemStateSelected | ItemStateDisabled; }

void THeadlessItemGadget::ItemsChanged() {}

} // namespace vandro

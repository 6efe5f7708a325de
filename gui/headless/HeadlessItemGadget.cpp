#include "HeadlessItemGadget.h"

namespace vandro {

void THeadlessItemGadget::ItemsChanged() {}

void THeadlessItemGadget::ShowNativeItem(int index, bool added, const String& text,
                                         const String& tip, int icon) {
    if (added)
        _items.insert(_items.begin() + index, NativeItem{});
    NativeItem& item = Item(index);
    item.text = text;
    item.tip = tip;
    item.icon = icon;
    ItemsChanged();
}

void THeadlessItemGadget::RemoveNativeItem(int index) {
    _items.erase(_items.begin() + index);
    ItemsChanged();
}

void THeadlessItemGadget::ShowItemState(int index, int state) { Item(index).state = state; }

int THeadlessItemGadget::NativeItemState(int index) { return Item(index).state; }

} // namespace vandro

#include "HeadlessItemGadget.h"

namespace vandro {

void THeadlessItemGadget::ItemsChanged() {}

void THeadlessItemGadget::ShowNativeItem(const TShownItem& shown, bool added) {
    if (added)
        _items.insert(_items.begin() + shown.index, NativeItem{});
    NativeItem& item = Item(shown.index);
    item.text = shown.text;
    item.tip = shown.tip;
    item.icon = shown.icon;
    ItemsChanged();
}

void THeadlessItemGadget::RemoveNativeItem(int index) {
    if (index < 0)
        _items.clear();
    else
        _items.erase(_items.begin() + index);
    ItemsChanged();
}

void THeadlessItemGadget::ShowItemState(int index, int state) { Item(index).state = state; }

int THeadlessItemGadget::NativeItemState(int index) { return Item(index).state; }

void THeadlessItemGadget::ShowIconStrip() {}

} // namespace vandro

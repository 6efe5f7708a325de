// The native half of the headless list-like gadgets (list box, combo box, toolbar, tabber): it
// records the items as the core asked the control to show them.
#pragma once

#include "HeadlessGadget.h"

#include "gui/kinds/PlatformItemGadget.h"

#include <vector>

namespace vandro {

// One item as the control shows it: localized already where its flags asked for it.
struct NativeItem {
    String text;
    String tip;
    int icon = -1;
    int state = 0;
};

class THeadlessItemGadget : public TPlatformItemGadget<THeadlessGadget> {
  public:
    // After every change of the items.
    virtual void ItemsChanged();

    std::vector<NativeItem> _items;

  protected:
    // The TPlatformItemGadget hooks.
    void ShowNativeItem(int index, bool added, const String& text, const String& tip,
                        int icon) override;
    void RemoveNativeItem(int index) override;
    void ShowItemState(int index, int state) override;
    int NativeItemState(int index) override;

    NativeItem& Item(int index) { return _items[static_cast<std::size_t>(index)]; }
};

} // namespace vandro

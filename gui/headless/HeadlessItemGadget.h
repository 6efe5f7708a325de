// The base of the list-like gadgets (list box, combo box, toolbar, tabber): the items their
// "native" control shows, as the core tells it through the ...ListItem operations.
#pragma once

#include "HeadlessGadget.h"

#include "gui/IconStrip.h"

#include <vector>

namespace vandro {

// One item as the control shows it: localized already where its flags asked for it.
struct NativeItem {
    String text;
    String tip;
    int icon = -1;
    int state = 0;
};

class THeadlessItemGadget : public THeadlessGadget {
  public:
    // The TGadget slots it overrides, in slot order. Indexes outside the items change
    // nothing and read as 0 or "".
    int SetIconStrip(const Ref<TIconStrip>& strip) override;
    int ClearListItems() override;
    int InsertListItem(int index, const String& text, const String& tip, int icon,
                       const Object& extra) override;
    int SetListItem(int index, const String& text, const String& tip, int icon,
                    const Object& extra) override;
    int RemoveListItem(int index) override;
    int SetListItemState(int index, int state) override;
    int ListItemState(int index) override;

    // The THeadlessGadget slots it overrides.
    // A toggle item that the user activates flips its selection before the event.
    int PostGuiEvent(int id, int data, int mods, int x, int y, const Object& extra) override;

    // The item states this control keeps.
    virtual int KeptStates();
    // After every change of the items.
    virtual void ItemsChanged();

    bool HasItem(int index) const { return index >= 0 && index < ItemTotal(); }
    int ItemTotal() const { return static_cast<int>(_items.size()); }

    std::vector<NativeItem> _items;
    Ref<TIconStrip> _icons;
};

} // namespace vandro

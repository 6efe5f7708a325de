// What the page's gadgets with items (list boxes, combo boxes, tabbers) share: each item is an
// element of the gadget's element, with its icon cut from the gadget's strip and its text and
// tip; the kind hears of each change of its items.
//
// A mixin over the item gadget, as the kinds derive from their core template:
//     class TWebListBox : public TPlatformListBox<TWebItemGadget> { ... };
#pragma once

#include "WebGadget.h"

#include "gui/kinds/PlatformItemGadget.h"

namespace vandro {

class TWebItemGadget : public TPlatformItemGadget<TWebGadget> {
  protected:
    // The TPlatformItemGadget hooks.
    void ShowNativeItem(int index, bool added, const String& text, const String& tip,
                        int icon) override;
    void RemoveNativeItem(int index) override;
    void ClearNativeItems() override;

    // Its own: the items were added, removed or cleared.
    virtual void ItemsChanged() {}
};

} // namespace vandro

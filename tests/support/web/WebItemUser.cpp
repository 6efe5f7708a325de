// The user of the item gadgets: real clicks and keys on a list's options, a combo box's list and
// field and a tabber's tabs, and the items those show read back. Trees and toolbars are not on
// the page yet: no user can act on one.
#include "WebUserLists.h"

#include "gui/GadgetCreation.h"
#include "gui/web/WebGadget.h"
#include "gui/web/WebItemsDom.h"
#include "tests/support/PlatformUser.h"

#include <algorithm>

namespace vandro {

namespace {

// The handle of the gadget's element, 0 for none.
int ItemElement(const Ref<TGadget>& gadget) {
    const auto web = Cast<TWebGadget>(RealGadget(gadget));
    return web ? web->_hwnd : 0;
}

String ItemText(int handle, int index, int part) {
    char16_t buffer[512];
    const int length = vandro_user_item_text(handle, index, part, buffer, 512);
    return String(buffer, static_cast<std::size_t>(std::min(length, 512)));
}

class TWebItemUser : public TPlatformItemUser {
  public:
    int ChooseNode(const Ref<TGadget>&) override { return 0; }
    int ToggleNode(const Ref<TGadget>&) override { return 0; }
    int DoubleClickNode(const Ref<TGadget>&) override { return 0; }
    int RightClickNode(const Ref<TGadget>&) override { return 0; }
    std::vector<String> ShownNodes(const Ref<TGadget>&) override { return {}; }
    int ClickItem(const Ref<TGadget>& list, int index, int modifiers) override {
        return index < 0 ? 0
                         : vandro_wait_user_click_item(ItemElement(list), index, 0, 1, modifiers);
    }
    int DoubleClickItem(const Ref<TGadget>& list, int index) override {
        return index < 0 ? 0 : vandro_wait_user_click_item(ItemElement(list), index, 0, 2, 0);
    }
    int RightClickItem(const Ref<TGadget>& list, int index) override {
        return index < 0 ? 0 : vandro_wait_user_click_item(ItemElement(list), index, 2, 1, 0);
    }
    int ClickBelowItems(const Ref<TGadget>& list) override {
        return vandro_wait_user_click_item(ItemElement(list), -1, 0, 1, 0);
    }
    int ChooseComboItem(const Ref<TGadget>& combo, int index) override {
        return vandro_wait_user_choose_combo(ItemElement(combo), index);
    }
    int TypeIntoCombo(const Ref<TGadget>& combo, const String& letters) override {
        return vandro_wait_user_type_combo(ItemElement(combo), letters.data(),
                                           static_cast<int>(letters.size()));
    }
    int PressToolbarItem(const Ref<TGadget>&, int) override { return 0; }
    // Done once the tab is the current one.
    int ChooseTab(const Ref<TGadget>& tabber, int index) override {
        const int handle = ItemElement(tabber);
        return index >= 0 && vandro_wait_user_click_item(handle, index, 0, 1, 0) &&
                       vandro_items_selected(handle, index)
                   ? 1
                   : 0;
    }
    std::vector<String> ShownItems(const Ref<TGadget>& gadget) override {
        const int handle = ItemElement(gadget);
        std::vector<String> texts;
        for (int index = 0, count = vandro_user_item_count(handle); index < count; ++index)
            texts.push_back(ItemText(handle, index, 0));
        return texts;
    }
    int RightClickTab(const Ref<TGadget>& tabber, int index) override {
        return index < 0 ? 0 : vandro_wait_user_click_item(ItemElement(tabber), index, 2, 1, 0);
    }
    String ShownItemTip(const Ref<TGadget>& gadget, int index) override {
        return ItemText(ItemElement(gadget), index, 1);
    }
    int DoubleClickBelowItems(const Ref<TGadget>& list) override {
        return vandro_wait_user_click_item(ItemElement(list), -1, 0, 2, 0);
    }
    int PressKeyIn(const Ref<TGadget>& gadget, int key) override {
        return vandro_wait_user_key_in(ItemElement(gadget), key);
    }
    int DragNode(const Ref<TGadget>&, const Ref<TGadget>&) override { return 0; }
};

} // namespace

const Ref<TPlatformItemUser>& PlatformItemUser() {
    static const Ref<TPlatformItemUser> user = New<TWebItemUser>();
    return user;
}

} // namespace vandro

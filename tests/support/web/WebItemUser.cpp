// The user of the item gadgets: real clicks, keys and drags on a tree's nodes, a list's options,
// a combo box's list and field, a tabber's tabs and a toolbar's buttons, and what they show read
// back.
#include "WebUser.h"
#include "WebUserLists.h"
#include "WebUserTreeToolbar.h"

#include "events/EventIds.h"
#include "gui/GadgetCreation.h"
#include "gui/web/WebDom.h"
#include "gui/web/WebGadget.h"
#include "gui/web/WebItemsDom.h"
#include "gui/web/WebToolbar.h"
#include "gui/web/WebTreeView.h"
#include "tests/support/EventWatch.h"
#include "tests/support/PlatformUser.h"

#include <algorithm>
#include <functional>

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

// The mouse buttons and the parts of a tree item's row, as WebUserTreeToolbar.h numbers them.
constexpr int kLeftButton = 0;
constexpr int kRightButton = 2;
constexpr int kNodeText = 0;
constexpr int kNodeOpener = 1;
// vandro_user_node_state's bits.
constexpr int kNodeOpen = 2;
constexpr int kNodeChosen = 4;

// The handle of a tree node's item, 0 for none.
int ItemOf(const Ref<TGadget>& node) {
    const auto item = Cast<TWebTreeNode>(node);
    return item ? item->_handle : 0;
}

// What a page function writes into a buffer of the length it answers.
String ReadBack(const std::function<int(char16_t*, int)>& read) {
    String text(static_cast<std::size_t>(read(nullptr, 0)), u'\0');
    read(text.data(), static_cast<int>(text.size()));
    return text;
}

// Gives the input and answers 1 when the page took it and the gadget raised the event: the page
// hands input to the program before the input returns.
int Raises(int id, const Ref<TGadget>& gadget, const std::function<int()>& input) {
    const TEventWatch watch(id, FindOutermostGadget(gadget));
    return input() && watch.Seen() ? 1 : 0;
}

class TWebItemUser : public TPlatformItemUser {
  public:
    int ChooseNode(const Ref<TGadget>& node) override {
        const int item = ItemOf(node);
        if (!item || !vandro_wait_user_click_node(item, kNodeText, kLeftButton, 1))
            return 0;
        return vandro_user_node_state(item) & kNodeChosen ? 1 : 0;
    }
    int ToggleNode(const Ref<TGadget>& node) override {
        const int item = ItemOf(node);
        if (!item || node->kids->IsEmpty())
            return 0;
        const int before = vandro_user_node_state(item);
        if (!vandro_wait_user_click_node(item, kNodeOpener, kLeftButton, 1))
            return 0;
        return (vandro_user_node_state(item) ^ before) & kNodeOpen ? 1 : 0;
    }
    int DoubleClickNode(const Ref<TGadget>& node) override {
        const auto item = Cast<TWebTreeNode>(node);
        if (!item || !item->Tree())
            return 0;
        return Raises(GadgetAction, Ref<TGadget>(item->Tree()), [&] {
            return vandro_wait_user_click_node(item->_handle, kNodeText, kLeftButton, 2);
        });
    }
    int RightClickNode(const Ref<TGadget>& node) override {
        const auto item = Cast<TWebTreeNode>(node);
        if (!item || !item->Tree())
            return 0;
        return Raises(GadgetMenu, Ref<TGadget>(item->Tree()), [&] {
            return vandro_wait_user_click_node(item->_handle, kNodeText, kRightButton, 1);
        });
    }
    std::vector<String> ShownNodes(const Ref<TGadget>& tree) override {
        const int handle = ItemElement(tree);
        const String rows = ReadBack([handle](char16_t* buffer, int capacity) {
            return vandro_user_tree_rows(handle, buffer, capacity);
        });
        std::vector<String> shown;
        for (std::size_t at = 0, end = 0; (end = rows.find(u'\n', at)) != String::npos;
             at = end + 1)
            shown.push_back(rows.substr(at, end - at));
        return shown;
    }
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
    int PressToolbarItem(const Ref<TGadget>& toolbar, int index) override {
        const auto bar = Cast<TWebToolbar>(RealGadget(toolbar));
        if (!bar || !bar->HasShownItem(index))
            return 0;
        return Raises(GadgetAction, toolbar,
                      [&] { return vandro_wait_user_click_tool(bar->_hwnd, index); });
    }
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
    // A toolbar's button's tip, or the tip of an item of a list, combo box or tabber.
    String ShownItemTip(const Ref<TGadget>& gadget, int index) override {
        const auto bar = Cast<TWebToolbar>(RealGadget(gadget));
        if (!bar)
            return ItemText(ItemElement(gadget), index, 1);
        if (!bar->HasShownItem(index))
            return {};
        return ReadBack([&](char16_t* buffer, int capacity) {
            return vandro_user_tool_tip(bar->_hwnd, index, buffer, capacity);
        });
    }
    int DoubleClickBelowItems(const Ref<TGadget>& list) override {
        return vandro_wait_user_click_item(ItemElement(list), -1, 0, 2, 0);
    }
    int PressKeyIn(const Ref<TGadget>& gadget, int key) override {
        return vandro_wait_user_key_in(ItemElement(gadget), key);
    }
    int DragNode(const Ref<TGadget>& node, const Ref<TGadget>& target) override {
        const int item = ItemOf(node);
        const int onto = ItemElement(target);
        if (!item || !onto)
            return 0;
        return Raises(GadgetDrop, target, [&] { return vandro_wait_user_drag_node(item, onto); });
    }
};

} // namespace

const Ref<TPlatformItemUser>& PlatformItemUser() {
    static const Ref<TPlatformItemUser> user = New<TWebItemUser>();
    return user;
}

} // namespace vandro

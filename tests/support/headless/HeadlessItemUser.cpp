// The headless user of the item gadgets: the simulated user's clicks, and the rows the
// headless elements keep.
#include "gui/headless/HeadlessListBox.h"
#include "gui/headless/HeadlessTabber.h"
#include "gui/headless/HeadlessTreeView.h"
#include "gui/headless/HeadlessUser.h"

#include "gui/DriverFunctions.h"
#include "gui/GadgetCreation.h"

#include "tests/support/PlatformUser.h"

namespace vandro {

namespace {

THeadlessTreeView* TreeOf(const Ref<TGadget>& node) {
    const auto item = Cast<THeadlessTreeNode>(node);
    return item ? item->Tree() : nullptr;
}

void AddShownRows(const THeadlessTreeNode& node, const String& indent, std::vector<String>& rows) {
    for (const Object& kid : *node.kids) {
        const auto child = Cast<THeadlessTreeNode>(kid);
        rows.push_back(indent + child->name);
        if (child->_expanded)
            AddShownRows(*child, indent + u"  ", rows);
    }
}

class THeadlessItemUser : public TPlatformItemUser {
  public:
    int ChooseNode(const Ref<TGadget>& node) override { return UserSelectTreeNode(node); }

    int ToggleNode(const Ref<TGadget>& node) override {
        const auto item = Cast<THeadlessTreeNode>(node);
        if (!item)
            return 0;
        return item->_expanded ? UserCollapseTreeNode(node) : UserExpandTreeNode(node);
    }

    int DoubleClickNode(const Ref<TGadget>& node) override {
        THeadlessTreeView* tree = TreeOf(node);
        if (!tree || !UserSelectTreeNode(node))
            return 0;
        return tree->UserDoubleClick();
    }

    int RightClickNode(const Ref<TGadget>& node) override {
        THeadlessTreeView* tree = TreeOf(node);
        return tree ? tree->UserRightClickNode(Cast<THeadlessTreeNode>(node), tree->width / 2,
                                               tree->height / 2)
                    : 0;
    }

    std::vector<String> ShownNodes(const Ref<TGadget>& tree) override {
        std::vector<String> rows;
        const auto view = Cast<THeadlessTreeView>(RealGadget(tree));
        if (view && view->Alive() && view->_root)
            AddShownRows(*view->_root, {}, rows);
        return rows;
    }

    int ClickItem(const Ref<TGadget>& list, int index, int modifiers) override {
        return UserSelectItem(list, index, modifiers);
    }

    // The first click of the two chooses the item.
    int DoubleClickItem(const Ref<TGadget>& list, int index) override {
        return UserSelectItem(list, index) ? UserDoubleClickItem(list, index) : 0;
    }

    int RightClickItem(const Ref<TGadget>& list, int index) override {
        return UserRightClickItem(list, index);
    }

    int ClickBelowItems(const Ref<TGadget>& list) override { return UserClickEmpty(list); }

    int ChooseComboItem(const Ref<TGadget>& combo, int index) override {
        return UserSelectItem(combo, index);
    }

    int TypeIntoCombo(const Ref<TGadget>& combo, const String& letters) override {
        return UserTypeText(combo, letters) == static_cast<int>(letters.size()) ? 1 : 0;
    }

    int PressToolbarItem(const Ref<TGadget>& toolbar, int index) override {
        return UserSelectItem(toolbar, index);
    }

    int ChooseTab(const Ref<TGadget>& tabber, int index) override {
        return UserSelectItem(tabber, index);
    }

    std::vector<String> ShownItems(const Ref<TGadget>& list) override {
        if (const auto tabber = Cast<THeadlessTabber>(RealGadget(list)))
            return tabber->ShownTabs();
        std::vector<String> texts;
        if (const auto element = Cast<THeadlessItemGadget>(RealGadget(list)))
            for (const NativeItem& item : element->_items)
                texts.push_back(item.text);
        return texts;
    }

    int RightClickTab(const Ref<TGadget>& tabber, int index) override {
        const auto element = Cast<THeadlessTabber>(RealGadget(tabber));
        return element ? element->UserRightClickTab(index) : 0;
    }

    String ShownItemTip(const Ref<TGadget>& gadget, int index) override {
        const auto element = Cast<THeadlessItemGadget>(RealGadget(gadget));
        if (!element || !element->HasShownItem(index))
            return {};
        return element->_items[static_cast<std::size_t>(index)].tip;
    }

    // The first click of the two lets go of the selection.
    int DoubleClickBelowItems(const Ref<TGadget>& list) override {
        return UserClickEmpty(list) ? UserDoubleClickItem(list, -1) : 0;
    }

    int PressKeyIn(const Ref<TGadget>& gadget, int key) override {
        if (!gadget || RealGadget(FocusedGadget()) != RealGadget(gadget))
            return 0;
        return UserPressKey(key, 0);
    }

    int DragNode(const Ref<TGadget>& node, const Ref<TGadget>& target) override {
        THeadlessTreeView* tree = TreeOf(node);
        const Ref<TGadget> real = RealGadget(target);
        if (!tree || !real ||
            !tree->UserBeginDrag(Cast<THeadlessTreeNode>(node), 1, tree->width / 2, 8))
            return 0;
        return UserClick(target, 1, real->width / 2, real->height / 2);
    }
};

} // namespace

const Ref<TPlatformItemUser>& PlatformItemUser() {
    static const Ref<TPlatformItemUser> user = New<THeadlessItemUser>();
    return user;
}

} // namespace vandro

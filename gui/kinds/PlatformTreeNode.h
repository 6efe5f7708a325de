// What every platform's tree node does the same way: it refuses any parent but a node, puts a new
// node at its index among the children (0 first, a negative index or one past the children last),
// keeps its text, icon and expanded state, lets the tree forget a selection inside a branch that
// goes, and does nothing once it has no item (freed, or made under a node that has none). The
// tree view's root node stands for the tree itself and shows no item. The platform fills in the
// native half: one item inserted, removed, forgotten, shown, read, and activated.
//
// A template over the platform's node and tree view, which holds the selected node as
//     Ref<Node> _selected;
//     class TWindowsTreeNode : public TPlatformTreeNode<TWindowsTreeNode, TWindowsTreeView> { ...
//     };
#pragma once

#include "PlatformDriver.h"
#include "gui/Gadget.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetFunctions.h"

namespace vandro {

template <class Node, class View> class TPlatformTreeNode : public TGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    // Removes the item and those under it, and leaves the parent.
    int Free() override {
        const Ref<TGadget> self(this);
        if (View* tree = Tree()) {
            if (tree->_selected && HasDescendant(tree->_selected))
                tree->_selected = nullptr;
            if (_live && !_root)
                RemoveNativeItem(*tree);
        }
        ReleaseItems();
        _setparent(nullptr, -1);
        return 0;
    }
    // 7 selects the node, 8 expands and 9 collapses it, 13 redraws it; the root is only redrawn.
    int Activate(int command) override {
        View* tree = Tree();
        if (!tree || !_live || (_root && command != ActivateRedraw))
            return 0;
        switch (command) {
        case ActivateSelectNode: {
            const int answer = ActivateNativeItem(*tree, command);
            tree->_selected = Ref<Node>(static_cast<Node*>(this));
            return answer;
        }
        case ActivateExpand:
        case ActivateCollapse:
            ActivateNativeItem(*tree, command);
            _expanded = command == ActivateExpand && kids->Count() > 0 ? 1 : 0;
            // A closed branch cannot show the choice: its node becomes the choice, as the
            // controls make it.
            if (command == ActivateCollapse && HoldsChoiceBelow(*tree)) {
                ActivateNativeItem(*tree, ActivateSelectNode);
                tree->_selected = Ref<Node>(static_cast<Node*>(this));
            }
            return 0;
        case ActivateRedraw:
            ActivateNativeItem(*tree, command);
            return 0;
        default:
            return 0;
        }
    }
    int SetText(const String& text) override {
        name = text;
        if (View* tree = Tree(); tree && _live && !_root)
            ShowNativeItem(*tree);
        return 0;
    }
    // "" for the root and for a node without an item.
    String GetText() override {
        View* tree = Tree();
        return tree && _live && !_root ? NativeText(*tree) : String();
    }
    int Class() override { return ClassTreeNode; }
    // Null under a node without an item.
    Ref<TGadget> InsertNode(int index, const String& text, int icon) override {
        if (!Tree() || !_live)
            return {};
        return New<Node>()->Create(Ref<TGadget>(this), 0, text, index, icon);
    }
    // Icon -1 shows none.
    int ModifyNode(const String& text, int icon) override {
        _icon = icon;
        return SetText(text);
    }
    int CountKids() override { return kids->Count(); }

    // Its own operations.
    // Only under a node: anything else raises "Parent isn't a treeview node. Use
    // TreeViewRoot() when creating a root node.".
    virtual Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text, int index,
                                int icon) {
        const Ref<Node> above = Cast<Node>(group);
        if (!above)
            RefuseTreeNodeParent();
        this->style = style;
        name = text;
        _icon = icon;
        if (View* tree = above->Tree(); tree && above->_live) {
            const int count = above->kids->Count();
            _live = InsertNativeItem(*tree, *above, index < 0 || index > count ? count : index);
        }
        _setparent(group, index);
        return Ref<TGadget>(this);
    }
    // The root of a tree view: a child of the view, expanded.
    virtual Ref<TGadget> CreateRoot(const Ref<TGadget>& tree) {
        _root = true;
        _live = true;
        _expanded = 1;
        _setparent(tree, -1);
        return Ref<TGadget>(this);
    }

    // The tree view the node belongs to, or null once it is cut off from one.
    View* Tree() const {
        const TGadget* node = this;
        while (node->parent && dynamic_cast<const Node*>(node->parent))
            node = node->parent;
        return dynamic_cast<View*>(node->parent);
    }
    bool IsRoot() const { return _root; }
    // Whether the tree's choice is a node under this one.
    bool HoldsChoiceBelow(View& tree) {
        return tree._selected && tree._selected.get() != this && HasDescendant(tree._selected);
    }
    // True while the node has its item, or is the root of a tree.
    bool HasItem() const { return _live; }

    int _expanded = 0;
    int _icon = -1;

  protected:
    // The native half, called only while the node has its item in a tree; for the root only
    // ForgetNativeItem and the redraw.
    // Inserts the item (text name, icon _icon) under above's at position, 0 first and above's
    // child count last; answers whether it made one.
    virtual bool InsertNativeItem(View& tree, Node& above, int position) = 0;
    // Removes the item and those under it from the control, raising nothing; with no node of
    // the tree chosen any more, the control shows none chosen either.
    virtual void RemoveNativeItem(View& tree) = 0;
    // Lets go of what the node holds of its item, once for each node of a branch that goes,
    // the root's too.
    virtual void ForgetNativeItem() = 0;
    // Shows name and _icon.
    virtual void ShowNativeItem(View& tree) = 0;
    virtual String NativeText(View& tree) = 0;
    // 7 selects the item, bringing it into view (answered as the Activate slot's answer), 8
    // expands and 9 collapses it, 13 redraws it, the root's too: the whole tree.
    virtual int ActivateNativeItem(View& tree, int command) = 0;

  private:
    void ReleaseItems() {
        for (const Object& kid : kids->ToArray())
            if (auto node = Cast<Node>(kid))
                node->ReleaseItems();
        ForgetNativeItem();
        _live = false;
    }

    bool _root = false;
    bool _live = false;
};

} // namespace vandro

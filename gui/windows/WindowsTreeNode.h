// Gadget class 16: a node of a tree view. The tree view's root node stands for the native root,
// which has no item; every other node is a native item under its parent node, carrying a
// handle that leads back to the node.
#pragma once

#include "events/windows/Win32.h"

#include "gui/Gadget.h"

namespace vandro {

class TWindowsTreeView;

// The native root's item value, which no item has.
constexpr int kTreeRootItem = static_cast<int>(0xFFFF0000u);

class TWindowsTreeNode : public TGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    // Removes the item and those under it, and leaves the parent.
    int Free() override;
    // 7 selects the node, 8 expands and 9 collapses it, 13 redraws it.
    int Activate(int command) override;
    int SetText(const String& text) override;
    // "" for the root and for a freed node.
    String GetText() override;
    int Class() override;
    Ref<TGadget> InsertNode(int index, const String& text, int icon) override;
    // Icon -1 shows none.
    int ModifyNode(const String& text, int icon) override;
    int CountKids() override;

    // Its own operations.
    // Only under a node: anything else raises "Parent isn't a treeview node. Use
    // TreeViewRoot() when creating a root node.". Index 0 puts it first, a negative index or
    // one past the children last.
    virtual Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text, int index,
                                int icon);
    // The root of a tree view: bound to the native root, a child of the view.
    virtual Ref<TGadget> CreateRoot(const Ref<TGadget>& tree);
    // Forgets the tree's selection when it lies in this node's branch.
    virtual int DeSelect();
    // Where a new item at this index goes among the native children: first, last, or after
    // the item of the child before it.
    virtual HTREEITEM tviatindex(int index);
    // Redraws the node's item (the whole tree for the root).
    virtual int RedrawNode();

    // The node an item's handle leads to; null for a released or unknown handle.
    static Ref<TWindowsTreeNode> FromHandle(LPARAM handle);
    // Handles that still lead to a node, over the whole process.
    static long LiveHandles();

    TWindowsTreeView* Tree() const;
    bool IsRoot() const { return _item == HandleFrom<HTREEITEM>(kTreeRootItem); }

    // Not owned: the parent node holds this node through its kids.
    TWindowsTreeNode* _parent = nullptr;
    HWND _tree = nullptr;
    HTREEITEM _item = nullptr;
    int _expanded = 0;
    int _icon = -1;
    LPARAM _handle = 0;

  private:
    void SendItem(TVITEMW& item);
    // Lets go of the items and handles of this node and every node under it.
    void ReleaseHandles();
};

} // namespace vandro

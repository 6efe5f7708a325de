// A node of a tree view. The tree view's root node stands for the tree itself and shows no
// item; every other node is an item under its parent node.
#pragma once

#include "gui/Gadget.h"

namespace vandro {

class THeadlessTreeView;

// The native item of a tree's root, which has no item of its own.
constexpr int kTreeRootItem = static_cast<int>(0xFFFF0000u);

class THeadlessTreeNode : public TGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    // Removes the item and those under it, and leaves the parent.
    int Free() override;
    // 7 selects the node, 8 expands and 9 collapses it.
    int Activate(int command) override;
    int SetText(const String& text) override;
    String GetText() override;
    int Class() override;
    Ref<TGadget> InsertNode(int index, const String& text, int icon) override;
    int ModifyNode(const String& text, int icon) override;
    int CountKids() override;

    // Its own operations.
    // Only a node can hold a node; index 0 puts it first, a negative index or one past the
    // children last.
    virtual Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text, int index,
                                int icon);
    // The root of a tree view: a child of the view.
    virtual Ref<TGadget> CreateRoot(const Ref<TGadget>& tree);

    // The tree view the node belongs to, or null once it is cut off from one.
    THeadlessTreeView* Tree() const;
    bool IsRoot() const { return _item == kTreeRootItem; }

    int _item = 0;
    int _expanded = 0;
    int _icon = -1;

  private:
    void ReleaseItems();
};

} // namespace vandro

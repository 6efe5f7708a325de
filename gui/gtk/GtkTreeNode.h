// A node of a tree view. The tree view's root node stands for the tree itself and has no row;
// every other node is a row of the tree's store under its parent node's row.
#pragma once

#include "gui/Gadget.h"

#include <gtk/gtk.h>

namespace vandro {

class TGtkTreeView;

class TGtkTreeNode : public TGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    // Removes the row and those under it, and leaves the parent.
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
    // Only under a node. Index 0 puts it first, a negative index or one past the children last.
    virtual Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text, int index,
                                int icon);
    // The root of a tree view: a child of the view.
    virtual Ref<TGadget> CreateRoot(const Ref<TGadget>& tree);

    // The tree view the node belongs to, or null once it is cut off from one.
    TGtkTreeView* Tree() const;
    bool IsRoot() const { return _root; }
    // The node's row, for a node that has one.
    GtkTreeIter* Row() { return _hasRow ? &_row : nullptr; }
    // The row's path in the store; the caller frees it. Null without a row.
    GtkTreePath* Path();
    // Shows the icons of this node and those under it from the tree's strip.
    void ShowIcons();

    int _expanded = 0;
    int _icon = -1;

  private:
    void ShowIcon();
    // Forgets the rows of this node and every node under it.
    void ReleaseRows();

    bool _root = false;
    bool _hasRow = false;
    // GTK's tree store keeps a row's iterator valid as long as the row exists.
    GtkTreeIter _row{};
};

} // namespace vandro

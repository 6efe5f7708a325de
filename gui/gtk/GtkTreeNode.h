// A node of a tree view: a row of the tree's store under its parent node's row (the root node
// has none).
#pragma once

#include "gui/kinds/PlatformTreeNode.h"

#include <gtk/gtk.h>

namespace vandro {

class TGtkTreeView;

class TGtkTreeNode : public TPlatformTreeNode<TGtkTreeNode, TGtkTreeView> {
  public:
    // The node's row, for a node that has one.
    GtkTreeIter* Row() { return HasItem() && !IsRoot() ? &_row : nullptr; }
    // The row's path in the store; the caller frees it. Null without a row.
    GtkTreePath* Path();
    // Shows the icons of this node and those under it from the tree's strip.
    void ShowIcons();

  protected:
    // The TPlatformTreeNode slots it overrides. Row changes raise no events.
    bool InsertNativeItem(TGtkTreeView& tree, TGtkTreeNode& above, int position) override;
    void RemoveNativeItem(TGtkTreeView& tree) override;
    void ForgetNativeItem() override {}
    void ShowNativeItem(TGtkTreeView& tree) override;
    String NativeText(TGtkTreeView& tree) override;
    // Selecting opens the nodes above it too.
    int ActivateNativeItem(TGtkTreeView& tree, int command) override;

  private:
    // GTK's tree store keeps a row's iterator valid as long as the row exists.
    GtkTreeIter _row{};
};

} // namespace vandro

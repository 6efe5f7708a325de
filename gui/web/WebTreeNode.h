// A node of a tree view: a tree item in the item of its parent node (the root node has none).
#pragma once

#include "gui/kinds/PlatformTreeNode.h"

namespace vandro {

class TWebTreeView;

class TWebTreeNode : public TPlatformTreeNode<TWebTreeNode, TWebTreeView> {
  public:
    // The handle of the node's item; 0 for the root and a node without one.
    int _handle = 0;

  protected:
    // The TPlatformTreeNode slots it overrides. The item's changes raise no events.
    bool InsertNativeItem(TWebTreeView& tree, TWebTreeNode& above, int position) override;
    void RemoveNativeItem(TWebTreeView& tree) override;
    void ForgetNativeItem() override;
    void ShowNativeItem(TWebTreeView& tree) override;
    String NativeText(TWebTreeView& tree) override;
    // Choosing opens the nodes above it too.
    int ActivateNativeItem(TWebTreeView& tree, int command) override;
};

} // namespace vandro

// Gadget class 16: a node of a tree view. The root node stands for the native root; every other
// node is a native item under its parent node's, carrying a handle that leads back to the node.
#pragma once

#include "events/windows/Win32.h"

#include "gui/kinds/PlatformTreeNode.h"

namespace vandro {

class TWindowsTreeView;

class TWindowsTreeNode : public TPlatformTreeNode<TWindowsTreeNode, TWindowsTreeView> {
  public:
    // The root of a tree view: bound to the native root.
    Ref<TGadget> CreateRoot(const Ref<TGadget>& tree) override;

    // The node an item's handle leads to; null for a released or unknown handle.
    static Ref<TWindowsTreeNode> FromHandle(LPARAM handle);
    // Handles that still lead to a node, over the whole process.
    static long LiveHandles();

    HTREEITEM _item = nullptr;
    LPARAM _handle = 0;

  protected:
    // The TPlatformTreeNode slots it overrides. Item changes raise no events.
    bool InsertNativeItem(TWindowsTreeView& tree, TWindowsTreeNode& above, int position) override;
    void RemoveNativeItem(TWindowsTreeView& tree) override;
    void ForgetNativeItem() override;
    void ShowNativeItem(TWindowsTreeView& tree) override;
    String NativeText(TWindowsTreeView& tree) override;
    int ActivateNativeItem(TWindowsTreeView& tree, int command) override;

  private:
    // Redraws the item, or the whole tree for the root.
    void Redraw(HWND tree);
};

} // namespace vandro

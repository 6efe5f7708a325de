// A node of a tree view, kept in memory: its item is a handle number.
#pragma once

#include "gui/kinds/PlatformTreeNode.h"

namespace vandro {

class THeadlessTreeView;

class THeadlessTreeNode : public TPlatformTreeNode<THeadlessTreeNode, THeadlessTreeView> {
  public:
    int _item = 0;

  protected:
    // The TPlatformTreeNode slots it overrides.
    bool InsertNativeItem(THeadlessTreeView& tree, THeadlessTreeNode& above, int position) override;
    void RemoveNativeItem(THeadlessTreeView&) override {}
    void ForgetNativeItem() override { _item = 0; }
    void ShowNativeItem(THeadlessTreeView&) override {}
    String NativeText(THeadlessTreeView&) override { return name; }
    // Selects the node as the view does, without an event (the program's own choice), and
    // redraws the view.
    int ActivateNativeItem(THeadlessTreeView& tree, int command) override;
};

} // namespace vandro

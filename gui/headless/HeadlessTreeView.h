// A tree view. The user's choice of a node raises "GadgetSelect", expanding and collapsing one
// "GadgetOpen" and "GadgetClose" (collapsing the branch of the choice chooses its node first), a
// double click or Enter "GadgetAction" with the selected node and a right click "GadgetMenu", each
// with the node as the event's extra. With style bit 1 nodes can be dragged: "GadgetDrag" when a
// drag starts, "GadgetDrop" where it ends.
#pragma once

#include "HeadlessGadget.h"
#include "HeadlessTreeNode.h"

#include "gui/kinds/PlatformTreeView.h"

namespace vandro {

class THeadlessTreeView : public TPlatformTreeView<THeadlessGadget, THeadlessTreeNode> {
  public:
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int BorderWidth() override;
    int ReleaseNative() override;

    // Makes the node the selected one; with report set, raises "GadgetSelect" when it was not.
    int SelectNode(const Ref<THeadlessTreeNode>& node, bool report);

    int UserSelectNode(const Ref<THeadlessTreeNode>& node);
    int UserExpandNode(const Ref<THeadlessTreeNode>& node);
    int UserCollapseNode(const Ref<THeadlessTreeNode>& node);
    int UserDoubleClick();
    // A key pressed while the tree has the focus: Enter raises "GadgetAction".
    int UserKey(int key);
    int UserRightClickNode(const Ref<THeadlessTreeNode>& node, int x, int y);
    // Button 1 or 2 starts dragging the node from (x, y).
    int UserBeginDrag(const Ref<THeadlessTreeNode>& node, int button, int x, int y);

  private:
    // A node of this tree with an item.
    bool Belongs(const Ref<THeadlessTreeNode>& node);
    // ... and every node above it expanded.
    bool Shows(const Ref<THeadlessTreeNode>& node);
};

} // namespace vandro

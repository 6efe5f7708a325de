#include "HeadlessTreeNode.h"

#include "HeadlessGUIDriver.h"
#include "HeadlessTreeView.h"

namespace vandro {

bool THeadlessTreeNode::InsertNativeItem(THeadlessTreeView&, THeadlessTreeNode&, int) {
    _item = NewNativeHandle();
    return true;
}

int THeadlessTreeNode::SelectNativeItem(THeadlessTreeView& tree) {
    return tree.SelectNode(Ref<THeadlessTreeNode>(this));
}

void THeadlessTreeNode::RedrawNativeItem(THeadlessTreeView& tree) { tree.Activate(ActivateRedraw); }

} // namespace vandro

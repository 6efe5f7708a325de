#include "HeadlessTreeNode.h"

#include "HeadlessGUIDriver.h"
#include "HeadlessTreeView.h"

namespace vandro {

bool THeadlessTreeNode::InsertNativeItem(THeadlessTreeView&, THeadlessTreeNode&, int) {
    _item = NewNativeHandle();
    return true;
}

int THeadlessTreeNode::ActivateNativeItem(THeadlessTreeView& tree, int command) {
    if (command == ActivateSelectNode)
        return tree.SelectNode(Ref<THeadlessTreeNode>(this), false);
    if (command == ActivateRedraw)
        tree.Activate(ActivateRedraw);
    return 0;
}

} // namespace vandro

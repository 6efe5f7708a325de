#include "WebTreeNode.h"

#include "WebGUIDriver.h"
#include "WebTreeView.h"
#include "WebTreeViewDom.h"

namespace vandro {

bool TWebTreeNode::InsertNativeItem(TWebTreeView& tree, TWebTreeNode& above, int position) {
    _handle = NewElementHandle();
    tree._nodes[_handle] = this;
    vandro_dom_tree_insert(_handle, above.IsRoot() ? tree._hwnd : above._handle, position,
                           name.data(), static_cast<int>(name.size()), _icon);
    return true;
}

void TWebTreeNode::RemoveNativeItem(TWebTreeView&) { vandro_dom_tree_remove(_handle); }

void TWebTreeNode::ForgetNativeItem() {
    if (!_handle)
        return;
    if (TWebTreeView* tree = Tree())
        tree->_nodes.erase(_handle);
    vandro_dom_tree_forget(_handle);
    _handle = 0;
}

void TWebTreeNode::ShowNativeItem(TWebTreeView&) {
    vandro_dom_tree_show(_handle, name.data(), static_cast<int>(name.size()), _icon);
}

String TWebTreeNode::NativeText(TWebTreeView&) {
    String text(static_cast<std::size_t>(vandro_dom_tree_text(_handle, nullptr, 0)), u'\0');
    vandro_dom_tree_text(_handle, text.data(), static_cast<int>(text.size()));
    return text;
}

int TWebTreeNode::ActivateNativeItem(TWebTreeView& tree, int command) {
    switch (command) {
    case ActivateExpand:
    case ActivateCollapse:
        vandro_dom_tree_open(_handle, command == ActivateExpand);
        return 0;
    case ActivateSelectNode:
        for (auto* above = dynamic_cast<TWebTreeNode*>(parent); above && !above->IsRoot();
             above = dynamic_cast<TWebTreeNode*>(above->parent)) {
            above->_expanded = 1;
            vandro_dom_tree_open(above->_handle, 1);
        }
        vandro_dom_tree_choose(tree._hwnd, _handle);
        return 0;
    default:
        // The page draws the tree again by itself.
        return 0;
    }
}

} // namespace vandro

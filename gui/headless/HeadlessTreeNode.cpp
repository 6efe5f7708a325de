#include "HeadlessTreeNode.h"

#include "HeadlessGUIDriver.h"
#include "HeadlessTreeView.h"

#include "gui/GadgetConstants.h"
#include "gui/GadgetFunctions.h"
#include "gui/PlatformDriver.h"

namespace vandro {

int THeadlessTreeNode::Free() {
    if (THeadlessTreeView* tree = Tree(); tree && tree->_selected && HasDescendant(tree->_selected))
        tree->_selected = nullptr;
    ReleaseItems();
    _setparent(nullptr, -1);
    return 0;
}

int THeadlessTreeNode::Activate(int command) {
    THeadlessTreeView* tree = Tree();
    if (!tree || !_item)
        return 0;
    switch (command) {
    case ActivateSelectNode:
        return tree->SelectNode(Ref<THeadlessTreeNode>(this));
    case ActivateExpand:
        _expanded = kids->IsEmpty() ? 0 : 1;
        return 0;
    case ActivateCollapse:
        _expanded = 0;
        return 0;
    case ActivateRedraw:
        return tree->Activate(ActivateRedraw);
    default:
        return 0;
    }
}

int THeadlessTreeNode::SetText(const String& text) {
    name = text;
    return 0;
}

String THeadlessTreeNode::GetText() { return _item ? name : String(); }

int THeadlessTreeNode::Class() { return ClassTreeNode; }

Ref<TGadget> THeadlessTreeNode::InsertNode(int index, const String& text, int icon) {
    return New<THeadlessTreeNode>()->Create(Ref<TGadget>(this), 0, text, index, icon);
}

int THeadlessTreeNode::ModifyNode(const String& text, int icon) {
    name = text;
    _icon = icon;
    return 0;
}

int THeadlessTreeNode::CountKids() { return kids->Count(); }

Ref<TGadget> THeadlessTreeNode::Create(const Ref<TGadget>& group, int style, const String& text,
                                       int index, int icon) {
    if (!Cast<THeadlessTreeNode>(group))
        RefuseTreeNodeParent();
    this->style = style;
    name = text;
    _icon = icon;
    _item = NewNativeHandle();
    _setparent(group, index);
    return Ref<TGadget>(this);
}

Ref<TGadget> THeadlessTreeNode::CreateRoot(const Ref<TGadget>& tree) {
    _item = kTreeRootItem;
    _expanded = 1;
    _setparent(tree, -1);
    return Ref<TGadget>(this);
}

THeadlessTreeView* THeadlessTreeNode::Tree() const {
    const TGadget* node = this;
    while (node->parent && dynamic_cast<THeadlessTreeNode*>(node->parent))
        node = node->parent;
    return dynamic_cast<THeadlessTreeView*>(node->parent);
}

void THeadlessTreeNode::ReleaseItems() {
    for (const Object& kid : *kids)
        if (auto node = Cast<THeadlessTreeNode>(kid))
            node->ReleaseItems();
    _item = 0;
}

} // namespace vandro

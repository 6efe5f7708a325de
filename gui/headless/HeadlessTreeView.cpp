#include "HeadlessTreeView.h"

#include "gui/GadgetConstants.h"
#include "gui/GadgetCore.h"

namespace vandro {

Ref<TGadget> THeadlessTreeView::Create(const Ref<TGadget>&, int style, const String&) {
    this->style = style;
    Register(ClassTreeView, 0);
    MakeRoot();
    return Ref<TGadget>(this);
}

int THeadlessTreeView::BorderWidth() { return kClientEdge; }

int THeadlessTreeView::ReleaseNative() {
    _selected = nullptr;
    return THeadlessGadget::ReleaseNative();
}

int THeadlessTreeView::SelectNode(const Ref<THeadlessTreeNode>& node, bool report) {
    if (!Belongs(node) || node == _selected)
        return 0;
    // Selecting a node brings it into view.
    for (auto* above = dynamic_cast<THeadlessTreeNode*>(node->parent); above;
         above = dynamic_cast<THeadlessTreeNode*>(above->parent))
        above->_expanded = 1;
    _selected = node;
    if (report)
        PostGuiEvent(GadgetSelect, 0, 0, 0, 0, node);
    return 1;
}

int THeadlessTreeView::UserSelectNode(const Ref<THeadlessTreeNode>& node) {
    if (!Reachable() || !Shows(node))
        return 0;
    SelectNode(node, true);
    return 1;
}

int THeadlessTreeView::UserExpandNode(const Ref<THeadlessTreeNode>& node) {
    if (!Reachable() || !Shows(node) || node->kids->IsEmpty() || node->_expanded)
        return 0;
    node->_expanded = 1;
    PostGuiEvent(GadgetOpen, 0, 0, 0, 0, node);
    return 1;
}

int THeadlessTreeView::UserCollapseNode(const Ref<THeadlessTreeNode>& node) {
    if (!Reachable() || !Shows(node) || !node->_expanded)
        return 0;
    if (node->HoldsChoiceBelow(*this))
        SelectNode(node, true);
    node->_expanded = 0;
    PostGuiEvent(GadgetClose, 0, 0, 0, 0, node);
    return 1;
}

int THeadlessTreeView::UserDoubleClick() {
    if (!Reachable() || !_selected)
        return 0;
    PostGuiEvent(GadgetAction, 0, 0, 0, 0, _selected);
    return 1;
}

int THeadlessTreeView::UserKey(int key) {
    if (!Reachable() || key != 13)
        return 0;
    PostGuiEvent(GadgetAction, 0, 0, 0, 0, _selected);
    return 1;
}

int THeadlessTreeView::UserRightClickNode(const Ref<THeadlessTreeNode>& node, int x, int y) {
    if (!Reachable())
        return 0;
    PostGuiEvent(GadgetMenu, 0, 0, x, y, Shows(node) ? Object(node) : Object());
    return 1;
}

int THeadlessTreeView::UserBeginDrag(const Ref<THeadlessTreeNode>& node, int button, int x, int y) {
    if (!Reachable() || !(style & TreeViewDragAndDrop) || !Shows(node))
        return 0;
    if (button != 1 && button != 2)
        return 0;
    SetDragSource(button, node);
    PostGuiEvent(GadgetDrag, button, 0, x, y, node);
    return 1;
}

bool THeadlessTreeView::Belongs(const Ref<THeadlessTreeNode>& node) {
    return node && node->HasItem() && !node->IsRoot() && node->Tree() == this;
}

bool THeadlessTreeView::Shows(const Ref<THeadlessTreeNode>& node) {
    if (!Belongs(node))
        return false;
    for (auto* above = dynamic_cast<THeadlessTreeNode*>(node->parent); above && !above->IsRoot();
         above = dynamic_cast<THeadlessTreeNode*>(above->parent))
        if (!above->_expanded)
            return false;
    return true;
}

} // namespace vandro

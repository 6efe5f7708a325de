#include "GtkTreeNode.h"

#include "GtkTreeView.h"

#include "gui/GadgetFunctions.h"
#include "gui/PlatformDriver.h"
#include "runtime/Text.h"

namespace vandro {

TGtkTreeView* TGtkTreeNode::Tree() const {
    const TGadget* node = this;
    while (node->parent && dynamic_cast<TGtkTreeNode*>(node->parent))
        node = node->parent;
    return dynamic_cast<TGtkTreeView*>(node->parent);
}

GtkTreePath* TGtkTreeNode::Path() {
    TGtkTreeView* tree = Tree();
    return tree && _hasRow ? gtk_tree_model_get_path(GTK_TREE_MODEL(tree->_store), &_row) : nullptr;
}

Ref<TGadget> TGtkTreeNode::Create(const Ref<TGadget>& group, int style, const String& text,
                                  int index, int icon) {
    const auto above = Cast<TGtkTreeNode>(group);
    if (!above)
        RefuseTreeNodeParent();
    this->style = style;
    name = text;
    _icon = icon;
    TGtkTreeView* tree = above->Tree();
    if (tree && (above->_hasRow || above->_root)) {
        const int count = above->kids->Count();
        const int position = index < 0 || index > count ? -1 : index;
        tree->Quietly([&] {
            gtk_tree_store_insert_with_values(tree->_store, &_row, above->Row(), position,
                                              TGtkTreeView::ColumnText, ToUtf8(text).c_str(),
                                              TGtkTreeView::ColumnNode, this,
                                              TGtkTreeView::ColumnIcon, tree->Icon(icon), -1);
        });
        _hasRow = true;
    }
    _setparent(group, index);
    return Ref<TGadget>(this);
}

Ref<TGadget> TGtkTreeNode::CreateRoot(const Ref<TGadget>& tree) {
    _root = true;
    _expanded = 1;
    _setparent(tree, -1);
    return Ref<TGadget>(this);
}

void TGtkTreeNode::ShowIcon() {
    if (TGtkTreeView* tree = Tree(); tree && _hasRow)
        gtk_tree_store_set(tree->_store, &_row, TGtkTreeView::ColumnIcon, tree->Icon(_icon), -1);
}

void TGtkTreeNode::ShowIcons() {
    ShowIcon();
    for (const Object& kid : *kids)
        if (auto node = Cast<TGtkTreeNode>(kid))
            node->ShowIcons();
}

void TGtkTreeNode::ReleaseRows() {
    for (const Object& kid : *kids)
        if (auto node = Cast<TGtkTreeNode>(kid))
            node->ReleaseRows();
    _hasRow = false;
}

int TGtkTreeNode::Free() {
    const Ref<TGtkTreeNode> self(this);
    if (TGtkTreeView* tree = Tree()) {
        if (tree->_selected && HasDescendant(tree->_selected))
            tree->_selected = nullptr;
        if (_hasRow)
            tree->Quietly([&] { gtk_tree_store_remove(tree->_store, &_row); });
    }
    ReleaseRows();
    _setparent(nullptr, -1);
    return 0;
}

int TGtkTreeNode::Activate(int command) {
    TGtkTreeView* tree = Tree();
    GtkTreePath* path = Path();
    if (!tree || !path)
        return 0;
    GtkTreeView* view = GTK_TREE_VIEW(tree->_view);
    switch (command) {
    case ActivateSelectNode:
        // Selecting a node brings it into view, opening the nodes above it.
        tree->Quietly([&] {
            if (gtk_tree_path_get_depth(path) > 1) {
                GtkTreePath* above = gtk_tree_path_copy(path);
                gtk_tree_path_up(above);
                gtk_tree_view_expand_to_path(view, above);
                gtk_tree_path_free(above);
            }
            gtk_tree_view_set_cursor(view, path, nullptr, FALSE);
        });
        tree->_selected = Ref<TGtkTreeNode>(this);
        break;
    case ActivateExpand:
    case ActivateCollapse:
        tree->Quietly([&] {
            if (command == ActivateExpand)
                gtk_tree_view_expand_row(view, path, FALSE);
            else
                gtk_tree_view_collapse_row(view, path);
        });
        _expanded = command == ActivateExpand && kids->Count() > 0 ? 1 : 0;
        break;
    case ActivateRedraw:
        gtk_widget_queue_draw(tree->_view);
        break;
    default:
        break;
    }
    gtk_tree_path_free(path);
    return 0;
}

int TGtkTreeNode::SetText(const String& text) {
    name = text;
    if (TGtkTreeView* tree = Tree(); tree && _hasRow)
        gtk_tree_store_set(tree->_store, &_row, TGtkTreeView::ColumnText, ToUtf8(text).c_str(), -1);
    return 0;
}

String TGtkTreeNode::GetText() {
    TGtkTreeView* tree = Tree();
    if (!tree || !_hasRow)
        return {};
    gchar* shown = nullptr;
    gtk_tree_model_get(GTK_TREE_MODEL(tree->_store), &_row, TGtkTreeView::ColumnText, &shown, -1);
    const String text = FromUtf8(shown ? shown : "");
    g_free(shown);
    return text;
}

int TGtkTreeNode::Class() { return ClassTreeNode; }

Ref<TGadget> TGtkTreeNode::InsertNode(int index, const String& text, int icon) {
    if (!Tree() || (!_hasRow && !_root))
        return {};
    return New<TGtkTreeNode>()->Create(Ref<TGadget>(this), 0, text, index, icon);
}

int TGtkTreeNode::ModifyNode(const String& text, int icon) {
    _icon = icon;
    SetText(text);
    ShowIcon();
    return 0;
}

int TGtkTreeNode::CountKids() { return kids->Count(); }

} // namespace vandro

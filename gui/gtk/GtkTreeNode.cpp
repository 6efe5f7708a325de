#include "GtkTreeNode.h"

#include "GtkTreeView.h"

#include "runtime/Text.h"

namespace vandro {

GtkTreePath* TGtkTreeNode::Path() {
    TGtkTreeView* tree = Tree();
    return tree && Row() ? gtk_tree_model_get_path(GTK_TREE_MODEL(tree->_store), &_row) : nullptr;
}

void TGtkTreeNode::ShowIcons() {
    if (TGtkTreeView* tree = Tree(); tree && Row())
        gtk_tree_store_set(tree->_store, &_row, TGtkTreeView::ColumnIcon, tree->Icon(_icon), -1);
    for (const Object& kid : *kids)
        if (auto node = Cast<TGtkTreeNode>(kid))
            node->ShowIcons();
}

bool TGtkTreeNode::InsertNativeItem(TGtkTreeView& tree, TGtkTreeNode& above, int position) {
    tree.Quietly([&] {
        gtk_tree_store_insert_with_values(tree._store, &_row, above.Row(), position,
                                          TGtkTreeView::ColumnText, ToUtf8(name).c_str(),
                                          TGtkTreeView::ColumnNode, this, TGtkTreeView::ColumnIcon,
                                          tree.Icon(_icon), -1);
    });
    return true;
}

void TGtkTreeNode::RemoveNativeItem(TGtkTreeView& tree) {
    // The view chooses a neighbour of a chosen row that goes; the program chose none.
    tree.Quietly([&] {
        gtk_tree_store_remove(tree._store, &_row);
        if (!tree._selected)
            gtk_tree_selection_unselect_all(gtk_tree_view_get_selection(GTK_TREE_VIEW(tree._view)));
    });
}

void TGtkTreeNode::ShowNativeItem(TGtkTreeView& tree) {
    gtk_tree_store_set(tree._store, &_row, TGtkTreeView::ColumnText, ToUtf8(name).c_str(),
                       TGtkTreeView::ColumnIcon, tree.Icon(_icon), -1);
}

String TGtkTreeNode::NativeText(TGtkTreeView& tree) {
    gchar* shown = nullptr;
    gtk_tree_model_get(GTK_TREE_MODEL(tree._store), &_row, TGtkTreeView::ColumnText, &shown, -1);
    const String text = FromUtf8(shown ? shown : "");
    g_free(shown);
    return text;
}

int TGtkTreeNode::ActivateNativeItem(TGtkTreeView& tree, int command) {
    if (command == ActivateRedraw) {
        gtk_widget_queue_draw(tree._view);
        return 0;
    }
    GtkTreePath* path = Path();
    GtkTreeView* view = GTK_TREE_VIEW(tree._view);
    tree.Quietly([&] {
        if (command == ActivateExpand) {
            gtk_tree_view_expand_row(view, path, FALSE);
        } else if (command == ActivateCollapse) {
            gtk_tree_view_collapse_row(view, path);
        } else {
            if (gtk_tree_path_get_depth(path) > 1) {
                GtkTreePath* above = gtk_tree_path_copy(path);
                gtk_tree_path_up(above);
                gtk_tree_view_expand_to_path(view, above);
                gtk_tree_path_free(above);
            }
            gtk_tree_view_set_cursor(view, path, nullptr, FALSE);
        }
    });
    gtk_tree_path_free(path);
    return 0;
}

} // namespace vandro

#include "GtkRowView.h"

namespace vandro {

GtkWidget* NewRowView(GtkTreeModel* model, int iconColumn, int textColumn, GtkWidget*& view) {
    view = gtk_tree_view_new_with_model(model);
    GtkTreeView* rows = GTK_TREE_VIEW(view);
    gtk_tree_view_set_headers_visible(rows, FALSE);
    gtk_tree_view_set_enable_search(rows, FALSE);
    GtkTreeViewColumn* column = gtk_tree_view_column_new();
    GtkCellRenderer* icon = gtk_cell_renderer_pixbuf_new();
    GtkCellRenderer* text = gtk_cell_renderer_text_new();
    gtk_tree_view_column_pack_start(column, icon, FALSE);
    gtk_tree_view_column_pack_start(column, text, TRUE);
    gtk_tree_view_column_add_attribute(column, icon, "pixbuf", iconColumn);
    gtk_tree_view_column_add_attribute(column, text, "text", textColumn);
    gtk_tree_view_append_column(rows, column);
    GtkWidget* frame = gtk_scrolled_window_new(nullptr, nullptr);
    gtk_scrolled_window_set_shadow_type(GTK_SCROLLED_WINDOW(frame), GTK_SHADOW_IN);
    gtk_scrolled_window_set_policy(GTK_SCROLLED_WINDOW(frame), GTK_POLICY_AUTOMATIC,
                                   GTK_POLICY_AUTOMATIC);
    gtk_container_add(GTK_CONTAINER(frame), view);
    gtk_widget_show(view);
    return frame;
}

GtkTreePath* RowPathAt(GtkWidget* view, int x, int y) {
    GtkTreePath* path = nullptr;
    gtk_tree_view_get_path_at_pos(GTK_TREE_VIEW(view), x, y, &path, nullptr, nullptr, nullptr);
    return path;
}

namespace {

// Set while a view that had no selection takes the focus.
constexpr char kFocusWithoutChoice[] = "vandro-focus-without-choice";

void BeforeFocus(GtkWidget* view, gpointer data) {
    GtkTreeSelection* selection = gtk_tree_view_get_selection(GTK_TREE_VIEW(view));
    if (gtk_tree_selection_count_selected_rows(selection) > 0)
        return;
    g_object_set_data(G_OBJECT(view), kFocusWithoutChoice, view);
    g_signal_handlers_block_matched(selection, G_SIGNAL_MATCH_DATA, 0, 0, nullptr, nullptr, data);
}

void AfterFocus(GtkWidget* view, gpointer data) {
    if (!g_object_get_data(G_OBJECT(view), kFocusWithoutChoice))
        return;
    g_object_set_data(G_OBJECT(view), kFocusWithoutChoice, nullptr);
    GtkTreeSelection* selection = gtk_tree_view_get_selection(GTK_TREE_VIEW(view));
    gtk_tree_selection_unselect_all(selection);
    g_signal_handlers_unblock_matched(selection, G_SIGNAL_MATCH_DATA, 0, 0, nullptr, nullptr, data);
}

} // namespace

void KeepNoChoiceOnFocus(GtkWidget* view, gpointer data) {
    g_signal_connect(view, "grab-focus", G_CALLBACK(BeforeFocus), data);
    g_signal_connect_after(view, "grab-focus", G_CALLBACK(AfterFocus), data);
}

} // namespace vandro

#include "GtkListBox.h"

#include "events/System.h"
#include "runtime/Text.h"

#include <vector>

namespace vandro {

namespace {

TGtkListBox* ListOf(gpointer data) { return static_cast<TGtkListBox*>(data); }

gboolean SettleNow(gpointer data) {
    ListOf(data)->_settling = 0;
    Shielded([&] { ListOf(data)->SettleSelection(true); });
    return G_SOURCE_REMOVE;
}

void OnListSelection(GtkTreeSelection*, gpointer data) { ListOf(data)->SelectionMoved(); }

gboolean OnListButtonPress(GtkWidget*, GdkEventButton* event, gpointer data) {
    // The selection a click changed is worked out before the next click is handled.
    Shielded([&] { ListOf(data)->SettlePending(); });
    const int x = static_cast<int>(event->x), y = static_cast<int>(event->y);
    const int button = static_cast<int>(event->button);
    if (event->type == GDK_2BUTTON_PRESS && button == GDK_BUTTON_PRIMARY) {
        Shielded([&] { ListOf(data)->DoubleClickedAt(x, y); });
        return FALSE;
    }
    if (event->type != GDK_BUTTON_PRESS)
        return FALSE;
    return Shielded([&] { return ListOf(data)->PressedAt(button, x, y); }, false) ? TRUE : FALSE;
}

int IndexOf(GtkTreePath* path) { return path ? gtk_tree_path_get_indices(path)[0] : -1; }

} // namespace

Ref<TGadget> TGtkListBox::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    NewStore();
    MakeRowView(group, ClassListBox, GTK_TREE_MODEL(_store), ColumnIcon, ColumnText);
    gtk_tree_view_set_tooltip_column(GTK_TREE_VIEW(_view), ColumnTip);
    GtkTreeSelection* selection = gtk_tree_view_get_selection(GTK_TREE_VIEW(_view));
    gtk_tree_selection_set_mode(selection, (style & ListBoxMultipleSelection)
                                               ? GTK_SELECTION_MULTIPLE
                                               : GTK_SELECTION_SINGLE);
    g_signal_connect(selection, "changed", G_CALLBACK(OnListSelection), this);
    g_signal_connect(_view, "button-press-event", G_CALLBACK(OnListButtonPress), this);
    return Ref<TGadget>(this);
}

int TGtkListBox::FreeElement() {
    if (_settling)
        g_source_remove(_settling);
    _settling = 0;
    return TGtkStoreItems::FreeElement();
}

void TGtkListBox::ShowItemState(int index, int state) {
    GtkTreePath* path = gtk_tree_path_new_from_indices(index, -1);
    GtkTreeSelection* selection = gtk_tree_view_get_selection(GTK_TREE_VIEW(_view));
    ++_busy;
    if (state & ItemStateSelected) {
        gtk_tree_selection_select_path(selection, path);
        gtk_tree_view_scroll_to_cell(GTK_TREE_VIEW(_view), path, nullptr, FALSE, 0, 0);
    } else {
        gtk_tree_selection_unselect_path(selection, path);
    }
    --_busy;
    gtk_tree_path_free(path);
    SettleSelection(false);
}

int TGtkListBox::NativeItemState(int index) {
    GtkTreePath* path = gtk_tree_path_new_from_indices(index, -1);
    const bool selected = gtk_tree_selection_path_is_selected(
        gtk_tree_view_get_selection(GTK_TREE_VIEW(_view)), path);
    gtk_tree_path_free(path);
    return selected ? ItemStateSelected : 0;
}

void TGtkListBox::RowsChanged() { SettleSelection(false); }

void TGtkListBox::RemoveNativeItem(int index) {
    // The view chooses the row after a chosen one that goes; the others keep their states.
    std::vector<int> kept;
    for (int i = 0; i <= ShownItemCount(); ++i)
        if (i != index && NativeItemState(i))
            kept.push_back(i < index ? i : i - 1);
    TGtkStoreItems::RemoveNativeItem(index);
    GtkTreeSelection* selection = gtk_tree_view_get_selection(GTK_TREE_VIEW(_view));
    ++_busy;
    gtk_tree_selection_unselect_all(selection);
    for (const int i : kept) {
        GtkTreePath* path = gtk_tree_path_new_from_indices(i, -1);
        gtk_tree_selection_select_path(selection, path);
        gtk_tree_path_free(path);
    }
    --_busy;
    RowsChanged();
}

void TGtkListBox::SelectionMoved() {
    // One click may change the selection in several steps; the program hears of it once.
    if (_busy || !_sensitive || _settling)
        return;
    _settling = g_idle_add(SettleNow, this);
}

void TGtkListBox::SettlePending() {
    if (!_settling)
        return;
    g_source_remove(_settling);
    _settling = 0;
    SettleSelection(true);
}

int TGtkListBox::NativeSelectedItem() {
    GtkTreeModel* model = nullptr;
    GtkTreeIter row;
    if (!gtk_tree_selection_get_selected(gtk_tree_view_get_selection(GTK_TREE_VIEW(_view)), &model,
                                         &row))
        return -1;
    GtkTreePath* path = gtk_tree_model_get_path(model, &row);
    const int index = IndexOf(path);
    gtk_tree_path_free(path);
    return index;
}

int TGtkListBox::IndexAt(int x, int y) {
    GtkTreePath* path = RowPathAt(_view, x, y);
    const int index = IndexOf(path);
    if (path)
        gtk_tree_path_free(path);
    return index;
}

void TGtkListBox::DoubleClickedAt(int x, int y) {
    const int index = IndexAt(x, y);
    PostGuiEvent(GadgetAction, index, 0, 0, 0, ExtraOfItem(index));
}

bool TGtkListBox::PressedAt(int button, int x, int y) {
    const int index = IndexAt(x, y);
    GtkTreeSelection* selection = gtk_tree_view_get_selection(GTK_TREE_VIEW(_view));
    if (button == GDK_BUTTON_SECONDARY) {
        int wx = x, wy = y;
        gtk_tree_view_convert_bin_window_to_widget_coords(GTK_TREE_VIEW(_view), x, y, &wx, &wy);
        PostGuiEvent(GadgetMenu, index, 0, wx, wy, ExtraOfItem(index));
        // The item clicked becomes the selection, after the menu's event; a selection it lies in
        // stays.
        if (index >= 0 && !NativeItemState(index)) {
            GtkTreePath* path = gtk_tree_path_new_from_indices(index, -1);
            ++_busy;
            gtk_tree_selection_unselect_all(selection);
            gtk_tree_selection_select_path(selection, path);
            --_busy;
            gtk_tree_path_free(path);
            SettleSelection(true);
        }
        return true;
    }
    // A click below the items lets go of the selection.
    if (button == GDK_BUTTON_PRIMARY && index < 0)
        gtk_tree_selection_unselect_all(selection);
    return false;
}

} // namespace vandro

#include "GtkListBox.h"

#include "events/System.h"
#include "runtime/Text.h"

namespace vandro {

namespace {

TGtkListBox* ListOf(gpointer data) { return static_cast<TGtkListBox*>(data); }

gboolean SettleNow(gpointer data) {
    ListOf(data)->_settling = 0;
    Shielded([&] { ListOf(data)->SettleSelection(true); });
    return G_SOURCE_REMOVE;
}

void OnListSelection(GtkTreeSelection*, gpointer data) { ListOf(data)->SelectionMoved(); }

void OnListRowActivated(GtkTreeView*, GtkTreePath* path, GtkTreeViewColumn*, gpointer data) {
    Shielded([&] { ListOf(data)->RowActivated(path); });
}

gboolean OnListButtonPress(GtkWidget*, GdkEventButton* event, gpointer data) {
    // The selection a click changed is worked out before the next click is handled.
    Shielded([&] { ListOf(data)->SettlePending(); });
    if (event->type != GDK_BUTTON_PRESS)
        return FALSE;
    const int x = static_cast<int>(event->x), y = static_cast<int>(event->y);
    return Shielded([&] { return ListOf(data)->PressedAt(static_cast<int>(event->button), x, y); },
                    false)
               ? TRUE
               : FALSE;
}

// The markup of a row's tip: the text as it is, or no tip for an empty one.
gchar* TipMarkup(const String& tip) {
    return tip.empty() ? nullptr : g_markup_escape_text(ToUtf8(tip).c_str(), -1);
}

int IndexOf(GtkTreePath* path) { return path ? gtk_tree_path_get_indices(path)[0] : -1; }

} // namespace

int TGtkListBox::Class() { return ClassListBox; }

Ref<TGadget> TGtkListBox::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    _store = gtk_list_store_new(Columns, G_TYPE_STRING, G_TYPE_STRING, GDK_TYPE_PIXBUF, G_TYPE_INT);
    MakeRowView(group, ClassListBox, GTK_TREE_MODEL(_store), ColumnIcon, ColumnText);
    gtk_tree_view_set_tooltip_column(GTK_TREE_VIEW(_view), ColumnTip);
    GtkTreeSelection* selection = gtk_tree_view_get_selection(GTK_TREE_VIEW(_view));
    gtk_tree_selection_set_mode(selection, (style & ListBoxMultipleSelection)
                                               ? GTK_SELECTION_MULTIPLE
                                               : GTK_SELECTION_SINGLE);
    g_signal_connect(selection, "changed", G_CALLBACK(OnListSelection), this);
    g_signal_connect(_view, "row-activated", G_CALLBACK(OnListRowActivated), this);
    g_signal_connect(_view, "button-press-event", G_CALLBACK(OnListButtonPress), this);
    return Ref<TGadget>(this);
}

int TGtkListBox::FreeElement() {
    if (_settling)
        g_source_remove(_settling);
    _settling = 0;
    TPlatformItemGadget::FreeElement();
    if (_store)
        g_object_unref(_store);
    _store = nullptr;
    return 0;
}

void TGtkListBox::InsertNativeItem(int index, const String& text, const String& tip, int icon) {
    gchar* markup = TipMarkup(tip);
    ++_busy;
    gtk_list_store_insert_with_values(_store, nullptr, index, ColumnText, ToUtf8(text).c_str(),
                                      ColumnTip, markup, ColumnIcon, StripIcon(_icons, icon),
                                      ColumnIconIndex, icon, -1);
    --_busy;
    g_free(markup);
    SettleSelection(false);
}

void TGtkListBox::SetNativeItem(int index, const String& text, const String& tip, int icon) {
    GtkTreeIter row;
    if (!NthRow(_store, index, row))
        return;
    gchar* markup = TipMarkup(tip);
    gtk_list_store_set(_store, &row, ColumnText, ToUtf8(text).c_str(), ColumnTip, markup,
                       ColumnIcon, StripIcon(_icons, icon), ColumnIconIndex, icon, -1);
    g_free(markup);
}

void TGtkListBox::RemoveNativeItem(int index) {
    GtkTreeIter row;
    if (!NthRow(_store, index, row))
        return;
    ++_busy;
    gtk_list_store_remove(_store, &row);
    --_busy;
    SettleSelection(false);
}

void TGtkListBox::ClearNativeItems() {
    ++_busy;
    gtk_list_store_clear(_store);
    --_busy;
    _selected = -1;
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

void TGtkListBox::ShowIconStrip() { ShowStripIcons(_store, _icons, ColumnIcon, ColumnIconIndex); }

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

void TGtkListBox::SettleSelection(bool report) {
    int now = -1;
    if (style & ListBoxMultipleSelection) {
        now = SelectionChanged();
        if (now == -1)
            return;
    } else {
        GtkTreeModel* model = nullptr;
        GtkTreeIter row;
        if (gtk_tree_selection_get_selected(gtk_tree_view_get_selection(GTK_TREE_VIEW(_view)),
                                            &model, &row)) {
            GtkTreePath* path = gtk_tree_model_get_path(model, &row);
            now = IndexOf(path);
            gtk_tree_path_free(path);
        }
        if (now == _selected)
            return;
    }
    _selected = now;
    if (report)
        PostGuiEvent(GadgetSelect, now, 0, 0, 0, ExtraOfItem(now));
}

void TGtkListBox::RowActivated(GtkTreePath* path) {
    const int index = IndexOf(path);
    PostGuiEvent(GadgetAction, index, 0, 0, 0, ExtraOfItem(index));
}

bool TGtkListBox::PressedAt(int button, int x, int y) {
    GtkTreePath* path = RowPathAt(_view, x, y);
    const int index = IndexOf(path);
    if (path)
        gtk_tree_path_free(path);
    if (button == GDK_BUTTON_SECONDARY) {
        int wx = x, wy = y;
        gtk_tree_view_convert_bin_window_to_widget_coords(GTK_TREE_VIEW(_view), x, y, &wx, &wy);
        PostGuiEvent(GadgetMenu, index, 0, wx, wy, ExtraOfItem(index));
        return true;
    }
    // A click below the items lets go of the selection.
    if (button == GDK_BUTTON_PRIMARY && index < 0)
        gtk_tree_selection_unselect_all(gtk_tree_view_get_selection(GTK_TREE_VIEW(_view)));
    return false;
}

} // namespace vandro

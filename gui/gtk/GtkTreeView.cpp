#include "GtkTreeView.h"

#include "events/EventIds.h"
#include "events/System.h"
#include "events/gtk/GtkKeyCodes.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetCore.h"
#include "gui/GadgetEvents.h"

#include <utility>

namespace vandro {

namespace {

TGtkTreeView* ViewOf(gpointer data) { return static_cast<TGtkTreeView*>(data); }

void OnSelectionChanged(GtkTreeSelection*, gpointer data) {
    Shielded([&] { ViewOf(data)->ChoiceChanged(); });
}

void OnRowExpanded(GtkTreeView*, GtkTreeIter* row, GtkTreePath*, gpointer data) {
    Shielded([&] { ViewOf(data)->RowToggled(row, true); });
}

void OnRowCollapsed(GtkTreeView*, GtkTreeIter* row, GtkTreePath*, gpointer data) {
    Shielded([&] { ViewOf(data)->RowToggled(row, false); });
}

// Enter acts on the chosen node; GTK's own activation keys (Space among them) do nothing here.
gboolean OnTreeKeyPress(GtkWidget*, GdkEventKey* event, gpointer data) {
    const guint key = event->keyval;
    if (key != GDK_KEY_Return && key != GDK_KEY_KP_Enter && key != GDK_KEY_ISO_Enter)
        return FALSE;
    Shielded([&] { ViewOf(data)->RowActivated(); });
    return TRUE;
}

gboolean OnButtonPress(GtkWidget*, GdkEventButton* event, gpointer data) {
    if (event->type == GDK_2BUTTON_PRESS && event->button == GDK_BUTTON_PRIMARY)
        Shielded([&] { ViewOf(data)->RowActivated(); });
    if (event->type != GDK_BUTTON_PRESS)
        return FALSE;
    return Shielded([&] { return ViewOf(data)->Pressed(*event); }, false) ? TRUE : FALSE;
}

gboolean OnButtonRelease(GtkWidget*, GdkEventButton* event, gpointer data) {
    return Shielded([&] { return ViewOf(data)->Released(*event); }, false) ? TRUE : FALSE;
}

gboolean OnMotion(GtkWidget*, GdkEventMotion* event, gpointer data) {
    Shielded([&] { ViewOf(data)->Moved(*event); });
    return FALSE;
}

} // namespace

Ref<TGadget> TGtkTreeView::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    _store = gtk_tree_store_new(Columns, G_TYPE_STRING, G_TYPE_POINTER, GDK_TYPE_PIXBUF);
    MakeRowView(group, ClassTreeView, GTK_TREE_MODEL(_store), ColumnIcon, ColumnText);
    gtk_tree_view_set_enable_tree_lines(GTK_TREE_VIEW(_view), TRUE);
    GtkTreeSelection* selection = gtk_tree_view_get_selection(GTK_TREE_VIEW(_view));
    gtk_tree_selection_set_mode(selection, GTK_SELECTION_SINGLE);
    g_signal_connect(selection, "changed", G_CALLBACK(OnSelectionChanged), this);
    g_signal_connect(_view, "row-expanded", G_CALLBACK(OnRowExpanded), this);
    g_signal_connect(_view, "row-collapsed", G_CALLBACK(OnRowCollapsed), this);
    g_signal_connect(_view, "key-press-event", G_CALLBACK(OnTreeKeyPress), this);
    g_signal_connect(_view, "button-press-event", G_CALLBACK(OnButtonPress), this);
    g_signal_connect(_view, "button-release-event", G_CALLBACK(OnButtonRelease), this);
    g_signal_connect(_view, "motion-notify-event", G_CALLBACK(OnMotion), this);
    MakeRoot();
    return Ref<TGadget>(this);
}

int TGtkTreeView::SetIconStrip(const Ref<TIconStrip>& strip) {
    _icons = Cast<TGtkIconStrip>(strip);
    if (_root)
        _root->ShowIcons();
    return 0;
}

int TGtkTreeView::FreeElement() {
    if (_root)
        _root->Free();
    _root = nullptr;
    _selected = nullptr;
    _icons = nullptr;
    _press = {};
    TGtkRowView::FreeElement();
    if (_store)
        g_object_unref(_store);
    _store = nullptr;
    return 0;
}

Ref<TGtkTreeNode> TGtkTreeView::NodeOfRow(GtkTreeModel* model, GtkTreeIter* row) {
    gpointer node = nullptr;
    gtk_tree_model_get(model, row, ColumnNode, &node, -1);
    return Ref<TGtkTreeNode>(static_cast<TGtkTreeNode*>(node));
}

void TGtkTreeView::ChoiceChanged() {
    if (_busy || !_sensitive)
        return;
    GtkTreeModel* model = nullptr;
    GtkTreeIter row;
    const Ref<TGtkTreeNode> node =
        gtk_tree_selection_get_selected(gtk_tree_view_get_selection(GTK_TREE_VIEW(_view)), &model,
                                        &row)
            ? NodeOfRow(model, &row)
            : nullptr;
    // GTK reports a selection again when the cursor moves onto it; only a new one counts.
    if (node == _selected)
        return;
    _selected = node;
    if (node)
        PostGuiEvent(GadgetSelect, 0, 0, 0, 0, node);
}

void TGtkTreeView::RowToggled(GtkTreeIter* row, bool open) {
    const Ref<TGtkTreeNode> node = NodeOfRow(GTK_TREE_MODEL(_store), row);
    if (!node)
        return;
    node->_expanded = open ? 1 : 0;
    if (!_busy)
        PostGuiEvent(open ? GadgetOpen : GadgetClose, 0, 0, 0, 0, node);
}

void TGtkTreeView::RowActivated() {
    if (!_busy)
        PostGuiEvent(GadgetAction, 0, 0, 0, 0, _selected);
}

bool TGtkTreeView::ToggleAt(int x, int y) {
    GtkTreeView* view = GTK_TREE_VIEW(_view);
    GtkTreePath* path = nullptr;
    GtkTreeViewColumn* column = nullptr;
    if (!gtk_tree_view_get_path_at_pos(view, x, y, &path, &column, nullptr, nullptr))
        return false;
    GdkRectangle cell;
    gtk_tree_view_get_cell_area(view, path, column, &cell);
    GtkTreeIter row;
    // Each level moves the cell one expander's width to the right; the node's own expander is
    // the last before its cell.
    const int expander = cell.x / gtk_tree_path_get_depth(path);
    const bool hit = x < cell.x && x >= cell.x - expander &&
                     gtk_tree_model_get_iter(GTK_TREE_MODEL(_store), &row, path) &&
                     gtk_tree_model_iter_has_child(GTK_TREE_MODEL(_store), &row);
    if (hit && gtk_tree_view_row_expanded(view, path))
        gtk_tree_view_collapse_row(view, path);
    else if (hit)
        gtk_tree_view_expand_row(view, path, FALSE);
    gtk_tree_path_free(path);
    return hit;
}

Ref<TGtkTreeNode> TGtkTreeView::NodeAt(int x, int y) {
    Ref<TGtkTreeNode> node;
    if (GtkTreePath* path = RowPathAt(_view, x, y)) {
        GtkTreeIter row;
        if (gtk_tree_model_get_iter(GTK_TREE_MODEL(_store), &row, path))
            node = NodeOfRow(GTK_TREE_MODEL(_store), &row);
        gtk_tree_path_free(path);
    }
    return node;
}

void TGtkTreeView::MenuAt(int x, int y) {
    int wx = x, wy = y;
    gtk_tree_view_convert_bin_window_to_widget_coords(GTK_TREE_VIEW(_view), x, y, &wx, &wy);
    PostGuiEvent(GadgetMenu, 0, 0, wx, wy, NodeAt(x, y));
}

// A right click opens the program's menu, and a click on a node's expander opens or closes
// the node; neither changes the selection. A press on a node may begin its drag, which chooses
// nothing: the node is chosen at the release when no drag began.
bool TGtkTreeView::Pressed(const GdkEventButton& event) {
    const int x = static_cast<int>(event.x), y = static_cast<int>(event.y);
    const int rootX = static_cast<int>(event.x_root), rootY = static_cast<int>(event.y_root);
    const bool drags = style & TreeViewDragAndDrop;
    if (event.button == GDK_BUTTON_PRIMARY) {
        if (ToggleAt(x, y))
            return true;
        if (!drags)
            return false;
        _press = {1, x, y, rootX, rootY, NodeAt(x, y)};
        if (!_press.node)
            return false;
        gtk_widget_grab_focus(_view);
        return true;
    }
    if (event.button != GDK_BUTTON_SECONDARY)
        return false;
    if (drags)
        _press = {2, x, y, rootX, rootY, NodeAt(x, y)};
    else
        MenuAt(x, y);
    return true;
}

void TGtkTreeView::Moved(const GdkEventMotion& event) {
    if (!_press.node || _press.dragging ||
        !gtk_drag_check_threshold(_view, _press.x, _press.y, static_cast<int>(event.x),
                                  static_cast<int>(event.y)))
        return;
    _press.dragging = true;
    SetDragSource(_press.button, _press.node);
    // Where it was pressed, as the platform places the pointer's events and the drop.
    int x = 0, y = 0;
    ScreenOrigin(x, y);
    PostGuiEvent(GadgetDrag, _press.button, ModifiersFromState(event.state), _press.rootX - x,
                 _press.rootY - y, _press.node);
}

bool TGtkTreeView::Released(const GdkEventButton& event) {
    const int button = event.button == GDK_BUTTON_PRIMARY     ? 1
                       : event.button == GDK_BUTTON_SECONDARY ? 2
                                                              : 0;
    if (!button || button != _press.button)
        return false;
    const TPress press = std::exchange(_press, {});
    if (press.dragging)
        Drop(event, button);
    else if (button == 2)
        MenuAt(press.x, press.y);
    else if (GtkTreePath* path = RowPathAt(_view, press.x, press.y)) {
        gtk_tree_view_set_cursor(GTK_TREE_VIEW(_view), path, nullptr, FALSE);
        gtk_tree_path_free(path);
    }
    return button == 2;
}

// The view holds the pointer from the press on; the drop goes to the gadget under it.
void TGtkTreeView::Drop(const GdkEventButton& event, int button) {
    GdkWindow* under = gdk_device_get_window_at_position(event.device, nullptr, nullptr);
    gpointer widget = nullptr;
    if (under)
        gdk_window_get_user_data(under, &widget);
    Ref<TGtkGadget> target;
    for (auto* at = static_cast<GtkWidget*>(widget); at && !target; at = gtk_widget_get_parent(at))
        target = GadgetFromWidget(at);
    const Ref<TGadget> dragged = DragSource(button);
    if (!target || !dragged)
        return;
    int x = 0, y = 0;
    target->ScreenOrigin(x, y);
    EmitGadgetEvent(GadgetDrop, target, button, ModifiersFromState(event.state),
                    static_cast<int>(event.x_root) - x, static_cast<int>(event.y_root) - y,
                    dragged);
    SetDragSource(button, {});
}

} // namespace vandro

// The GTK user of the item gadgets: clicks on the rows of a tree through the X server, and
// the rows the tree's widget shows.
#include "GtkUserInput.h"
#include "gui/gtk/GtkComboBox.h"
#include "gui/gtk/GtkListBox.h"
#include "gui/gtk/GtkTabber.h"
#include "gui/gtk/GtkToolbar.h"
#include "gui/gtk/GtkTreeView.h"

#include "gui/GadgetCreation.h"
#include "runtime/Text.h"
#include "tests/support/PlatformUser.h"

#include <chrono>

namespace vandro {

namespace {

// How long a key's effects may take to show.
constexpr int kKeySettleMs = 100;

// Where the user meets one node's row: its tree's widget and the row's area on the screen.
struct TRowPlace {
    GtkTreeView* view = nullptr;
    GtkTreePath* path = nullptr;
    GdkRectangle cell{};
    int originX = 0;
    int originY = 0;

    TRowPlace() = default;
    TRowPlace(const TRowPlace&) = delete;
    TRowPlace& operator=(const TRowPlace&) = delete;
    ~TRowPlace() {
        if (path)
            gtk_tree_path_free(path);
    }

    // The screen point at dx from the left of the row's cell, halfway down.
    int X(int dx) const { return originX + cell.x + dx; }
    int Y() const { return originY + cell.y + cell.height / 2; }
};

// Finds the row of the path on the screen, taking the path; false when the user cannot reach
// it (a view hidden, disabled or not laid out yet, or a row inside a closed one).
bool FindRow(GtkWidget* view, GtkTreePath* path, TRowPlace& place) {
    place.path = path;
    if (!Usable(view) || !path)
        return false;
    place.view = GTK_TREE_VIEW(view);
    GtkTreeViewColumn* column = gtk_tree_view_get_column(place.view, 0);
    // Rows just added have no height until the view has laid them out, which it does when idle.
    PumpPending();
    const bool laidOut = PumpUntil(
        [&place, column] {
            gtk_tree_view_get_cell_area(place.view, place.path, column, &place.cell);
            return gtk_widget_get_allocated_width(GTK_WIDGET(place.view)) > 1;
        },
        kActionTimeout);
    if (!laidOut || place.cell.height <= 0)
        return false;
    gdk_window_get_origin(gtk_tree_view_get_bin_window(place.view), &place.originX, &place.originY);
    return true;
}

bool FindRow(const Ref<TGadget>& node, TRowPlace& place) {
    const auto item = Cast<TGtkTreeNode>(node);
    TGtkTreeView* tree = item ? item->Tree() : nullptr;
    return tree && FindRow(tree->_view, item->Path(), place);
}

Ref<TGtkListBox> ListOf(const Ref<TGadget>& list) { return Cast<TGtkListBox>(RealGadget(list)); }

bool FindItem(const Ref<TGadget>& list, int index, TRowPlace& place) {
    const auto element = ListOf(list);
    if (!element || !element->_view || index < 0 || index >= element->ShownItemCount())
        return false;
    return FindRow(element->_view, gtk_tree_path_new_from_indices(index, -1), place);
}

// Waits until the list has worked out the selection a click changed, and reported it.
void AwaitSettled(const Ref<TGadget>& list) {
    const auto element = ListOf(list);
    PumpUntil([&element] { return !element || element->_settling == 0; }, kActionTimeout);
    PumpPending();
}

bool Selected(const TRowPlace& place) {
    return gtk_tree_selection_path_is_selected(gtk_tree_view_get_selection(place.view), place.path);
}

void AddShownRows(GtkTreeView* view, GtkTreeIter* above, const String& indent,
                  std::vector<String>& rows) {
    GtkTreeModel* model = gtk_tree_view_get_model(view);
    GtkTreeIter row;
    for (bool more = gtk_tree_model_iter_children(model, &row, above); more;
         more = gtk_tree_model_iter_next(model, &row)) {
        gchar* text = nullptr;
        gtk_tree_model_get(model, &row, TGtkTreeView::ColumnText, &text, -1);
        rows.push_back(indent + FromUtf8(text ? text : ""));
        g_free(text);
        GtkTreePath* path = gtk_tree_model_get_path(model, &row);
        if (gtk_tree_view_row_expanded(view, path))
            AddShownRows(view, &row, indent + u"  ", rows);
        gtk_tree_path_free(path);
    }
}

void OnRowActivated(GtkTreeView*, GtkTreePath*, GtkTreeViewColumn*, gpointer data) {
    *static_cast<bool*>(data) = true;
}

// A click soon after another would make a double click of the two: a single click waits until
// the platform's double-click time has passed since the last one.
void SingleClickAt(int x, int y, int button, int modifiers = 0) {
    static gint64 last = 0;
    gint interval = 400;
    g_object_get(gtk_settings_get_default(), "gtk-double-click-time", &interval, nullptr);
    const gint64 due = last + (interval + 20) * G_GINT64_CONSTANT(1000);
    PumpUntil([due] { return g_get_monotonic_time() >= due; }, interval + 20);
    ClickAt(x, y, button, modifiers);
    last = g_get_monotonic_time();
}

// Double-clicks the row and waits until the view reports it activated.
int DoubleClick(const TRowPlace& place) {
    bool activated = false;
    const gulong handler =
        g_signal_connect(place.view, "row-activated", G_CALLBACK(OnRowActivated), &activated);
    SingleClickAt(place.X(8), place.Y(), 1);
    ClickAt(place.X(8), place.Y(), 1, 0);
    PumpUntil([&activated] { return activated; }, kActionTimeout);
    g_signal_handler_disconnect(place.view, handler);
    PumpPending();
    return activated ? 1 : 0;
}

// Right-clicks the row and waits for the gadget's "GadgetMenu".
int RightClick(const TRowPlace& place, const Ref<TGadget>& gadget) {
    const bool raised = DoAndAwaitEvent(
        GadgetMenu, FindOutermostGadget(gadget),
        [&place] { SingleClickAt(place.X(8), place.Y(), 3); }, kActionTimeout);
    PumpPending();
    return raised ? 1 : 0;
}

// The text of the label in each tab's label box, in order.
std::vector<String> TabLabels(GtkNotebook* tabs) {
    std::vector<String> labels;
    for (int index = 0; index < gtk_notebook_get_n_pages(tabs); ++index) {
        GtkWidget* box = gtk_notebook_get_tab_label(tabs, gtk_notebook_get_nth_page(tabs, index));
        GList* parts = box ? gtk_container_get_children(GTK_CONTAINER(box)) : nullptr;
        String text;
        for (GList* part = parts; part; part = part->next)
            if (GTK_IS_LABEL(part->data))
                text = FromUtf8(gtk_label_get_text(GTK_LABEL(part->data)));
        g_list_free(parts);
        labels.push_back(text);
    }
    return labels;
}

// The menu a combo box pops up its items in, once it shows; null when none does.
GtkWidget* ComboPopup(GtkWidget* combo) {
    GtkWidget* shown = nullptr;
    PumpUntil(
        [combo, &shown] {
            GList* menus = gtk_menu_get_for_attach_widget(combo);
            for (GList* menu = menus; menu; menu = menu->next)
                if (gtk_widget_get_mapped(GTK_WIDGET(menu->data)))
                    shown = GTK_WIDGET(menu->data);
            return shown != nullptr;
        },
        kActionTimeout);
    return shown;
}

// The screen point of a widget's rectangle at (dx, dy) from its left and top; dx below 0
// counts from its right.
bool PointIn(GtkWidget* widget, int dx, int dy, int& x, int& y) {
    int cx = 0, cy = 0;
    if (!ScreenCentre(widget, cx, cy))
        return false;
    const int w = gtk_widget_get_allocated_width(widget);
    const int h = gtk_widget_get_allocated_height(widget);
    x = cx - w / 2 + (dx < 0 ? w + dx : dx);
    y = cy - h / 2 + dy;
    return true;
}

class TGtkItemUser : public TPlatformItemUser {
  public:
    int ChooseNode(const Ref<TGadget>& node) override {
        TRowPlace place;
        if (!FindRow(node, place))
            return 0;
        SingleClickAt(place.X(8), place.Y(), 1);
        GtkTreeSelection* selection = gtk_tree_view_get_selection(place.view);
        PumpUntil([&] { return gtk_tree_selection_path_is_selected(selection, place.path); },
                  kActionTimeout);
        PumpPending();
        return gtk_tree_selection_path_is_selected(selection, place.path) ? 1 : 0;
    }

    int ToggleNode(const Ref<TGadget>& node) override {
        TRowPlace place;
        if (!FindRow(node, place) || node->kids->IsEmpty())
            return 0;
        // Each level below the top moves the cell one expander's width to the right; the
        // node's own expander is the last before its cell.
        const int depth = gtk_tree_path_get_depth(place.path);
        const int expander = place.cell.x / depth;
        const bool was = gtk_tree_view_row_expanded(place.view, place.path);
        SingleClickAt(place.X(-expander / 2), place.Y(), 1);
        const bool toggled =
            PumpUntil([&] { return gtk_tree_view_row_expanded(place.view, place.path) != was; },
                      kActionTimeout);
        PumpPending();
        return toggled ? 1 : 0;
    }

    int DoubleClickNode(const Ref<TGadget>& node) override {
        TRowPlace place;
        if (!FindRow(node, place))
            return 0;
        return DoubleClick(place);
    }

    int RightClickNode(const Ref<TGadget>& node) override {
        TRowPlace place;
        if (!FindRow(node, place))
            return 0;
        return RightClick(place, Ref<TGadget>(Cast<TGtkTreeNode>(node)->Tree()));
    }

    std::vector<String> ShownNodes(const Ref<TGadget>& tree) override {
        std::vector<String> rows;
        const auto element = Cast<TGtkTreeView>(RealGadget(tree));
        if (element && element->_view)
            AddShownRows(GTK_TREE_VIEW(element->_view), nullptr, {}, rows);
        return rows;
    }

    int ClickItem(const Ref<TGadget>& list, int index, int modifiers) override {
        TRowPlace place;
        if (!FindItem(list, index, place))
            return 0;
        // With Ctrl a click flips the item in a list of several; otherwise it chooses it.
        const bool wanted = (modifiers & 2) ? !Selected(place) : true;
        SingleClickAt(place.X(8), place.Y(), 1, modifiers);
        const bool done = PumpUntil([&] { return Selected(place) == wanted; }, kActionTimeout);
        AwaitSettled(list);
        return done ? 1 : 0;
    }

    int DoubleClickItem(const Ref<TGadget>& list, int index) override {
        TRowPlace place;
        return FindItem(list, index, place) ? DoubleClick(place) : 0;
    }

    int RightClickItem(const Ref<TGadget>& list, int index) override {
        TRowPlace place;
        return FindItem(list, index, place) ? RightClick(place, list) : 0;
    }

    int ClickBelowItems(const Ref<TGadget>& list) override {
        int x = 0, y = 0;
        if (!PointBelowItems(list, x, y))
            return 0;
        GtkTreeSelection* selection =
            gtk_tree_view_get_selection(GTK_TREE_VIEW(ListOf(list)->_view));
        SingleClickAt(x, y, 1);
        const bool done = PumpUntil(
            [selection] { return gtk_tree_selection_count_selected_rows(selection) == 0; },
            kActionTimeout);
        AwaitSettled(list);
        return done ? 1 : 0;
    }

    int ChooseComboItem(const Ref<TGadget>& combo, int index) override {
        const auto element = Cast<TGtkComboBox>(RealGadget(combo));
        if (!element || !Usable(element->_widget) || index < 0 ||
            index >= element->ShownItemCount())
            return 0;
        GtkWidget* widget = element->_widget;
        PumpUntil([widget] { return gtk_widget_get_allocated_width(widget) > 1; }, kActionTimeout);
        // The button that opens the list is the right end of an editable one, all of another.
        int x = 0, y = 0;
        PointIn(widget, element->Entry() ? -12 : 12, gtk_widget_get_allocated_height(widget) / 2, x,
                y);
        SingleClickAt(x, y, 1);
        GtkWidget* popup = ComboPopup(widget);
        GList* items = popup ? gtk_container_get_children(GTK_CONTAINER(popup)) : nullptr;
        GtkWidget* item = static_cast<GtkWidget*>(g_list_nth_data(items, index));
        g_list_free(items);
        if (!item ||
            !PumpUntil([item] { return gtk_widget_get_allocated_width(item) > 1; }, kActionTimeout))
            return 0;
        // GTK takes a release soon after the opening as the end of the opening click.
        const auto settled = std::chrono::steady_clock::now() + std::chrono::milliseconds(520);
        PumpUntil([settled] { return std::chrono::steady_clock::now() >= settled; }, 600);
        ScreenCentre(item, x, y);
        SingleClickAt(x, y, 1);
        const bool chosen = PumpUntil(
            [widget, index] { return gtk_combo_box_get_active(GTK_COMBO_BOX(widget)) == index; },
            kActionTimeout);
        PumpUntil([popup] { return !gtk_widget_get_mapped(popup); }, kActionTimeout);
        PumpPending();
        return chosen ? 1 : 0;
    }

    int TypeIntoCombo(const Ref<TGadget>& combo, const String& letters) override {
        const auto element = Cast<TGtkComboBox>(RealGadget(combo));
        GtkWidget* entry = element ? element->Entry() : nullptr;
        int x = 0, y = 0;
        if (!entry || !Usable(entry))
            return 0;
        // The field takes the focus in an active window, once it is laid out.
        GtkWindow* window = GTK_WINDOW(gtk_widget_get_toplevel(entry));
        PumpUntil(
            [entry, window] {
                return gtk_widget_get_allocated_width(entry) > 1 && gtk_window_is_active(window);
            },
            kActionTimeout);
        if (!ScreenCentre(entry, x, y))
            return 0;
        // The middle of a short text's field lies past its end, where the letters go.
        SingleClickAt(x, y, 1);
        if (!PumpUntil([entry] { return gtk_widget_has_focus(entry); }, kActionTimeout))
            return 0;
        // The field may hold its text selected from a choice: the letters go after it.
        TypeKey(kEndKey, 0);
        const String before = FromUtf8(gtk_entry_get_text(GTK_ENTRY(entry)));
        for (char16_t letter : letters)
            TypeKey(letter - u'a' + 'A', 0);
        const String wanted = before + letters;
        const bool typed = PumpUntil(
            [entry, &wanted] { return FromUtf8(gtk_entry_get_text(GTK_ENTRY(entry))) == wanted; },
            kActionTimeout);
        PumpPending();
        return typed ? 1 : 0;
    }

    int PressToolbarItem(const Ref<TGadget>& toolbar, int index) override {
        const auto element = Cast<TGtkToolbar>(RealGadget(toolbar));
        GtkToolItem* item = element ? element->ItemAt(index) : nullptr;
        if (!item || !GTK_IS_TOOL_BUTTON(item))
            return 0;
        GtkWidget* button = GTK_WIDGET(item);
        // A window shown again is on the screen once the window manager has mapped it.
        PumpUntil(
            [button] {
                return gtk_widget_get_allocated_width(button) > 1 &&
                       (Usable(button) || !gtk_widget_is_visible(button) ||
                        !gtk_widget_is_sensitive(button));
            },
            kActionTimeout);
        if (!Usable(button))
            return 0;
        PresentAndAwait(button);
        int x = 0, y = 0;
        if (!Usable(button) || !ScreenCentre(button, x, y))
            return 0;
        const bool raised = DoAndAwaitEvent(
            GadgetAction, FindOutermostGadget(toolbar), [x, y] { SingleClickAt(x, y, 1); },
            kActionTimeout);
        PumpPending();
        return raised ? 1 : 0;
    }

    int ChooseTab(const Ref<TGadget>& tabber, int index) override {
        int x = 0, y = 0;
        if (!TabCentre(tabber, index, x, y))
            return 0;
        SingleClickAt(x, y, 1);
        GtkNotebook* tabs = GTK_NOTEBOOK(Cast<TGtkTabber>(RealGadget(tabber))->_widget);
        const bool chosen = PumpUntil(
            [tabs, index] { return gtk_notebook_get_current_page(tabs) == index; }, kActionTimeout);
        PumpPending();
        return chosen ? 1 : 0;
    }

    std::vector<String> ShownItems(const Ref<TGadget>& list) override {
        std::vector<String> texts;
        const Ref<TGadget> real = RealGadget(list);
        if (const auto tabber = Cast<TGtkTabber>(real); tabber && tabber->_widget)
            return TabLabels(GTK_NOTEBOOK(tabber->_widget));
        GtkTreeModel* model = nullptr;
        if (const auto element = Cast<TGtkListBox>(real); element && element->_view)
            model = gtk_tree_view_get_model(GTK_TREE_VIEW(element->_view));
        if (const auto element = Cast<TGtkComboBox>(real); element && element->_widget)
            model = gtk_combo_box_get_model(GTK_COMBO_BOX(element->_widget));
        GtkTreeIter row;
        for (bool more = model && gtk_tree_model_get_iter_first(model, &row); more;
             more = gtk_tree_model_iter_next(model, &row)) {
            gchar* text = nullptr;
            gtk_tree_model_get(model, &row, TGtkListBox::ColumnText, &text, -1);
            texts.push_back(FromUtf8(text ? text : ""));
            g_free(text);
        }
        return texts;
    }

    int RightClickTab(const Ref<TGadget>& tabber, int index) override {
        int x = 0, y = 0;
        if (!TabCentre(tabber, index, x, y))
            return 0;
        const bool raised = DoAndAwaitEvent(
            GadgetMenu, FindOutermostGadget(tabber), [x, y] { SingleClickAt(x, y, 3); },
            kActionTimeout);
        PumpPending();
        return raised ? 1 : 0;
    }

    String ShownItemTip(const Ref<TGadget>& gadget, int index) override {
        const Ref<TGadget> real = RealGadget(gadget);
        GtkWidget* shower = nullptr;
        if (const auto bar = Cast<TGtkToolbar>(real))
            if (GtkToolItem* item = bar->ItemAt(index))
                shower = GTK_WIDGET(item);
        if (const auto tabber = Cast<TGtkTabber>(real); tabber && tabber->HasShownItem(index)) {
            GtkNotebook* tabs = GTK_NOTEBOOK(tabber->_widget);
            shower = gtk_notebook_get_tab_label(tabs, gtk_notebook_get_nth_page(tabs, index));
        }
        if (!shower)
            return {};
        // A tool button keeps its tip on the button inside it.
        if (GTK_IS_TOOL_BUTTON(shower) && gtk_bin_get_child(GTK_BIN(shower)))
            shower = gtk_bin_get_child(GTK_BIN(shower));
        gchar* tip = gtk_widget_get_tooltip_text(shower);
        const String text = FromUtf8(tip ? tip : "");
        g_free(tip);
        return text;
    }

    int DoubleClickBelowItems(const Ref<TGadget>& list) override {
        int x = 0, y = 0;
        if (!PointBelowItems(list, x, y))
            return 0;
        const bool raised = DoAndAwaitEvent(
            GadgetAction, FindOutermostGadget(list),
            [x, y] {
                SingleClickAt(x, y, 1);
                ClickAt(x, y, 1, 0);
            },
            kActionTimeout);
        PumpPending();
        return raised ? 1 : 0;
    }

    int PressKeyIn(const Ref<TGadget>& gadget, int key) override {
        const Ref<TGadget> real = RealGadget(gadget);
        GtkWidget* view = nullptr;
        if (const auto list = Cast<TGtkListBox>(real))
            view = list->_view;
        if (const auto tree = Cast<TGtkTreeView>(real))
            view = tree->_view;
        if (!view || !gtk_widget_is_focus(view))
            return 0;
        GtkWindow* window = GTK_WINDOW(gtk_widget_get_toplevel(view));
        gtk_window_present(window);
        if (!PumpUntil([view] { return gtk_widget_has_focus(view); }, kActionTimeout))
            return 0;
        TypeKey(key, 0);
        // What the key raises, if anything, comes within the settling time.
        PumpUntil([] { return false; }, kKeySettleMs);
        AwaitSettled(gadget);
        return 1;
    }

    int DragNode(const Ref<TGadget>& node, const Ref<TGadget>& target) override {
        TRowPlace place;
        const auto element = Cast<TGtkGadget>(RealGadget(target));
        int toX = 0, toY = 0;
        if (!FindRow(node, place) || !element || !Usable(element->_widget) ||
            !ScreenCentre(element->_widget, toX, toY))
            return 0;
        const int x = place.X(8), y = place.Y();
        const bool dropped = DoAndAwaitEvent(
            GadgetDrop, FindOutermostGadget(target), [=] { DragFromTo(x, y, toX, toY); },
            kActionTimeout);
        PumpPending();
        return dropped ? 1 : 0;
    }

  private:
    // A tab's centre on the screen once it is laid out; false for the blank tab of an empty
    // tabber (no item) and a tab that is not shown.
    static bool TabCentre(const Ref<TGadget>& tabber, int index, int& x, int& y) {
        const auto element = Cast<TGtkTabber>(RealGadget(tabber));
        if (!element || !element->HasShownItem(index))
            return false;
        GtkNotebook* tabs = GTK_NOTEBOOK(element->_widget);
        GtkWidget* label = gtk_notebook_get_tab_label(tabs, gtk_notebook_get_nth_page(tabs, index));
        PumpUntil([label] { return gtk_widget_get_allocated_width(label) > 1; }, kActionTimeout);
        return Usable(label) && ScreenCentre(label, x, y);
    }

    // A point on the screen below a list's items, inside it; false when there is none.
    static bool PointBelowItems(const Ref<TGadget>& list, int& x, int& y) {
        const auto element = ListOf(list);
        if (!element || !Usable(element->_view))
            return false;
        int below = 0;
        if (const int count = element->ShownItemCount()) {
            TRowPlace last;
            if (!FindItem(list, count - 1, last))
                return false;
            below = last.cell.y + last.cell.height;
        }
        GdkWindow* rows = gtk_tree_view_get_bin_window(GTK_TREE_VIEW(element->_view));
        if (below + 10 >= gdk_window_get_height(rows))
            return false;
        gdk_window_get_origin(rows, &x, &y);
        x += 20;
        y += below + 10;
        return true;
    }
};

} // namespace

const Ref<TPlatformItemUser>& PlatformItemUser() {
    static const Ref<TPlatformItemUser> user = New<TGtkItemUser>();
    return user;
}

} // namespace vandro

// The item gadgets on GTK: the widgets behind them, their colours and icons, where a toolbar and
// a tabber put the client areas, a tree's nodes dragged with the pointer, and a hundred of each
// made and freed with their items, which leave no widget and no object behind.
#include "GtkFixture.h"

#include "gui/gtk/GtkListBox.h"
#include "gui/gtk/GtkTabber.h"
#include "gui/gtk/GtkToolbar.h"
#include "gui/gtk/GtkTreeView.h"
#include "gui/gtk/GtkWindow.h"

#include "gui/DriverFunctions.h"
#include "gui/GadgetCore.h"
#include "gui/GadgetFunctions.h"
#include "gui/GadgetItemFunctions.h"
#include "runtime/Boxed.h"

namespace vandro {
namespace {

class GtkItemKindsTest : public GtkWindowTest {
  protected:
    Ref<TGadget> MakeWindow() override {
        return CreateWindow(u"Einträge", 40, 40, 300, 260, Desktop(), 1);
    }

    // The colour of one pixel of the widget as it is on the screen, once it has been drawn.
    static int PixelOf(GtkWidget* widget, int x, int y) {
        PumpUntil([widget] { return gtk_widget_get_mapped(widget); }, 3000);
        PumpUntil([] { return false; }, 60);
        int left = 0, top = 0;
        gtk_widget_translate_coordinates(widget, gtk_widget_get_toplevel(widget), 0, 0, &left,
                                         &top);
        GdkPixbuf* picture = gdk_pixbuf_get_from_window(
            gtk_widget_get_window(gtk_widget_get_toplevel(widget)), left + x, top + y, 1, 1);
        if (!picture)
            return -1;
        const guchar* pixel = gdk_pixbuf_get_pixels(picture);
        const int packed = pixel[0] + (pixel[1] << 8) + (pixel[2] << 16);
        g_object_unref(picture);
        return packed;
    }

    // A strip of four 16 px icons, the third blank.
    static Ref<TPixmap> FourIcons() {
        auto pixmap = TPixmap::Create(64, 16, 6, 4);
        pixmap->ClearPixels(static_cast<int>(0x00000000));
        for (int icon : {0, 1, 3})
            for (int x = 2; x < 14; ++x)
                for (int y = 2; y < 14; ++y)
                    pixmap->WritePixel(icon * 16 + x, y,
                                       static_cast<int>(icon == 1 ? 0xFFC03020u : 0xFF2050B0u));
        return pixmap;
    }

    static GtkAllocation Placed(GtkWidget* widget) {
        PumpUntil([widget] { return gtk_widget_get_allocated_width(widget) > 1; }, 3000);
        PumpPending();
        GtkAllocation area;
        gtk_widget_get_allocation(widget, &area);
        return area;
    }

    // Runs round 0 to 100; what the first round makes once (a tooltip, say) stays, so the
    // widgets and objects alive are counted after it and must be the same at the end.
    static void ExpectAHundredLeaveNothing(const std::function<void(int)>& round) {
        int widgets = 0;
        long objects = 0;
        for (int at = 0; at <= 100; ++at) {
            if (at == 1) {
                Drain();
                widgets = GtkDriver().liveWidgets;
                objects = TObject::LiveObjects();
            }
            round(at);
        }
        Drain();
        EXPECT_EQ(GtkDriver().liveWidgets, widgets);
        EXPECT_EQ(TObject::LiveObjects(), objects);
    }

    // The middle of the node's row on the screen, a little into its text.
    static void RowPoint(const Ref<TGadget>& node, int& x, int& y) {
        const auto item = Cast<TGtkTreeNode>(node);
        GtkTreeView* view = GTK_TREE_VIEW(item->Tree()->_view);
        Placed(GTK_WIDGET(view));
        GtkTreePath* path = item->Path();
        GdkRectangle cell;
        gtk_tree_view_get_cell_area(view, path, gtk_tree_view_get_column(view, 0), &cell);
        gtk_tree_path_free(path);
        gdk_window_get_origin(gtk_tree_view_get_bin_window(view), &x, &y);
        x += cell.x + 12;
        y += cell.y + cell.height / 2;
    }
    // The events raised until one of the id has come, or a few seconds have passed.
    static std::vector<Ref<TEvent>> EventsUntil(int id) {
        std::vector<Ref<TEvent>> events;
        PumpUntil(
            [&] {
                for (auto& event : Drain())
                    events.push_back(event);
                return !events.empty() && events.back()->id == id;
            },
            kActionTimeout);
        PumpUntil([] { return false; }, 100);
        for (auto& event : Drain())
            events.push_back(event);
        return events;
    }
};

TEST_F(GtkItemKindsTest, AToolbarIsARowOfToolButtonsBetweenMenuBarAndClientArea) {
    FreeGadget(window);
    window = CreateWindow(u"Leiste", 40, 40, 300, 260, Desktop(), WindowTitleBar | WindowMenuBar);
    const int whole = GadgetClientHeight(window);
    const auto toolbar = CreateToolbar(FourIcons(), 0, 0, 0, 0, window, 0);
    ModifyGadgetItem(toolbar, 1, {}, ItemFlagToggle, 1, u"Umschalten");
    const auto bar = Cast<TGtkToolbar>(toolbar);
    const auto frame = Cast<TGtkWindow>(window);
    ASSERT_TRUE(GTK_IS_TOOLBAR(bar->_widget));
    EXPECT_TRUE(GTK_IS_TOOL_BUTTON(bar->ItemAt(0)));
    EXPECT_FALSE(GTK_IS_TOGGLE_TOOL_BUTTON(bar->ItemAt(0)));
    EXPECT_TRUE(GTK_IS_TOGGLE_TOOL_BUTTON(bar->ItemAt(1)));
    EXPECT_TRUE(GTK_IS_SEPARATOR_TOOL_ITEM(bar->ItemAt(2)));
    gchar* tip = gtk_widget_get_tooltip_text(gtk_bin_get_child(GTK_BIN(bar->ItemAt(1))));
    EXPECT_STREQ(tip, "Umschalten");
    g_free(tip);
    // Top to bottom: menu bar, toolbar, client area, each where the one above ends.
    const GtkAllocation menu = Placed(frame->MenuBar()), row = Placed(bar->_widget);
    const GtkAllocation client = Placed(frame->_client);
    EXPECT_EQ(row.y, menu.y + menu.height);
    EXPECT_EQ(client.y, row.y + row.height);
    EXPECT_EQ(GadgetClientHeight(window), client.height);
    EXPECT_EQ(whole - GadgetClientHeight(window), row.height);
    EXPECT_EQ(row.width, client.width);
}

TEST_F(GtkItemKindsTest, AWindowPlacedByItsClientAreaGrowsForItsToolbar) {
    FreeGadget(window);
    window =
        CreateWindow(u"Leiste", 40, 40, 300, 200, Desktop(), WindowTitleBar | WindowClientCoords);
    const auto frame = Cast<TGtkWindow>(window);
    EXPECT_EQ(Placed(frame->_client).height, 200);
    const auto toolbar = CreateToolbar(FourIcons(), 0, 0, 0, 0, window, 0);
    const GtkAllocation row = Placed(Cast<TGtkToolbar>(toolbar)->_widget);
    PumpUntil([&] { return gtk_widget_get_allocated_height(frame->_widget) > 200; }, 3000);
    EXPECT_EQ(GadgetClientHeight(window), 200);
    EXPECT_EQ(Placed(frame->_client).height, 200);
    EXPECT_EQ(gtk_widget_get_allocated_height(frame->_widget), 200 + row.height);
}

TEST_F(GtkItemKindsTest, ATabbersPageAreaIsTheCurrentPageOfANotebook) {
    const auto tabber = CreateTabber(10, 10, 280, 200, window, 0);
    const auto tabs = Cast<TGtkTabber>(tabber);
    GtkNotebook* notebook = GTK_NOTEBOOK(tabs->_widget);
    ASSERT_TRUE(GTK_IS_NOTEBOOK(notebook));
    EXPECT_EQ(gtk_notebook_get_n_pages(notebook), 1) << "the blank tab";
    SetGadgetIconStrip(tabber, OpenIconStrip(FourIcons()));
    AddGadgetItem(tabber, u"Spiel", 0, 0, u"Das Spiel");
    AddGadgetItem(tabber, u"Regeln", 0, -1);
    ASSERT_EQ(gtk_notebook_get_n_pages(notebook), 2);
    const auto button = CreateButton(u"Mischen", 5, 5, 100, 30, tabber, 0);
    for (int tab : {0, 1}) {
        SelectGadgetItem(tabber, tab);
        GtkWidget* page = gtk_notebook_get_nth_page(notebook, tab);
        EXPECT_EQ(gtk_widget_get_parent(tabs->_client), page) << tab;
        const GtkAllocation area = Placed(tabs->_client);
        EXPECT_EQ(area.width, GadgetClientWidth(tabber)) << tab;
        EXPECT_EQ(area.height, GadgetClientHeight(tabber)) << tab;
        EXPECT_TRUE(gtk_widget_is_ancestor(Cast<TGtkGadget>(button)->_widget, page)) << tab;
    }
    GtkWidget* label = gtk_notebook_get_tab_label(notebook, gtk_notebook_get_nth_page(notebook, 0));
    gchar* tip = gtk_widget_get_tooltip_text(label);
    EXPECT_STREQ(tip, "Das Spiel");
    g_free(tip);
    GList* parts = gtk_container_get_children(GTK_CONTAINER(label));
    EXPECT_TRUE(gtk_widget_get_visible(GTK_WIDGET(parts->data))) << "the icon";
    g_list_free(parts);
    ClearGadgetItems(tabber);
    EXPECT_EQ(gtk_notebook_get_n_pages(notebook), 1);
    EXPECT_TRUE(gtk_widget_is_ancestor(tabs->_client, tabs->_widget));
}

TEST_F(GtkItemKindsTest, AWindowWithToolbarAndTabberLooksNative) {
    FreeGadget(window);
    window = CreateWindow(u"Vandro", 40, 40, 340, 260, Desktop(), WindowTitleBar | WindowMenuBar);
    CreateMenu(u"&Spiel", 1, GetWindowMenu(window));
    CreateMenu(u"&Hilfe", 2, GetWindowMenu(window));
    RefreshWindowMenu(window);
    const auto toolbar = CreateToolbar(FourIcons(), 0, 0, 0, 0, window, 0);
    ModifyGadgetItem(toolbar, 1, {}, ItemFlagToggle, 1);
    const auto tabber = CreateTabber(8, 8, GadgetClientWidth(window) - 16,
                                     GadgetClientHeight(window) - 16, window, 0);
    SetGadgetIconStrip(tabber, OpenIconStrip(FourIcons()));
    for (const String name : {u"Spiel", u"Karten", u"Regeln"})
        AddGadgetItem(tabber, name, 0, name == u"Spiel" ? 0 : -1);
    CreateButton(u"Neues Spiel", 10, 10, 120, 32, tabber, 0);
    const GtkAllocation client = Placed(Cast<TGtkTabber>(tabber)->_client);
    PumpUntil([] { return false; }, 100);
    GdkWindow* frame = gtk_widget_get_window(Cast<TGtkWindow>(window)->_widget);
    GdkPixbuf* picture = gdk_pixbuf_get_from_window(frame, 0, 0, gdk_window_get_width(frame),
                                                    gdk_window_get_height(frame));
    ASSERT_TRUE(picture);
    EXPECT_TRUE(gdk_pixbuf_save(picture, "gtk-toolbar-tabber.png", "png", nullptr, nullptr));
    g_object_unref(picture);
    EXPECT_GT(client.height, 100);
}

TEST_F(GtkItemKindsTest, ATreeIsATreeViewInAScrolledFrameWithTheProgramsColours) {
    const auto tree = CreateTreeView(10, 10, 200, 150, window, 0);
    const auto element = Cast<TGtkTreeView>(tree);
    ASSERT_TRUE(GTK_IS_SCROLLED_WINDOW(element->_widget));
    EXPECT_EQ(gtk_bin_get_child(GTK_BIN(element->_widget)), element->_view);
    EXPECT_TRUE(GTK_IS_TREE_VIEW(element->_view));
    AddTreeNode(u"Eins", TreeViewRoot(tree), -1, {});
    SetGadgetColor(tree, 0x20, 0x40, 0xC0);
    // Below the one row, the view shows its background.
    EXPECT_EQ(PixelOf(element->_view, 100, 120), 0x20 + (0x40 << 8) + (0xC0 << 16));
}

TEST_F(GtkItemKindsTest, TreeNodesShowTheirIconsFromTheStripTheTreeHasNow) {
    const auto tree = CreateTreeView(10, 10, 200, 150, window, 0);
    const auto element = Cast<TGtkTreeView>(tree);
    const auto plain = AddTreeNode(u"Ohne", TreeViewRoot(tree), -1, {});
    const auto second = AddTreeNode(u"Zwei", TreeViewRoot(tree), 1, {});
    const auto shown = [&](const Ref<TGadget>& node) {
        GdkPixbuf* icon = nullptr;
        gtk_tree_model_get(GTK_TREE_MODEL(element->_store), Cast<TGtkTreeNode>(node)->Row(),
                           TGtkTreeView::ColumnIcon, &icon, -1);
        if (icon)
            g_object_unref(icon);
        return icon;
    };
    EXPECT_EQ(shown(second), nullptr) << "no strip yet";
    auto pixmap = TPixmap::Create(48, 16, 6, 4);
    pixmap->ClearPixels(static_cast<int>(0xFF808080u));
    const auto strip = Cast<TGtkIconStrip>(OpenIconStrip(pixmap));
    ASSERT_TRUE(strip);
    SetGadgetIconStrip(tree, strip);
    EXPECT_EQ(shown(second), strip->Icon(1));
    EXPECT_EQ(shown(plain), nullptr);
    const auto third = AddTreeNode(u"Drei", second, 2, {});
    EXPECT_EQ(shown(third), strip->Icon(2));
    ModifyTreeNode(third, u"Drei", -1);
    EXPECT_EQ(shown(third), nullptr);
    ModifyTreeNode(plain, u"Ohne", 0);
    EXPECT_EQ(shown(plain), strip->Icon(0));
    SetGadgetIconStrip(tree, nullptr);
    EXPECT_EQ(shown(plain), nullptr);
}

// Dragged with the right button, a node raises "GadgetDrag" with button 2 and no menu, and is
// dropped on its own tree; a right click without a drag still raises the menu, at its release.
TEST_F(GtkItemKindsTest, ARightButtonDragRaisesNoMenuAndARightClickStillDoes) {
    const auto tree = CreateTreeView(10, 10, 200, 150, window, TreeViewDragAndDrop);
    const auto one = AddTreeNode(u"Eins", TreeViewRoot(tree), -1, {});
    const auto two = AddTreeNode(u"Zwei", TreeViewRoot(tree), -1, {});
    Drain();
    int x = 0, y = 0, toX = 0, toY = 0;
    RowPoint(one, x, y);
    RowPoint(two, toX, toY);
    DragFromTo(x, y, toX, toY, 3);
    auto events = EventsUntil(GadgetDrop);
    ASSERT_EQ(Ids(events), (std::vector<int>{GadgetDrag, GadgetDrop}));
    EXPECT_EQ(events[0]->data, 2);
    EXPECT_EQ(events[0]->extra, one);
    EXPECT_EQ(events[1]->source, tree);
    EXPECT_EQ(events[1]->data, 2);
    EXPECT_EQ(events[1]->extra, one);
    EXPECT_EQ(events[1]->y - events[0]->y, toY - y);
    EXPECT_EQ(DragSource(2), nullptr);

    ClickAt(toX, toY, 3, 0);
    events = EventsUntil(GadgetMenu);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetMenu});
    EXPECT_EQ(events[0]->extra, two);
}

TEST_F(GtkItemKindsTest, AHundredTreesMadeAndFreedLeaveNoWidgetAndNoNodeBehind) {
    const int widgets = GtkDriver().liveWidgets;
    const long objects = TObject::LiveObjects();
    for (int round = 0; round < 100; ++round) {
        const auto tree = CreateTreeView(10, 10, 200, 150, window, 0);
        const auto node = AddTreeNode(u"Eltern", TreeViewRoot(tree), -1, {});
        AddTreeNode(u"Kind", node, -1, {});
        ExpandTreeNode(node);
        SelectTreeNode(node);
        if (round % 2)
            FreeTreeNode(node);
        PumpPending();
        FreeGadget(tree);
    }
    PumpPending();
    EXPECT_EQ(GtkDriver().liveWidgets, widgets);
    EXPECT_EQ(TObject::LiveObjects(), objects);
}

TEST_F(GtkItemKindsTest, AHundredListsAndCombosMadeAndFreedLeaveNoWidgetAndNoObjectBehind) {
    auto pixmap = TPixmap::Create(32, 16, 6, 4);
    pixmap->ClearPixels(static_cast<int>(0xFF808080u));
    const auto strip = OpenIconStrip(pixmap);
    ExpectAHundredLeaveNothing([&](int round) {
        const auto list = CreateListBox(10, 10, 120, 150, window, round % 2);
        const auto combo = CreateComboBox(140, 10, 120, 30, window, round % 2);
        for (const auto& gadget : {list, combo}) {
            SetGadgetIconStrip(gadget, strip);
            AddGadgetItem(gadget, u"Eins", 0, 0, u"Tipp");
            AddGadgetItem(gadget, u"Zwei", 0, 1);
            SelectGadgetItem(gadget, 1);
        }
        PumpPending();
        FreeGadget(list);
        FreeGadget(combo);
    });
}

TEST_F(GtkItemKindsTest, AHundredToolbarsAndTabbersMadeAndFreedLeaveNoWidgetAndNoObjectBehind) {
    const auto strip = OpenIconStrip(FourIcons());
    int pages = 0, gone = 0;
    ExpectAHundredLeaveNothing([&](int) {
        const auto toolbar = CreateToolbar(strip, 0, 0, 0, 0, window, 0);
        ModifyGadgetItem(toolbar, 0, {}, ItemFlagToggle, 0, u"Tipp");
        SelectGadgetItem(toolbar, 0);
        const auto tabber = CreateTabber(10, 10, 200, 150, window, 0);
        SetGadgetIconStrip(tabber, strip);
        AddGadgetItem(tabber, u"Eins", 0, 0, u"Tipp");
        AddGadgetItem(tabber, u"Zwei", 0, 1);
        SelectGadgetItem(tabber, 1);
        CreateButton(u"Knopf", 5, 5, 80, 30, tabber, 0);
        // Freed, the tabber holds its page area no more: the test's reference is the last.
        auto* area = G_OBJECT(Cast<TGtkTabber>(tabber)->_client);
        g_object_ref(area);
        ++pages;
        PumpPending();
        FreeGadget(toolbar);
        FreeGadget(tabber);
        if (area->ref_count == 1)
            ++gone;
        g_object_unref(area);
    });
    EXPECT_EQ(gone, pages) << "every page area";
}

} // namespace
} // namespace vandro

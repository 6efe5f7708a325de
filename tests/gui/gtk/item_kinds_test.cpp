// The item gadgets on GTK: the widgets behind them, their colours and icons, and a hundred of
// each made and freed with their items, which leave no widget and no object behind.
#include "GtkFixture.h"

#include "gui/gtk/GtkTreeView.h"

#include "gui/DriverFunctions.h"
#include "gui/GadgetItemFunctions.h"

namespace vandro {
namespace {

class GtkItemKindsTest : public GtkTest {
  protected:
    void SetUp() override {
        GtkTest::SetUp();
        if (IsSkipped())
            return;
        window = CreateWindow(u"Einträge", 40, 40, 300, 260, Desktop(), 1);
        Drain();
    }

    void TearDown() override {
        if (window)
            FreeGadget(window);
        Drain();
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

    Ref<TGadget> window;
};

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
    int widgets = 0;
    long objects = 0;
    // What the first round makes once (a tooltip, say) stays; the counts start after it.
    for (int round = 0; round <= 100; ++round) {
        if (round == 1) {
            Drain();
            widgets = GtkDriver().liveWidgets;
            objects = TObject::LiveObjects();
        }
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
    }
    Drain();
    EXPECT_EQ(GtkDriver().liveWidgets, widgets);
    EXPECT_EQ(TObject::LiveObjects(), objects);
}

} // namespace
} // namespace vandro

// Windows on GTK are where the program puts them, with the client area it asks for: the menu
// bar above and the status line below are outside it, and showing a window raises no move or
// size of its own. A frame that would leave the work area is moved onto it.
#include "GtkFixture.h"

#include "gui/gtk/GtkWindow.h"
#include "runtime/Exceptions.h"
#include "tests/support/PlatformUser.h"

#include <X11/Xlib.h>
#include <gdk/gdkx.h>

namespace vandro {
namespace {

using GtkWindowGeometryTest = GtkTest;

constexpr int kGameStyle = 557;

GtkAllocation ClientAllocation(const Ref<TGadget>& window) {
    GtkAllocation allocation;
    gtk_widget_get_allocation(Cast<TGtkWindow>(window)->_client, &allocation);
    return allocation;
}

void WaitUntilAllocated(const Ref<TGadget>& window, int w, int h) {
    PumpUntil(
        [&] {
            const GtkAllocation client = ClientAllocation(window);
            return client.width == w && client.height == h;
        },
        2000);
}

TEST_F(GtkWindowGeometryTest, ACaseRunsOnTheDisplayCtestHandedIt) {
    const std::string handed = HandedTestResource("gtk_displays");
    if (handed.empty())
        GTEST_SKIP() << "not handed a display of the pool (run through the test preset)";
    EXPECT_EQ(std::getenv("DISPLAY"), ":" + handed);
    EXPECT_EQ(gdk_display_get_name(gdk_display_get_default()), ":" + handed);
}

TEST_F(GtkWindowGeometryTest, Style557WithAClientOf290By280HasExactlyThatClientArea) {
    const auto window = CreateWindow(u"Vandro", 0, 0, 290, 280, {}, kGameStyle);
    WaitUntilAllocated(window, 290, 280);
    EXPECT_EQ(GadgetClientWidth(window), 290);
    EXPECT_EQ(GadgetClientHeight(window), 280);
    const GtkAllocation client = ClientAllocation(window);
    EXPECT_EQ(client.width, 290);
    EXPECT_EQ(client.height, 280);

    // The X window is the client area with the menu bar on top and the status line below.
    const auto gtk = Cast<TGtkWindow>(window);
    GtkAllocation bar, status;
    gtk_widget_get_allocation(gtk->MenuBar(), &bar);
    gtk_widget_get_allocation(gtk->_status, &status);
    EXPECT_EQ(bar.y, 0);
    EXPECT_EQ(client.y, bar.height);
    EXPECT_EQ(status.y, client.y + 280);
    Window root;
    int x = 0, y = 0;
    unsigned width = 0, height = 0, border = 0, depth = 0;
    XGetGeometry(GDK_DISPLAY_XDISPLAY(gdk_display_get_default()),
                 GDK_WINDOW_XID(gtk_widget_get_window(gtk->_widget)), &root, &x, &y, &width,
                 &height, &border, &depth);
    EXPECT_EQ(width, 290u);
    EXPECT_EQ(static_cast<int>(height), bar.height + 280 + status.height);
    FreeGadget(window);
}

TEST_F(GtkWindowGeometryTest, ACentredClientAreaIsCentredOnTheWorkArea) {
    const auto window = CreateWindow(u"Vandro", 0, 0, 290, 280, {}, kGameStyle);
    WaitUntilAllocated(window, 290, 280);
    // Xvfb's screen is 1280 x 1024 and, without a panel, all of it is work area.
    EXPECT_EQ(GadgetClientWidth(Desktop()), 1280);
    EXPECT_EQ(GadgetClientHeight(Desktop()), 1024);
    EXPECT_EQ(GadgetX(window), (1280 - 290) / 2);
    EXPECT_EQ(GadgetY(window), (1024 - 280) / 2);
    int x = 0, y = 0;
    gdk_window_get_origin(gtk_widget_get_window(Cast<TGtkWindow>(window)->_client), &x, &y);
    EXPECT_EQ(x, GadgetX(window));
    EXPECT_EQ(y, GadgetY(window));
    FreeGadget(window);
}

TEST_F(GtkWindowGeometryTest, ShowingAWindowActivatesItAndRaisesNoMoveOrSize) {
    const auto window = CreateWindow(u"Vandro", 0, 0, 290, 280, {}, kGameStyle);
    WaitUntilAllocated(window, 290, 280);
    const auto events = Drain();
    for (const auto& event : events) {
        EXPECT_NE(event->id, WindowMove);
        EXPECT_NE(event->id, WindowSize);
    }
    int activations = 0;
    for (const auto& event : events)
        if (event->id == WindowActivate && event->source == window)
            ++activations;
    EXPECT_EQ(activations, 1);
    EXPECT_TRUE(gtk_window_is_active(GTK_WINDOW(Cast<TGtkWindow>(window)->_widget)));
    FreeGadget(window);
}

TEST_F(GtkWindowGeometryTest,
       MovingAWindowFromTheProgramRaisesNothingMovingItAsTheUserDoesRaisesWindowMove) {
    const auto window = CreateWindow(u"Vandro", 100, 120, 200, 150, {}, 1 | 0x20);
    WaitUntilAllocated(window, 200, 150);
    Drain();
    SetGadgetShape(window, 300, 200, 200, 150);
    PumpUntil([] { return false; }, 100);
    EXPECT_TRUE(Drain().empty());
    int x = 0, y = 0;
    gdk_window_get_origin(gtk_widget_get_window(Cast<TGtkWindow>(window)->_client), &x, &y);
    EXPECT_EQ(x, 300);
    EXPECT_EQ(y, 200);
    // A move the program did not make: the window reports where it is now.
    GdkWindow* frame = gtk_widget_get_window(Cast<TGtkWindow>(window)->_widget);
    XMoveWindow(GDK_DISPLAY_XDISPLAY(gdk_display_get_default()), GDK_WINDOW_XID(frame), 40, 50);
    const auto events = DrainAfterInput();
    ASSERT_EQ(Ids(events), std::vector<int>{WindowMove});
    EXPECT_EQ(events[0]->x, 40);
    EXPECT_EQ(events[0]->y, 50);
    EXPECT_EQ(GadgetX(window), 40);
    FreeGadget(window);
}

// No window manager runs on the test's display: nothing but the platform keeps the frame on the
// screen, also when a toolbar comes above a client area that stays where it was asked for.
TEST_F(GtkWindowGeometryTest, AFrameOffTheWorkAreaIsPlacedOnItWithoutAMove) {
    const int style = WindowTitleBar | WindowMenuBar | WindowStatusBar | WindowClientCoords;
    const auto high = CreateWindow(u"Oben", 40, 30, 300, 200, {}, style);
    WaitUntilAllocated(high, 300, 200);
    const auto gtk = Cast<TGtkWindow>(high);
    const int bar = gtk_widget_get_allocated_height(gtk->MenuBar());
    ASSERT_GT(bar, 10);
    ASSERT_LT(bar, 30);
    int x = 0, y = 0;
    gdk_window_get_origin(gtk_widget_get_window(gtk->_widget), &x, &y);
    EXPECT_EQ(y, 30 - bar);
    EXPECT_EQ(GadgetY(high), 30);

    auto icon = TPixmap::Create(16, 16, 6, 4);
    icon->ClearPixels(static_cast<int>(0xFFFFFFFFu));
    icon->WritePixel(8, 8, static_cast<int>(0xFF000000u));
    CreateToolbar(icon, 0, 0, 0, 0, high, 0);
    const int above = bar + gtk->ToolbarHeight();
    ASSERT_GT(above, 30);
    PumpUntil(
        [&] {
            gdk_window_get_origin(gtk_widget_get_window(gtk->_client), &x, &y);
            return y == above;
        },
        2000);
    gdk_window_get_origin(gtk_widget_get_window(gtk->_widget), &x, &y);
    EXPECT_EQ(x, 40);
    EXPECT_EQ(y, 0);
    EXPECT_EQ(GadgetX(high), 40);
    EXPECT_EQ(GadgetY(high), above);
    gdk_window_get_origin(gtk_widget_get_window(gtk->_client), &x, &y);
    EXPECT_EQ(y, above);

    // Past the right and bottom edges of Xvfb's 1280 x 1024.
    const auto low =
        CreateWindow(u"Unten", 1200, 1000, 300, 200, {}, WindowTitleBar | WindowClientCoords);
    WaitUntilAllocated(low, 300, 200);
    gdk_window_get_origin(gtk_widget_get_window(Cast<TGtkWindow>(low)->_widget), &x, &y);
    EXPECT_EQ(x, 980);
    EXPECT_EQ(y, 824);
    EXPECT_EQ(GadgetX(low), 980);
    EXPECT_EQ(GadgetY(low), 824);
    PumpUntil([] { return false; }, 100);
    for (const auto& event : Drain())
        EXPECT_NE(event->id, WindowMove);
    FreeGadget(high);
    FreeGadget(low);
}

TEST_F(GtkWindowGeometryTest, AStatusTextIsSplitAtTabsIntoLeftCentreAndRightFields) {
    const auto window = CreateWindow(u"Vandro", 0, 0, 290, 280, {}, kGameStyle);
    SetWindowStatusText(window, u"Spieler 2\t\tKarten: 18 / 20");
    const auto gtk = Cast<TGtkWindow>(window);
    EXPECT_STREQ(gtk_label_get_text(GTK_LABEL(gtk->StatusLabel(0))), "Spieler 2");
    EXPECT_STREQ(gtk_label_get_text(GTK_LABEL(gtk->StatusLabel(1))), "");
    EXPECT_STREQ(gtk_label_get_text(GTK_LABEL(gtk->StatusLabel(2))), "Karten: 18 / 20");
    EXPECT_EQ(WindowStatusText(window), u"Spieler 2\t\tKarten: 18 / 20");
    FreeGadget(window);
}

TEST_F(GtkWindowGeometryTest, AResizableWindowPadsItsStatusTextButAnswersItAsSet) {
    const auto window = CreateWindow(u"Vandro", 0, 0, 290, 280, {}, kGameStyle | 2);
    SetWindowStatusText(window, u"a\tb\tc");
    const auto gtk = Cast<TGtkWindow>(window);
    EXPECT_STREQ(gtk_label_get_text(GTK_LABEL(gtk->StatusLabel(1))), "b");
    EXPECT_STREQ(gtk_label_get_text(GTK_LABEL(gtk->StatusLabel(2))), "c     ");
    EXPECT_EQ(WindowStatusText(window), u"a\tb\tc");
    FreeGadget(window);
}

} // namespace
} // namespace vandro

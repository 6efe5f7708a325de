// Windows on GTK: the client area is the widget the gadgets sit in, with the menu bar above and
// the status line below it in the X window, and a frame that would leave the work area is moved
// onto it.
#include "GtkFixture.h"

#include "gui/gtk/GtkWindow.h"
#include "runtime/Exceptions.h"
#include "tests/support/PlatformUser.h"

#include <X11/Xatom.h>
#include <X11/Xlib.h>
#include <gdk/gdkx.h>

#include <algorithm>
#include <array>
#include <vector>

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

GdkRectangle Frame(const Ref<TGadget>& window) {
    GdkRectangle frame{};
    gdk_window_get_frame_extents(gtk_widget_get_window(Cast<TGtkWindow>(window)->_widget), &frame);
    return frame;
}

GdkPoint ClientOrigin(const Ref<TGadget>& window) {
    GdkPoint origin{};
    gdk_window_get_origin(gtk_widget_get_window(Cast<TGtkWindow>(window)->_client), &origin.x,
                          &origin.y);
    return origin;
}

// The platform keeps the frame, the window manager's decorations included, on the work area,
// also when a toolbar comes above a client area that stays where it was asked for, and the
// program sees no move for it.
TEST_F(GtkWindowGeometryTest, AFrameOffTheWorkAreaIsPlacedOnItWithoutAMove) {
    const int style = WindowTitleBar | WindowMenuBar | WindowStatusBar | WindowClientCoords;
    const auto high = CreateWindow(u"Oben", 40, 30, 300, 200, {}, style);
    WaitUntilAllocated(high, 300, 200);
    const auto gtk = Cast<TGtkWindow>(high);
    const int bar = gtk_widget_get_allocated_height(gtk->MenuBar());
    ASSERT_GT(bar, 10);
    ASSERT_LT(bar, 30);
    EXPECT_EQ(Frame(high).y, 0);
    EXPECT_EQ(GadgetX(high), 40);
    EXPECT_EQ(GadgetY(high), ClientOrigin(high).y);
    EXPECT_GE(GadgetY(high), bar);

    auto icon = TPixmap::Create(16, 16, 6, 4);
    icon->ClearPixels(static_cast<int>(0xFFFFFFFFu));
    icon->WritePixel(8, 8, static_cast<int>(0xFF000000u));
    const int before = GadgetY(high);
    CreateToolbar(icon, 0, 0, 0, 0, high, 0);
    const int below = before + gtk->ToolbarHeight();
    PumpUntil([&] { return ClientOrigin(high).y == below; }, 2000);
    EXPECT_EQ(Frame(high).y, 0);
    EXPECT_EQ(ClientOrigin(high).x, 40);
    EXPECT_EQ(ClientOrigin(high).y, below);
    EXPECT_EQ(GadgetX(high), 40);
    EXPECT_EQ(GadgetY(high), below);

    // Past the right and bottom edges of Xvfb's 1280 x 1024.
    const auto low =
        CreateWindow(u"Unten", 1200, 1000, 300, 200, {}, WindowTitleBar | WindowClientCoords);
    WaitUntilAllocated(low, 300, 200);
    EXPECT_LE(Frame(low).x + Frame(low).width, 1280);
    EXPECT_LE(Frame(low).y + Frame(low).height, 1024);
    EXPECT_EQ(GadgetX(low), ClientOrigin(low).x);
    EXPECT_EQ(GadgetY(low), ClientOrigin(low).y);
    EXPECT_LT(GadgetX(low), 1200);
    EXPECT_LT(GadgetY(low), 1000);
    PumpUntil([] { return false; }, 100);
    for (const auto& event : Drain())
        EXPECT_NE(event->id, WindowMove);
    FreeGadget(high);
    FreeGadget(low);
}

// The frame's extents a window manager puts on a window: left, right, top, bottom.
std::array<long, 4> Extents(GdkWindow* native) {
    Display* display = GDK_WINDOW_XDISPLAY(native);
    Atom type = None;
    int format = 0;
    unsigned long count = 0, after = 0;
    unsigned char* data = nullptr;
    std::array<long, 4> sides{};
    if (XGetWindowProperty(display, GDK_WINDOW_XID(native),
                           XInternAtom(display, "_NET_FRAME_EXTENTS", False), 0, 4, False,
                           XA_CARDINAL, &type, &format, &count, &after, &data) == Success &&
        count == 4)
        std::copy_n(reinterpret_cast<const long*>(data), 4, sides.begin());
    if (data)
        XFree(data);
    return sides;
}

// Draws the frame anew with a handle of four pixels at the bottom, as the window manager does
// when it turns from the frame it foretold to the one it draws.
void GrowBottomEdge(GdkWindow* native) {
    auto sides = Extents(native);
    sides[3] += 4;
    Display* display = GDK_WINDOW_XDISPLAY(native);
    XChangeProperty(display, GDK_WINDOW_XID(native),
                    XInternAtom(display, "_NET_FRAME_EXTENTS", False), XA_CARDINAL, 32,
                    PropModeReplace, reinterpret_cast<const unsigned char*>(sides.data()), 4);
    PumpUntil([] { return false; }, 200);
}

GdkWindow* Native(const Ref<TGadget>& window) {
    return gtk_widget_get_window(Cast<TGtkWindow>(window)->_widget);
}

// A window manager foretells a frame with a handle to resize by, and a window that cannot be
// resized then gets one without: the program's size holds, and the user's move is only a move.
TEST_F(GtkWindowGeometryTest, AFrameOtherThanTheOneForetoldKeepsTheProgramsSize) {
    const auto window =
        CreateWindow(u"Fest", 100, 120, 200, 150, {}, WindowTitleBar | WindowClientCoords);
    WaitUntilAllocated(window, 200, 150);
    PumpUntil([] { return false; }, 100);
    Drain();
    ASSERT_NE(Extents(Native(window))[2], 0) << "no window manager framed the window";
    GrowBottomEdge(Native(window));
    ASSERT_EQ(PlatformUser()->MoveWindowFrame(window, 240, 260), 1);
    PumpUntil([] { return false; }, 200);
    std::vector<int> ids;
    for (const auto& event : Drain())
        if (event->source == window)
            ids.push_back(event->id);
    EXPECT_EQ(ids, std::vector<int>{WindowMove});
    EXPECT_EQ(GadgetX(window), 240);
    EXPECT_EQ(GadgetY(window), 260);
    EXPECT_EQ(GadgetWidth(window), 200);
    EXPECT_EQ(GadgetHeight(window), 150);
    FreeGadget(window);

    // A frame given is measured again with the new extents: the window inside it shrinks.
    const auto framed = CreateWindow(u"Rahmen", 100, 120, 300, 200, {}, WindowTitleBar);
    PumpUntil([&] { return Extents(Native(framed))[2] != 0; }, 2000);
    PumpUntil([] { return false; }, 100);
    GrowBottomEdge(Native(framed));
    const auto sides = Extents(Native(framed));
    PumpUntil([&] { return gdk_window_get_height(Native(framed)) + sides[2] + sides[3] == 200; },
              2000);
    EXPECT_EQ(gdk_window_get_height(Native(framed)) + sides[2] + sides[3], 200);
    EXPECT_EQ(GadgetHeight(framed), 200);
    FreeGadget(framed);
}

} // namespace
} // namespace vandro

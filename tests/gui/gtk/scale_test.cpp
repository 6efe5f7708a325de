// The game on GTK at twice the pixels (ctest runs these cases with GDK_SCALE=2): GTK's logical
// pixels stay the program's 96-DPI units, the X server's pixels are twice as many, a click at a
// card's centre in those pixels uncovers it, and the text is drawn at the finer pixels rather
// than stretched. The capture is saved (as docs/vandro-gtk-scale2.png when VANDRO_UPDATE_DOCS is
// set).
#include "BoardFixture.h"

#include <gdk/gdkx.h>

#include <cstdlib>
#include <string>

namespace vandro {
namespace {

using GtkScaleTest = GtkBoardTest;

constexpr int kScale = 2;

int PackedRgb(const guchar* p) { return (p[0] << 16) | (p[1] << 8) | p[2]; }
int PackedRgb(const TColour& c) { return (c.red << 16) | (c.green << 8) | c.blue; }

// The frame as the X server holds it: its origin on the root window and its size.
GdkRectangle ServerFrame() {
    GdkWindow* frame = gtk_widget_get_window(GtkBoardTest::Window()->_widget);
    Display* display = GDK_WINDOW_XDISPLAY(frame);
    const Window xid = GDK_WINDOW_XID(frame);
    XWindowAttributes attributes{};
    XGetWindowAttributes(display, xid, &attributes);
    int x = 0, y = 0;
    Window child = 0;
    XTranslateCoordinates(display, xid, attributes.root, 0, 0, &x, &y, &child);
    return GdkRectangle{x, y, attributes.width, attributes.height};
}

// Where the widget lies in the frame, in GTK's pixels.
GdkRectangle InFrame(GtkWidget* widget) {
    int x = 0, y = 0;
    gtk_widget_translate_coordinates(widget, GtkBoardTest::Window()->_widget, 0, 0, &x, &y);
    return GdkRectangle{x, y, gtk_widget_get_allocated_width(widget),
                        gtk_widget_get_allocated_height(widget)};
}

std::string PictureTarget(const std::string& name) {
    return std::getenv("VANDRO_UPDATE_DOCS") ? VANDRO_SOURCE_DIR "/docs/" + name : name;
}

TEST_F(GtkScaleTest, TheBoardKeepsItsUnitsAndTakesTwiceTheServersPixels) {
    WaitUntilDrawn();
    ASSERT_EQ(gtk_widget_get_scale_factor(Window()->_widget), kScale);
    EXPECT_EQ(GadgetClientWidth(GameState().gamewindow), 290);
    EXPECT_EQ(GadgetClientHeight(GameState().gamewindow), 280);
    const GtkAllocation client = Placed(Window()->_client);
    EXPECT_EQ(client.width, 290);
    EXPECT_EQ(client.height, 280);
    const GdkRectangle card = Placed(Button(4, 3)->_widget);
    EXPECT_EQ(card.x, 4 * 58);
    EXPECT_EQ(card.y, 24 + 3 * 58);
    EXPECT_EQ(card.width, 58);
    EXPECT_EQ(card.height, 58);
    const GdkRectangle frame = ServerFrame();
    GdkWindow* window = gtk_widget_get_window(Window()->_widget);
    EXPECT_EQ(frame.width, kScale * gdk_window_get_width(window));
    EXPECT_EQ(frame.height, kScale * gdk_window_get_height(window));
}

// 11 x 10 cards of 58 units and their window need more than the 640 x 512 units of a 1280 x 1024
// screen at twice the pixels. The cards shrink to fit what the window manager's decorations, the
// menu bar and status line (47) and the two rows of labels (2 x 24) leave of the 512: 41 without
// decorations, and the frame lies on the screen.
TEST_F(GtkScaleTest, TheLargestBoardShrinksItsCardsToFitTheScreen) {
    NewGame(11, 10, 1);
    WaitUntilDrawn();
    ASSERT_EQ(gdk_window_get_width(gdk_get_default_root_window()), 640);
    ASSERT_EQ(gdk_window_get_height(gdk_get_default_root_window()), 512);
    GdkWindow* window = gtk_widget_get_window(Window()->_widget);
    GdkRectangle decorated{};
    gdk_window_get_frame_extents(window, &decorated);
    const int decorationH = decorated.height - gdk_window_get_height(window);
    int left = 0, top = 0, frameW = 0, frameH = 0;
    ASSERT_EQ(WindowFrameRect(GameState().gamewindow, left, top, frameW, frameH), 1);
    ASSERT_EQ(frameH, 47 + decorationH);
    const int card = (512 - frameH - 2 * 24) / 10;
    EXPECT_EQ(GameState().cardsize, card);
    EXPECT_LE(card, 41);
    EXPECT_EQ(gdk_window_get_width(window), 11 * card);
    EXPECT_EQ(gdk_window_get_height(window), 47 + 2 * 24 + 10 * card);
    gdk_window_get_frame_extents(window, &decorated);
    EXPECT_GE(decorated.x, 0);
    EXPECT_GE(decorated.y, 0);
    EXPECT_LE(decorated.x + decorated.width, 640);
    EXPECT_LE(decorated.y + decorated.height, 512);
    EXPECT_EQ(GadgetClientWidth(GameState().gamewindow), 11 * card);
    EXPECT_EQ(GadgetClientHeight(GameState().gamewindow), 2 * 24 + 10 * card);
    for (int column = 0; column < 11; ++column)
        for (int row = 0; row < 10; ++row) {
            SCOPED_TRACE(testing::Message() << "card " << column << ", " << row);
            const GdkRectangle placed = Placed(Button(column, row)->_widget);
            EXPECT_EQ(placed.x, card * column);
            EXPECT_EQ(placed.y, 24 + card * row);
            EXPECT_EQ(placed.width, card);
            EXPECT_EQ(placed.height, card);
        }
    EXPECT_EQ(Placed(Cast<TGtkLabel>(GameState().playerlabels[3])->_widget).y, 24 + 10 * card);
}

TEST_F(GtkScaleTest, AClickAtACardsCentreInTheServersPixelsUncoversThatCard) {
    WaitUntilDrawn();
    const Ref<TCard> card = CardAt(3, 2);
    const GdkRectangle frame = ServerFrame();
    const GdkRectangle placed = InFrame(Button(3, 2)->_widget);
    const int x = frame.x + kScale * placed.x + kScale * placed.width / 2;
    const int y = frame.y + kScale * placed.y + kScale * placed.height / 2;
    // The user's own centre is the same point.
    int userX = 0, userY = 0;
    ASSERT_TRUE(ScreenCentre(Button(3, 2)->_widget, userX, userY));
    EXPECT_EQ(userX, x);
    EXPECT_EQ(userY, y);
    ClickAt(x, y, 1, 0);
    PumpUntil([] { return PeekEvent() != nullptr; }, 2000);
    Settle();
    ASSERT_EQ(GameState().pickedcount, 1);
    EXPECT_EQ(GameState().picked[0], card);
}

TEST_F(GtkScaleTest, TheTextIsDrawnAtTheFinerPixelsNotStretched) {
    ASSERT_EQ(PlatformUser()->PressButton(CardAt(0, 0)->gadget), 1);
    ASSERT_EQ(PlatformUser()->PressButton(CardAt(4, 3)->gadget), 1);
    Settle();
    WaitUntilDrawn();
    GdkWindow* window = gtk_widget_get_window(Window()->_widget);
    GdkPixbuf* picture = gdk_pixbuf_get_from_window(window, 0, 0, gdk_window_get_width(window),
                                                    gdk_window_get_height(window));
    ASSERT_NE(picture, nullptr);
    EXPECT_EQ(gdk_pixbuf_get_width(picture), kScale * gdk_window_get_width(window));
    ASSERT_TRUE(gdk_pixbuf_save(picture, PictureTarget("vandro-gtk-scale2.png").c_str(), "png",
                                nullptr, nullptr));
    // The question mark of a covered card: its ink, and where ink meets the face.
    const GdkRectangle card = InFrame(Button(2, 1)->_widget);
    const int ink = PackedRgb(GameState().palette.coveredtextcolor);
    const int face = PackedRgb(GameState().palette.facecolor);
    const int stride = gdk_pixbuf_get_rowstride(picture);
    const int channels = gdk_pixbuf_get_n_channels(picture);
    const guchar* pixels = gdk_pixbuf_get_pixels(picture);
    int top = 1 << 20, bottom = -1, inked = 0, between = 0, oddEdges = 0, evenEdges = 0;
    for (int y = kScale * card.y + 4; y < kScale * (card.y + card.height) - 4; ++y) {
        int before = face;
        for (int x = kScale * card.x + 4; x < kScale * (card.x + card.width) - 4; ++x) {
            const int pixel = PackedRgb(pixels + y * stride + x * channels);
            if (pixel == ink) {
                ++inked;
                top = std::min(top, y);
                bottom = std::max(bottom, y);
            } else if (pixel != face) {
                ++between;
            }
            if (before == face && pixel != face)
                ++((x % 2) ? oddEdges : evenEdges);
            before = pixel;
        }
    }
    g_object_unref(picture);
    // 36 points are 48 of GTK's pixels, 96 of the server's; the mark is about 0.7 of that high.
    EXPECT_GE(bottom - top + 1, 60);
    EXPECT_LE(bottom - top + 1, 80);
    // Doubled pixels would start every stroke at an even column; smoothed ones would be mostly
    // edge.
    EXPECT_GT(oddEdges, 0);
    EXPECT_GT(evenEdges, 0);
    EXPECT_GT(inked, between);
}

} // namespace
} // namespace vandro

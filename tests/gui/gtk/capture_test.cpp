// The game window on GTK as a picture, saved (as docs/vandro-gtk.png when VANDRO_UPDATE_DOCS is
// set) and checked pixel by pixel against the colours the game gave its cards and labels.
#include "BoardFixture.h"

#include <cmath>
#include <cstdlib>

namespace vandro {
namespace {

using GtkCaptureTest = GtkBoardTest;

struct Rgb {
    int red, green, blue;
};

Rgb PixelAt(GdkPixbuf* picture, int x, int y) {
    const guchar* p = gdk_pixbuf_get_pixels(picture) + y * gdk_pixbuf_get_rowstride(picture) +
                      x * gdk_pixbuf_get_n_channels(picture);
    return {p[0], p[1], p[2]};
}

bool Near(const Rgb& pixel, int color, int tolerance) {
    return std::abs(pixel.red - (color & 255)) <= tolerance &&
           std::abs(pixel.green - ((color >> 8) & 255)) <= tolerance &&
           std::abs(pixel.blue - ((color >> 16) & 255)) <= tolerance;
}

int Packed(const TColour& colour) { return colour.red + (colour.green << 8) + (colour.blue << 16); }

// Pixels of the rectangle drawn in this colour, text anti-aliasing aside.
int InkPixels(GdkPixbuf* picture, int left, int top, int width, int height, int color) {
    int count = 0;
    for (int y = top; y < top + height; ++y)
        for (int x = left; x < left + width; ++x)
            count += Near(PixelAt(picture, x, y), color, 24) ? 1 : 0;
    return count;
}

// Finds the card dealt with the same symbol as this one.
Ref<TCard> PartnerOf(const Ref<TCard>& card) {
    for (const auto& column : TDeck::cards)
        for (const auto& other : column)
            if (other != card && other->symbol == card->symbol)
                return other;
    return {};
}

void Press(const Ref<TCard>& card) {
    ASSERT_EQ(PlatformUser()->PressButton(card->gadget), 1);
    GtkBoardTest::Settle();
}

TEST_F(GtkCaptureTest, TheWindowLooksAsTheGameColouredItAndIsSavedForTheDocumentation) {
    NewGame(5, 4, 2);
    // A pair found by player 1, then two cards face up that do not match.
    const Ref<TCard> first = CardAt(0, 0);
    const Ref<TCard> partner = PartnerOf(first);
    Press(first);
    Press(partner);
    Press(CardAt(4, 3) == partner ? CardAt(3, 3) : CardAt(4, 3));
    Ref<TCard> faceUp[2];
    int found = 0;
    for (int row = 0; row < 4 && found < 2; ++row)
        for (int column = 0; column < 5 && found < 2; ++column) {
            const Ref<TCard> card = CardAt(column, row);
            if (Button(column, row)->_widget && card->symbol != first->symbol &&
                (found == 0 || card->symbol != faceUp[0]->symbol))
                faceUp[found++] = card;
        }
    Press(faceUp[0]);
    Press(faceUp[1]);
    WaitUntilDrawn();
    EXPECT_EQ(GameState().scores[0], 1);

    GdkWindow* frame = gtk_widget_get_window(Window()->_widget);
    GdkPixbuf* picture = gdk_pixbuf_get_from_window(frame, 0, 0, gdk_window_get_width(frame),
                                                    gdk_window_get_height(frame));
    ASSERT_NE(picture, nullptr);
    // The documentation's picture is replaced only when asked for; otherwise it goes beside
    // the test.
    const char* target = std::getenv("VANDRO_UPDATE_DOCS") ? VANDRO_SOURCE_DIR
                             "/docs/vandro-gtk.png"
                                                           : "vandro-gtk.png";
    ASSERT_TRUE(gdk_pixbuf_save(picture, target, "png", nullptr, nullptr));
    const GtkAllocation client = Placed(Window()->_client);
    const TPalette& palette = GameState().palette;
    for (int column = 0; column < 5; ++column)
        for (int row = 0; row < 4; ++row) {
            SCOPED_TRACE(testing::Message() << "card " << column << ", " << row);
            const Ref<TCard> card = CardAt(column, row);
            const int left = client.x + 58 * column, top = client.y + 24 + 58 * row;
            if (!Button(column, row)->_widget) {
                // Removed: the window's own ground shows through.
                EXPECT_TRUE(
                    Near(PixelAt(picture, left + 29, top + 29), Packed(palette.facecolor), 3));
                continue;
            }
            const int face = Button(column, row)->_bgcolor;
            // Inside the rounded corners and the outline.
            EXPECT_TRUE(Near(PixelAt(picture, left + 9, top + 9), face, 1));
            EXPECT_TRUE(Near(PixelAt(picture, left + 48, top + 48), face, 1));
            const int ink = card->uncovered ? Packed(palette.symboltextcolor)
                                            : Packed(palette.coveredtextcolor);
            EXPECT_GT(InkPixels(picture, left + 4, top + 4, 50, 50, ink), 15);
        }
    // Player 1 on turn in inverted colours, player 2 in the ordinary ones, 3 and 4 faded on
    // the window's ground: sampled where the texts do not reach.
    EXPECT_TRUE(
        Near(PixelAt(picture, client.x + 140, client.y + 12), Packed(palette.invfacecolor), 1));
    EXPECT_TRUE(
        Near(PixelAt(picture, client.x + 150, client.y + 12), Packed(palette.facecolor), 1));
    EXPECT_GT(InkPixels(picture, client.x, client.y, 145, 24, Packed(palette.invtextcolor)), 30);
    EXPECT_GT(InkPixels(picture, client.x + 145, client.y, 145, 24, Packed(palette.textcolor)), 30);
    g_object_unref(picture);
}

} // namespace
} // namespace vandro

// The game window on GTK as pictures, saved (as docs/vandro-gtk.png and docs/vandro-gtk-menu.png
// when VANDRO_UPDATE_DOCS is set) and checked pixel by pixel: the colours the game gave its cards
// and labels, the check marks of its menu, and every symbol's ink on its own card.
#include "BoardFixture.h"

#include "runtime/Text.h"

#include <cmath>
#include <cstdlib>
#include <string>

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

// The documentation's pictures are replaced only when asked for; otherwise they go beside the
// test.
std::string PictureTarget(const std::string& name) {
    return std::getenv("VANDRO_UPDATE_DOCS") ? VANDRO_SOURCE_DIR "/docs/" + name : name;
}

GdkPixbuf* CaptureWindow() {
    GdkWindow* frame = gtk_widget_get_window(GtkBoardTest::Window()->_widget);
    return gdk_pixbuf_get_from_window(frame, 0, 0, gdk_window_get_width(frame),
                                      gdk_window_get_height(frame));
}

// The first pixel outside the rectangle that differs between the two pictures, as "x, y".
std::string ChangedOutside(GdkPixbuf* before, GdkPixbuf* after, const GdkRectangle& inside) {
    for (int y = 0; y < gdk_pixbuf_get_height(before); ++y)
        for (int x = 0; x < gdk_pixbuf_get_width(before); ++x) {
            const bool in = x >= inside.x && x < inside.x + inside.width && y >= inside.y &&
                            y < inside.y + inside.height;
            const Rgb was = PixelAt(before, x, y), is = PixelAt(after, x, y);
            if (!in && (was.red != is.red || was.green != is.green || was.blue != is.blue))
                return std::to_string(x) + ", " + std::to_string(y);
        }
    return {};
}

// The rectangle of the widget's window on the screen.
GdkRectangle OnScreen(GtkWidget* widget) {
    GdkRectangle place;
    gdk_window_get_frame_extents(gtk_widget_get_window(gtk_widget_get_toplevel(widget)), &place);
    return place;
}

void Press(const Ref<TCard>& card) {
    ASSERT_EQ(PlatformUser()->PressButton(card->gadget), 1);
    GtkBoardTest::Settle();
}

TEST_F(GtkCaptureTest, TheWindowLooksAsTheGameColouredItAndIsSavedForTheDocumentation) {
    NewGame(5, 4, 2);
    // A pair found by player 1, then two cards face up that do not match.
    const Ref<TCard> first = CardAt(0, 0);
    const Ref<TCard> partner = GtkBoardTest::PartnerOf(first);
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

    GdkPixbuf* picture = CaptureWindow();
    ASSERT_NE(picture, nullptr);
    ASSERT_TRUE(
        gdk_pixbuf_save(picture, PictureTarget("vandro-gtk.png").c_str(), "png", nullptr, nullptr));
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

TEST_F(GtkCaptureTest, TheGameMenuMarksOnlyTheChosenItemsAndIsSavedForTheDocumentation) {
    // A board wide enough for both menus to open over it.
    NewGame(7, 6, 1);
    WaitUntilDrawn();
    const TGameState& game = GameState();
    ASSERT_TRUE(OpenByClick(game.gamemenu));
    ASSERT_TRUE(OpenByClick(game.sizemenu));
    for (const Object& kid : *game.gamemenu->kids) {
        const auto item = Cast<TGtkMenu>(kid);
        if (item->kids->IsEmpty() && !item->name.empty()) {
            EXPECT_EQ(MarkPixels(item), 0) << "Spiel: " << ToUtf8(item->name);
        }
    }
    for (const Object& kid : *game.sizemenu->kids) {
        const auto item = Cast<TGtkMenu>(kid);
        if (item->_tag == 100 + game.rows) {
            EXPECT_GT(MarkPixels(item), 10);
        } else {
            EXPECT_EQ(MarkPixels(item), 0) << "Grösse: " << ToUtf8(item->name);
        }
    }
    // The window with both menus open over it, as the screen shows them.
    GdkRectangle shown = OnScreen(Window()->_widget);
    for (const auto& menu : {game.gamemenu, game.sizemenu}) {
        const GdkRectangle open = OnScreen(Cast<TGtkMenu>(menu)->_shell);
        gdk_rectangle_union(&shown, &open, &shown);
    }
    GdkPixbuf* picture = gdk_pixbuf_get_from_window(gdk_get_default_root_window(), shown.x, shown.y,
                                                    shown.width, shown.height);
    ASSERT_NE(picture, nullptr);
    EXPECT_TRUE(gdk_pixbuf_save(picture, PictureTarget("vandro-gtk-menu.png").c_str(), "png",
                                nullptr, nullptr));
    g_object_unref(picture);
    gtk_menu_shell_deactivate(GTK_MENU_SHELL(Cast<TGtkMenu>(game.windowmenu)->_shell));
}

TEST_F(GtkCaptureTest, EverySymbolOfTheDeckPaintsOnItsOwnCardOnly) {
    WaitUntilDrawn();
    // A card with neighbours on every side, showing in turn every symbol a deck can have.
    const Ref<TCard> card = CardAt(2, 1);
    GtkWidget* button = Button(2, 1)->_widget;
    GdkRectangle inside = Placed(button);
    gtk_widget_translate_coordinates(button, Window()->_widget, 0, 0, &inside.x, &inside.y);
    GdkPixbuf* before = CaptureWindow();
    ASSERT_NE(before, nullptr);
    TSymbol::PrepareSymbols(kMostSymbols);
    for (const auto& symbol : TSymbol::symbols) {
        card->symbol = symbol;
        ASSERT_TRUE(Redrawn(button, [&card] { card->Uncover(); }));
        GdkPixbuf* after = CaptureWindow();
        ASSERT_NE(after, nullptr);
        EXPECT_EQ(ChangedOutside(before, after, inside), "") << "U+" << std::hex << symbol->code;
        g_object_unref(after);
    }
    g_object_unref(before);
}

TEST_F(GtkCaptureTest, ATextWiderThanItsCardPaintsOnTheCardOnly) {
    WaitUntilDrawn();
    GtkWidget* button = Button(2, 1)->_widget;
    GdkPixbuf* before = CaptureWindow();
    ASSERT_NE(before, nullptr);
    // A text may reach a few pixels past each end of its line, room the widest symbols take;
    // full blocks ink their whole line, so the card widens for them but for those pixels.
    ASSERT_TRUE(
        Redrawn(button, [] { SetGadgetText(CardAt(2, 1)->gadget, u"\u2588\u2588\u2588"); }));
    GdkRectangle inside = Placed(button);
    gtk_widget_translate_coordinates(button, Window()->_widget, 0, 0, &inside.x, &inside.y);
    GdkPixbuf* after = CaptureWindow();
    ASSERT_NE(after, nullptr);
    EXPECT_GT(inside.width, 58);
    EXPECT_EQ(ChangedOutside(before, after, inside), "");
    g_object_unref(after);
    g_object_unref(before);
}

} // namespace
} // namespace vandro

// What the game looks like on the Win32 drivers, read from the pixels of the window as drawn:
// covered cards in the face colour with the grey question mark, an uncovered card on its
// symbol's hue, the label of the player on turn inverted and unused slots faded. Each capture
// is saved as PNG beside the test, to be looked at.
#include "WindowCapture.h"

#include "tests/game/GameFixture.h"

#include "tests/support/windows/WindowsUser.h"
#include "gui/windows/WindowsWindow.h"

#include <string>

namespace vandro {
namespace {

// A colour as a capture reads it: 0xRRGGBB.
int Screen(int colourref) {
    return ((colourref & 0xFF) << 16) | (colourref & 0xFF00) | ((colourref >> 16) & 0xFF);
}

class GamePixelsTest : public GameTest {
  protected:
    static HWND Hwnd(const Ref<TGadget>& gadget) { return ElementOf(gadget); }

    // The window as it is on the screen once everything has been painted.
    static WindowCapture Capture(const std::string& name) {
        const HWND window = Hwnd(GameState().gamewindow);
        RedrawWindow(window, nullptr, nullptr, RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
        PumpFor(50);
        WindowCapture capture(window);
        EXPECT_TRUE(capture.SavePng(name + ".png"));
        return capture;
    }

    // The share of the gadget's area, in per cent, that has the colour (as red + green << 8 +
    // blue << 16).
    static int Share(const WindowCapture& capture, const Ref<TGadget>& gadget, int colour) {
        const HWND hwnd = Hwnd(gadget);
        RECT area{};
        GetClientRect(hwnd, &area);
        const int all = (area.right - area.left) * (area.bottom - area.top);
        return all ? 100 * capture.Count(hwnd, area, Screen(colour)) / all : 0;
    }

    static Ref<TCard> OtherSymbolThan(const Ref<TCard>& card) {
        for (const auto& column : TDeck::cards)
            for (const auto& other : column)
                if (other->symbol->code != card->symbol->code)
                    return other;
        return nullptr;
    }
};

TEST_F(GamePixelsTest, AtTheStartEveryCardIsCoveredAndOnlyPlayerOneIsShown) {
    const TPalette& palette = GameState().palette;
    const WindowCapture capture = Capture("vandro-start");
    // The frame around the client area: caption, menu bar, status line.
    EXPECT_GT(capture.Height(), 280 + 40);
    EXPECT_GT(capture.Width(), 290);
    for (const auto& column : TDeck::cards)
        for (const auto& card : column) {
            // Mostly face, the rest the question mark and the button's edges.
            EXPECT_GT(Share(capture, card->gadget, Rgb(palette.facecolor)), 60);
            EXPECT_GT(Share(capture, card->gadget, Rgb(palette.coveredtextcolor)), 0);
            EXPECT_EQ(capture.ClientPixel(Hwnd(card->gadget), 10, 10),
                      Screen(Rgb(palette.facecolor)));
        }
    EXPECT_GT(Share(capture, Label(0), Rgb(palette.invfacecolor)), 60);
    EXPECT_GT(Share(capture, Label(0), Rgb(palette.invtextcolor)), 3);
    for (int slot = 1; slot < 4; ++slot) {
        EXPECT_EQ(Share(capture, Label(slot), Rgb(palette.invfacecolor)), 0) << slot;
        EXPECT_GT(Share(capture, Label(slot), Rgb(palette.fadedtextcolor)), 3) << slot;
    }
}

TEST_F(GamePixelsTest, AnUncoveredCardShowsItsSymbolOnItsHue) {
    const Ref<TCard> card = CardAt(1, 2);
    ASSERT_EQ(Press(card), 1);
    int red = 0, green = 0, blue = 0;
    card->symbol->WriteColor(red, green, blue);
    const WindowCapture capture = Capture("vandro-one-card");
    EXPECT_GT(Share(capture, card->gadget, vandro::Rgb(red, green, blue)), 40);
    EXPECT_GT(Share(capture, card->gadget, Rgb(GameState().palette.symboltextcolor)), 1);
    EXPECT_EQ(Share(capture, card->gadget, Rgb(GameState().palette.coveredtextcolor)), 0);
    EXPECT_GT(Share(capture, CardAt(0, 0)->gadget, Rgb(GameState().palette.facecolor)), 60);
}

TEST_F(GamePixelsTest, ThreePlayersAfterAMissShowTheSecondOnTurnAndTheFourthFaded) {
    NewGame(5, 4, 3);
    const TPalette& palette = GameState().palette;
    const Ref<TCard> first = CardAt(0, 0);
    const Ref<TCard> second = OtherSymbolThan(first);
    ASSERT_NE(second, nullptr);
    Press(first);
    Press(second);
    Press(first);
    ASSERT_EQ(GameState().currentplayer, 1);
    // Player 2 turns a card, for the picture.
    Press(CardAt(4, 3));
    const WindowCapture capture = Capture("vandro-windows");
    EXPECT_GT(Share(capture, Label(1), Rgb(palette.invfacecolor)), 60);
    EXPECT_GT(Share(capture, Label(0), Rgb(palette.facecolor)), 60);
    EXPECT_GT(Share(capture, Label(0), Rgb(palette.textcolor)), 3);
    EXPECT_GT(Share(capture, Label(2), Rgb(palette.textcolor)), 3);
    EXPECT_GT(Share(capture, Label(3), Rgb(palette.fadedtextcolor)), 3);
    EXPECT_EQ(Share(capture, Label(3), Rgb(palette.textcolor)), 0);
    // The missed pair is covered again.
    EXPECT_GT(Share(capture, first->gadget, Rgb(palette.coveredtextcolor)), 0);
    EXPECT_GT(Share(capture, second->gadget, Rgb(palette.coveredtextcolor)), 0);
}

TEST_F(GamePixelsTest, TheFocusedCardShowsTheFocusRectangle) {
    // The dotted rectangle 4 pixels inside the focused button's edge; none on the others.
    const auto dotted = [](const WindowCapture& capture, const Ref<TGadget>& button) {
        const HWND hwnd = Hwnd(button);
        RECT area{};
        GetClientRect(hwnd, &area);
        int dark = 0;
        for (int x = 6; x < area.right - 6; ++x)
            if ((capture.ClientPixel(hwnd, x, 4) & 0xFFFFFF) < 0x404040)
                ++dark;
        return dark;
    };
    SetForegroundWindow(Hwnd(GameState().gamewindow));
    ASSERT_EQ(GetFocus(), Hwnd(CardAt(0, 0)->gadget));
    const WindowCapture before = Capture("vandro-focus-first");
    EXPECT_GT(dotted(before, CardAt(0, 0)->gadget), 10);
    EXPECT_EQ(dotted(before, CardAt(1, 0)->gadget), 0);
    TypeKey(VK_TAB);
    PumpFor(100);
    const WindowCapture after = Capture("vandro-focus-second");
    EXPECT_EQ(dotted(after, CardAt(0, 0)->gadget), 0);
    EXPECT_GT(dotted(after, CardAt(1, 0)->gadget), 10);
}

} // namespace
} // namespace vandro

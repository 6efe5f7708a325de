// The game on the Win32 drivers, played the way a person plays it: mouse clicks through
// SendInput at the card centres (so the mouse hook, hover tracking, owner drawing, WM_COMMAND
// and the queue are all on the way), choices clicked through the native menu bar, and the
// keyboard alone with the dialog navigation of the pump.
#include "tests/game/GameFixture.h"
#include "tests/game/MemoryPlayer.h"

#include "gui/windows/WindowsButton.h"
#include "tests/support/windows/WindowsUser.h"
#include "gui/windows/WindowsWindow.h"
#include "runtime/Text.h"

#include <vector>

namespace vandro {
namespace {

using RealInputGameTest = GameTest;
using RealInputGameDeathTest = GameTest;

HWND Hwnd(const Ref<TGadget>& gadget) { return ElementOf(gadget); }

HWND ClientOfGame() { return Cast<TWindowsWindow>(GameState().gamewindow)->_hwndclient; }

// The native buttons of the game window's client area, in the order they were made.
std::vector<HWND> NativeButtons() {
    std::vector<HWND> buttons;
    for (HWND child = GetWindow(ClientOfGame(), GW_CHILD); child;
         child = GetWindow(child, GW_HWNDNEXT)) {
        wchar_t name[16] = {};
        GetClassNameW(child, name, 16);
        if (std::wstring(name) == L"Button")
            buttons.push_back(child);
    }
    return buttons;
}

void CloseWithTheMessage() { PostMessageW(Hwnd(GameState().gamewindow), WM_CLOSE, 0, 0); }

// A card first, so that the loop has taken an event and redrawn before the window closes.
void PressThenClose() {
    GameTest::User()->WhenWaiting(CloseWithTheMessage);
    GameTest::User()->PressButton(GameTest::CardAt(0, 0)->gadget);
}

String NativeText(HWND hwnd) {
    wchar_t text[64] = {};
    GetWindowTextW(hwnd, text, 64);
    return FromWide(text);
}

TEST_F(RealInputGameTest, AWholeGameOfTwoPlayersIsPlayedToTheEndWithRealClicks) {
    NewGame(5, 4, 2);
    const std::vector<HWND> buttons = NativeButtons();
    ASSERT_EQ(buttons.size(), 20u);
    for (const HWND button : buttons)
        EXPECT_EQ(NativeText(button), u"?");

    MemoryPlayer player;
    player.PlayToTheEnd();
    EXPECT_EQ(player.left, 0);
    EXPECT_EQ(player.refused, 0);
    EXPECT_EQ(player.badFaces, 0);
    EXPECT_EQ(player.wrongStatus, 0);
    EXPECT_EQ(player.scores[0] + player.scores[1], 10);
    EXPECT_EQ(GameState().scores, player.scores);
    for (int slot = 0; slot < 4; ++slot)
        EXPECT_EQ(User()->ShownText(Label(slot)),
                  u"Spieler " + IntText(slot + 1) + u": " +
                      IntText(player.scores[static_cast<std::size_t>(slot)]));
    EXPECT_EQ(User()->ShownStatusField(GameState().gamewindow, 0),
              u"Spieler " + IntText(player.turn + 1));
    EXPECT_EQ(User()->ShownStatusField(GameState().gamewindow, 2), u"Karten: 0 / 20");
    // Every pair has left the board, and with it its native buttons.
    EXPECT_TRUE(NativeButtons().empty());
    for (const HWND button : buttons)
        EXPECT_FALSE(IsWindow(button));
}

TEST_F(RealInputGameTest, TheFirstPressShowsTheSymbolOnTheNativeButton) {
    const Ref<TCard> card = CardAt(2, 1);
    ASSERT_EQ(Press(card), 1);
    const String face = NativeText(Hwnd(card->gadget));
    ASSERT_EQ(face.size(), 1u);
    EXPECT_GE(face[0], 0x2600);
    EXPECT_LE(face[0], 0x266E);
    EXPECT_EQ(User()->ShownStatusField(GameState().gamewindow, 2), u"Karten: 20 / 20");
}

TEST_F(RealInputGameTest, ASizeAndAPlayerCountAreChosenFromTheNativeMenu) {
    const HWND before = Hwnd(GameState().gamewindow);
    Choose(GameState().sizemenu, 110);
    EXPECT_FALSE(IsWindow(before));
    EXPECT_EQ(GameState().columns, 11);
    EXPECT_EQ(GameState().rows, 10);
    EXPECT_EQ(NativeButtons().size(), 110u);
    RECT client{};
    GetClientRect(ClientOfGame(), &client);
    EXPECT_EQ(client.right, 638);
    EXPECT_EQ(client.bottom, 628);
    EXPECT_EQ(User()->ShownState(MenuItem(GameState().sizemenu, 110)) & StateChecked, StateChecked);
    EXPECT_EQ(User()->ShownState(MenuItem(GameState().sizemenu, 104)) & StateChecked, 0);

    Choose(GameState().playersmenu, 203);
    EXPECT_EQ(GameState().players, 3);
    EXPECT_EQ(GameState().columns, 11);
    EXPECT_EQ(User()->ShownState(MenuItem(GameState().playersmenu, 203)) & StateChecked,
              StateChecked);
    EXPECT_EQ(User()->ShownState(MenuItem(GameState().playersmenu, 201)) & StateChecked, 0);
    EXPECT_EQ(User()->ShownStatusField(GameState().gamewindow, 2), u"Karten: 110 / 110");
}

TEST_F(RealInputGameTest, RestartFromTheMenuDealsAgainInANewWindow) {
    Press(CardAt(0, 0));
    const HWND before = Hwnd(GameState().gamewindow);
    Choose(GameState().gamemenu, 300);
    EXPECT_FALSE(IsWindow(before));
    EXPECT_EQ(GameState().pickedcount, 0);
    for (const HWND button : NativeButtons())
        EXPECT_EQ(NativeText(button), u"?");
}

TEST_F(RealInputGameTest, TabArrowsAndSpacePlayWithTheKeyboardAlone) {
    // The new board gives the first card the focus.
    ASSERT_EQ(GetFocus(), Hwnd(CardAt(0, 0)->gadget));
    SetForegroundWindow(Hwnd(GameState().gamewindow));
    TypeKey(VK_TAB);
    PumpFor(100);
    EXPECT_EQ(GetFocus(), Hwnd(CardAt(1, 0)->gadget));
    TypeKey(VK_RIGHT);
    PumpFor(100);
    EXPECT_EQ(GetFocus(), Hwnd(CardAt(2, 0)->gadget));
    TypeKey(VK_LEFT);
    PumpFor(100);
    EXPECT_EQ(GetFocus(), Hwnd(CardAt(1, 0)->gadget));
    TypeKey(VK_TAB, 1);
    PumpFor(100);
    EXPECT_EQ(GetFocus(), Hwnd(CardAt(0, 0)->gadget));

    TypeKey(VK_SPACE);
    ASSERT_TRUE(PumpUntilEmitted(GadgetAction, CardAt(0, 0)->gadget));
    EXPECT_EQ(Settle(), 1);
    EXPECT_EQ(GameState().pickedcount, 1);
    EXPECT_NE(NativeText(Hwnd(CardAt(0, 0)->gadget)), u"?");
    TypeKey(VK_TAB);
    PumpFor(100);
    TypeKey(VK_SPACE);
    ASSERT_TRUE(PumpUntilEmitted(GadgetAction, CardAt(1, 0)->gadget));
    EXPECT_EQ(Settle(), 1);
    EXPECT_EQ(GameState().pickedcount, 2);
}

TEST_F(RealInputGameDeathTest, TheCloseMessageEndsTheProgramWithExitCodeZero) {
    EXPECT_EXIT(
        {
            User()->WhenWaiting(PressThenClose);
            RunGame();
        },
        testing::ExitedWithCode(0), "");
}

} // namespace
} // namespace vandro

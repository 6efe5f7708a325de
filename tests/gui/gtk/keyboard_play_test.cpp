// The game played from the keyboard on GTK: the window gives the focus to the first card, Tab
// and the arrow keys move it between the cards, Space presses the card that has it. As in a
// Windows dialog, where the cards are one group, Right and Down go on to the next card and
// Left and Up back to the one before.
#include "BoardFixture.h"

#include <string>

namespace vandro {
namespace {

using GtkKeyboardPlayTest = GtkBoardTest;

constexpr int kTab = 0x09;
constexpr int kSpace = 0x20;
constexpr int kLeft = 0x25;
constexpr int kUp = 0x26;
constexpr int kRight = 0x27;
constexpr int kDown = 0x28;

// Where the card with the focus lies, as "column, row"; "none" without one.
std::string Focused() {
    const Ref<TGadget> focus = CurrentDriver()->ActiveGadget();
    for (int column = 0; column < 5; ++column)
        for (int row = 0; row < 4; ++row)
            if (GtkBoardTest::CardAt(column, row)->gadget == focus)
                return std::to_string(column) + ", " + std::to_string(row);
    return "none";
}

// Presses the key and waits until the focus has moved away from where it was.
std::string FocusAfter(int key, int mods) {
    const std::string before = Focused();
    TypeKey(key, mods);
    PumpUntil([&before] { return Focused() != before; }, 1000);
    return Focused();
}

TEST_F(GtkKeyboardPlayTest, TheNewBoardGivesTheFocusToTheFirstCard) {
    EXPECT_EQ(Focused(), "0, 0");
    EXPECT_TRUE(gtk_widget_has_focus(Button(0, 0)->_widget));
}

TEST_F(GtkKeyboardPlayTest, TabMovesAlongTheRowAndOnToTheNextShiftTabBack) {
    EXPECT_EQ(FocusAfter(kTab, 0), "1, 0");
    EXPECT_EQ(FocusAfter(kTab, 0), "2, 0");
    EXPECT_EQ(FocusAfter(kTab, 1), "1, 0");
    for (int step = 0; step < 4; ++step)
        FocusAfter(kTab, 0);
    EXPECT_EQ(Focused(), "0, 1");
}

TEST_F(GtkKeyboardPlayTest, ArrowsMoveOnAndBackAlongTheCards) {
    EXPECT_EQ(FocusAfter(kRight, 0), "1, 0");
    EXPECT_EQ(FocusAfter(kDown, 0), "2, 0");
    EXPECT_EQ(FocusAfter(kLeft, 0), "1, 0");
    EXPECT_EQ(FocusAfter(kUp, 0), "0, 0");
    // Round from the first card to the last.
    EXPECT_EQ(FocusAfter(kLeft, 0), "4, 3");
}

TEST_F(GtkKeyboardPlayTest, SpacePressesTheFocusedCardAndTheGameUncoversIt) {
    FocusAfter(kRight, 0);
    FocusAfter(kDown, 0);
    TypeKey(kSpace, 0);
    PumpUntil([] { return PeekEvent() != nullptr; }, 1000);
    const Ref<TEvent> press = PeekEvent();
    ASSERT_NE(press, nullptr);
    EXPECT_EQ(press->id, GadgetAction);
    EXPECT_EQ(press->source, CardAt(2, 0)->gadget);
    EXPECT_EQ(Settle(), 1);
    EXPECT_EQ(CardAt(2, 0)->uncovered, 1);
    EXPECT_EQ(GameState().pickedcount, 1);
    EXPECT_EQ(CardAt(0, 0)->uncovered, 0);
}

} // namespace
} // namespace vandro

// Keys and mouse buttons pressed through the X server reach the program as the same events
// with the same data and modifier bits as on Windows: virtual-key codes for letters, digits
// and F-keys, the six modifier keys told apart left from right, repeats while a key is held,
// characters, modifiers on clicks, the wheel, and entering and leaving gadgets.
#include "tests/gui/gtk/GtkFixture.h"

#include "gui/GadgetFunctions.h"
#include "gui/gtk/GtkGadget.h"

namespace vandro {
namespace {

class GtkInputTest : public GtkTest {
  protected:
    void SetUp() override {
        GtkTest::SetUp();
        if (IsSkipped())
            return;
        // The case before on this display may have left the pointer where the panels come up:
        // it starts outside the window, so that the pointer enters a panel as a case moves it.
        MovePointerTo(0, 0);
        window =
            CreateWindow(u"Input", 100, 100, 300, 200, {}, WindowTitleBar | WindowClientCoords);
        left = CreatePanel(10, 10, 100, 100, window, PanelActive);
        right = CreatePanel(150, 10, 100, 100, window, PanelActive);
        SetGadgetSensitivity(window, SensitiveKeys);
        FocusWindow(window);
        PumpUntil([] { return false; }, 50);
        Drain();
    }
    void TearDown() override {
        if (window)
            FreeGadget(window);
        Drain();
    }

    // The key events of one key stroke with modifiers, in order.
    std::vector<Ref<TEvent>> Stroke(int key, int mods) {
        TypeKey(key, mods);
        return DrainAfterInput();
    }

    void ClickPanel(const Ref<TGadget>& panel, int button, int mods) {
        int x = 0, y = 0;
        ScreenCentre(Cast<TGtkGadget>(panel)->_widget, x, y);
        ClickAt(x, y, button, mods);
    }

    static std::vector<Ref<TEvent>> From(const std::vector<Ref<TEvent>>& events,
                                         const Ref<TGadget>& source) {
        std::vector<Ref<TEvent>> kept;
        for (const auto& event : events)
            if (event->source == source)
                kept.push_back(event);
        return kept;
    }

    Ref<TGadget> window, left, right;
};

TEST_F(GtkInputTest, ALetterGoesDownTypesItsCharacterAndComesUp) {
    const auto events = Stroke(0x41, 0);
    ASSERT_EQ(Ids(events), (std::vector<int>{KeyDown, KeyChar, KeyUp}));
    EXPECT_EQ(events[0]->data, 0x41);
    EXPECT_EQ(events[1]->data, u'a');
    EXPECT_EQ(events[2]->data, 0x41);
    for (const auto& event : events) {
        EXPECT_EQ(event->source, window);
        EXPECT_EQ(event->mods, 0);
    }
}

TEST_F(GtkInputTest, ShiftWithADigitKeepsTheDigitsCodeAndTypesTheShiftedCharacter) {
    const auto events = Stroke(0x31, 1);
    ASSERT_EQ(Ids(events), (std::vector<int>{KeyDown, KeyDown, KeyChar, KeyUp, KeyUp}));
    EXPECT_EQ(events[0]->data, 160);
    EXPECT_EQ(events[0]->mods, 1);
    EXPECT_EQ(events[1]->data, 0x31);
    EXPECT_EQ(events[1]->mods, 1);
    EXPECT_EQ(events[2]->data, u'!');
    EXPECT_EQ(events[3]->data, 0x31);
    EXPECT_EQ(events[4]->data, 160);
    EXPECT_EQ(events[4]->mods, 0);
}

TEST_F(GtkInputTest, CtrlWithALetterTypesItsControlCode) {
    const auto events = Stroke(0x41, 2);
    ASSERT_EQ(Ids(events), (std::vector<int>{KeyDown, KeyDown, KeyChar, KeyUp, KeyUp}));
    EXPECT_EQ(events[0]->data, 162);
    EXPECT_EQ(events[1]->mods, 2);
    EXPECT_EQ(events[2]->data, 1);
}

TEST_F(GtkInputTest, FunctionKeysHaveTheirCodesAndTypeNothing) {
    for (int key : {0x70, 0x74, 0x7B}) {
        const auto events = Stroke(key, 0);
        ASSERT_EQ(Ids(events), (std::vector<int>{KeyDown, KeyUp})) << key;
        EXPECT_EQ(events[0]->data, key);
        EXPECT_EQ(events[1]->data, key);
    }
}

TEST_F(GtkInputTest, TheSixModifierKeysAreToldApartLeftFromRight) {
    for (int key = 160; key <= 165; ++key) {
        const auto events = Stroke(key, 0);
        ASSERT_EQ(Ids(events), (std::vector<int>{KeyDown, KeyUp})) << key;
        EXPECT_EQ(events[0]->data, key);
        EXPECT_EQ(events[1]->data, key);
        EXPECT_EQ(events[1]->mods, 0) << key;
    }
    EXPECT_EQ(Stroke(160, 0)[0]->mods, 1);
    EXPECT_EQ(Stroke(163, 0)[0]->mods, 2);
    EXPECT_EQ(Stroke(164, 0)[0]->mods, 4);
}

TEST_F(GtkInputTest, AHeldKeyRepeatsUntilItComesUp) {
    // Held past the X server's repeat delay.
    SendKey(0x42, true);
    PumpUntil([] { return false; }, 900);
    SendKey(0x42, false);
    const auto events = DrainAfterInput();
    ASSERT_GE(events.size(), 5u);
    EXPECT_EQ(events.front()->id, KeyDown);
    EXPECT_EQ(events.back()->id, KeyUp);
    EXPECT_EQ(events.back()->data, 0x42);
    int repeats = 0;
    for (std::size_t at = 1; at + 1 < events.size(); ++at) {
        if (events[at]->id == KeyChar) {
            EXPECT_EQ(events[at]->data, u'b');
            continue;
        }
        EXPECT_EQ(events[at]->id, KeyRepeat) << at;
        EXPECT_EQ(events[at]->data, 0x42);
        EXPECT_EQ(events[at + 1]->id, KeyChar) << at;
        ++repeats;
    }
    EXPECT_GE(repeats, 1);
}

TEST_F(GtkInputTest, AShiftClickIsAMouseDownAndUpWithShiftAtTheClickedPoint) {
    ClickPanel(left, 1, 1);
    const auto events = From(DrainAfterInput(), left);
    // The pointer comes in, moves to the point and clicks there. The click gave the active
    // panel the keys, so Shift going up after it comes to the panel too.
    ASSERT_EQ(Ids(events), (std::vector<int>{MouseEnter, MouseMove, MouseDown, MouseUp, KeyUp}));
    EXPECT_EQ(events[1]->data, 0);
    EXPECT_EQ(events[1]->mods, 1);
    EXPECT_EQ(events[2]->data, 1);
    EXPECT_EQ(events[2]->mods, 1);
    EXPECT_EQ(events[2]->x, 50);
    EXPECT_EQ(events[2]->y, 50);
    EXPECT_EQ(events[3]->data, 1);
    EXPECT_EQ(events[3]->mods, 1);
}

TEST_F(GtkInputTest, RightAndMiddleButtonsAreTwoAndThree) {
    ClickPanel(left, 3, 2);
    ClickPanel(left, 2, 0);
    std::vector<int> pressed;
    std::vector<int> mods;
    for (const auto& event : From(DrainAfterInput(), left))
        if (event->id == MouseDown) {
            pressed.push_back(event->data);
            mods.push_back(event->mods);
        }
    EXPECT_EQ(pressed, (std::vector<int>{2, 3}));
    EXPECT_EQ(mods, (std::vector<int>{2, 0}));
}

TEST_F(GtkInputTest, OneWheelNotchAwayIsPlusOneTowardsIsMinusOne) {
    ClickPanel(left, 4, 0);
    ClickPanel(left, 5, 0);
    std::vector<int> notches;
    for (const auto& event : From(DrainAfterInput(), left))
        if (event->id == MouseWheel)
            notches.push_back(event->data);
    EXPECT_EQ(notches, (std::vector<int>{1, -1}));
}

TEST_F(GtkInputTest, MovingFromOneGadgetToAnotherLeavesTheFirstThenEntersTheSecond) {
    int x = 0, y = 0;
    ScreenCentre(Cast<TGtkGadget>(left)->_widget, x, y);
    MovePointerTo(x, y);
    DrainAfterInput();
    ScreenCentre(Cast<TGtkGadget>(right)->_widget, x, y);
    MovePointerTo(x, y);
    std::vector<std::pair<int, Object>> seen;
    for (const auto& event : DrainAfterInput())
        if (event->id == MouseLeave || event->id == MouseEnter)
            seen.emplace_back(event->id, event->source);
    ASSERT_EQ(seen.size(), 2u);
    EXPECT_EQ(seen[0], std::make_pair(int(MouseLeave), Object(left)));
    EXPECT_EQ(seen[1], std::make_pair(int(MouseEnter), Object(right)));
}

TEST_F(GtkInputTest, AGadgetThatDidNotAskForTheMouseReportsNothing) {
    SetGadgetSensitivity(left, 0);
    ClickPanel(left, 1, 0);
    EXPECT_TRUE(From(DrainAfterInput(), left).empty());
}

} // namespace
} // namespace vandro

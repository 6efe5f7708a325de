// The keyboard focus: where the program's FocusGadget and FocusWindow put it, where Tab, the
// arrows and Enter move it, where it goes when the focused gadget is hidden, disabled or freed,
// and the GadgetLostFocus a field raises on the way.
#include "KindFixture.h"

#include "gui/DriverFunctions.h"
#include "gui/WindowFunctions.h"

namespace vandro {
namespace {

class FocusTest : public KindTest {
  protected:
    // The program and the platform agree on where the focus is.
    void ExpectFocus(const Ref<TGadget>& gadget) {
        EXPECT_EQ(FocusedGadget(), gadget);
        EXPECT_EQ(PlatformUser()->FocusedElement(), gadget);
    }
    // How many GadgetLostFocus each source raised, in the order they came.
    static std::vector<Ref<TGadget>> LostFocusSources() {
        std::vector<Ref<TGadget>> sources;
        for (const auto& event : Take())
            if (event->id == GadgetLostFocus)
                sources.push_back(Cast<TGadget>(event->source));
        return sources;
    }
    Ref<TGadget> Field(int y, const Ref<TGadget>& group = {}) {
        return CreateTextField(10, y, 150, 24, group ? group : window, 0);
    }
    // A panel holds the focused field, another field stands beside it: what the action does to
    // the panel gives the focus to the window, and the field raises that it lost it.
    void ExpectPanelGivesUpTheFocus(void (*action)(const Ref<TGadget>&)) {
        const auto panel = CreatePanel(10, 10, 200, 100, window, PanelGroupFrame, u"Gruppe");
        const auto inner = Field(20, panel);
        Field(130);
        Drain();
        FocusGadget(inner);
        Take();
        action(panel);
        ExpectFocus(window);
        EXPECT_EQ(LostFocusSources(), std::vector<Ref<TGadget>>{inner});
    }
};

TEST_F(FocusTest, FocusGadgetPutsTheFocusOnEachKindOfControl) {
    const auto field = Field(10);
    const auto button = CreateButton(u"Los", 170, 10, 80, 24, window, ButtonPush);
    const auto check = CreateButton(u"Ja", 260, 10, 80, 24, window, ButtonCheckBox);
    const auto list = CreateListBox(10, 40, 150, 80, window, 0);
    const auto tree = CreateTreeView(170, 40, 150, 80, window, 0);
    const auto area = CreateTextArea(10, 130, 150, 80, window, 0);
    Drain();
    for (const auto& gadget : {field, button, check, list, tree, area, field}) {
        FocusGadget(gadget);
        ExpectFocus(gadget);
    }
}

TEST_F(FocusTest, ALabelTakesTheFocusWithoutBeingATabStop) {
    const auto field = Field(10);
    const auto label = CreateLabel(u"Name", 10, 50, 100, 20, window, 0);
    Drain();
    FocusGadget(field);
    FocusGadget(label);
    ExpectFocus(label);
    EXPECT_EQ(LostFocusSources(), std::vector<Ref<TGadget>>{field});
}

TEST_F(FocusTest, TheProgramsOwnMoveRaisesLostFocusOnTheFieldItLeaves) {
    const auto first = Field(10);
    const auto area = CreateTextArea(10, 50, 150, 80, window, 0);
    const auto button = CreateButton(u"Los", 10, 140, 80, 24, window, ButtonPush);
    Drain();
    FocusGadget(first);
    Take();
    FocusGadget(area);
    EXPECT_EQ(LostFocusSources(), std::vector<Ref<TGadget>>{first});
    FocusGadget(button);
    EXPECT_EQ(LostFocusSources(), std::vector<Ref<TGadget>>{area});
    FocusGadget(first);
    EXPECT_EQ(LostFocusSources(), std::vector<Ref<TGadget>>{});
}

TEST_F(FocusTest, TheTextAreaTheUserLeavesRaisesLostFocus) {
    const auto area = CreateTextArea(10, 10, 200, 80, window, 0);
    const auto field = Field(100);
    Drain();
    ASSERT_EQ(PlatformUser()->TypeText(area, u"a"), 1);
    Take();
    ASSERT_EQ(PlatformUser()->TypeText(field, u"b"), 1);
    EXPECT_EQ(LostFocusSources(), std::vector<Ref<TGadget>>{area});
    ExpectFocus(field);
}

TEST_F(FocusTest, FocusingAControlOfAnotherWindowActivatesThatWindow) {
    const auto here = Field(10);
    const auto other = CreateWindow(u"Andere", 420, 40, 200, 120, Desktop(), 557);
    const auto there = CreateTextField(10, 10, 150, 24, other, 0);
    Drain();
    FocusGadget(here);
    EXPECT_EQ(PlatformUser()->ActiveWindow(), window);
    FocusGadget(there);
    EXPECT_EQ(PlatformUser()->ActiveWindow(), other);
    ExpectFocus(there);
    FreeGadget(other);
    Drain();
}

TEST_F(FocusTest, FocusWindowTakesTheFirstShownEnabledTabStopInTheOrderMade) {
    const auto disabled = CreateButton(u"Aus", 10, 10, 80, 24, window, ButtonPush);
    DisableGadget(disabled);
    const auto hidden = Field(40);
    HideGadget(hidden);
    CreateLabel(u"Liste", 10, 70, 100, 20, window, 0);
    // Made before the field above it: the order made counts, not the place.
    const auto list = CreateListBox(10, 150, 150, 80, window, 0);
    const auto field = Field(100);
    Drain();
    FocusWindow(window);
    ExpectFocus(list);
    HideGadget(list);
    FocusWindow(window);
    ExpectFocus(field);
}

TEST_F(FocusTest, TheFocusGoesToTheControlThatTakesTheKeysNotItsFrame) {
    // A text area and a tree are no tab stops; a list is.
    const auto area = CreateTextArea(10, 10, 200, 60, window, 0);
    CreateTreeView(220, 10, 120, 60, window, 0);
    const auto list = CreateListBox(10, 80, 200, 60, window, 0);
    const auto field = Field(150);
    Drain();
    FocusWindow(window);
    ExpectFocus(list);
    ASSERT_EQ(PlatformUser()->PressKey(kTab, 0), 1);
    ExpectFocus(field);
    FocusGadget(area);
    ExpectFocus(area);
    ASSERT_EQ(PlatformUser()->PressKey('K', 0), 1);
    EXPECT_EQ(TextAreaText(area), u"k");
}

TEST_F(FocusTest, FocusWindowLooksInsidePanelsInTheOrderMade) {
    const auto panel = CreatePanel(10, 100, 200, 100, window, PanelGroupFrame, u"Gruppe");
    const auto inner = Field(20, panel);
    const auto outer = Field(10);
    Drain();
    FocusWindow(window);
    ExpectFocus(inner);
    // What a disabled or hidden panel holds is passed over.
    DisableGadget(panel);
    FocusWindow(window);
    ExpectFocus(outer);
    EnableGadget(panel);
    HideGadget(panel);
    FocusWindow(window);
    ExpectFocus(outer);
}

TEST_F(FocusTest, FocusWindowWithoutTabStopsFocusesTheWindowItself) {
    CreateLabel(u"Nur Text", 10, 10, 100, 20, window, 0);
    const auto button = CreateButton(u"Aus", 10, 40, 80, 24, window, ButtonPush);
    DisableGadget(button);
    Drain();
    FocusWindow(window);
    ExpectFocus(window);
}

TEST_F(FocusTest, TabAndShiftTabFollowTheOrderTheGadgetsWereMade) {
    const auto low = Field(150);
    const auto top = Field(10);
    const auto button = CreateButton(u"Los", 10, 80, 80, 24, window, ButtonPush);
    Drain();
    FocusGadget(low);
    for (const auto& next : {top, button, low, top}) {
        ASSERT_EQ(PlatformUser()->PressKey(kTab, 0), 1);
        ExpectFocus(next);
    }
    for (const auto& before : {low, button, top}) {
        ASSERT_EQ(PlatformUser()->PressKey(kTab, kShift), 1);
        ExpectFocus(before);
    }
}

TEST_F(FocusTest, TabPassesOverHiddenDisabledAndNonStops) {
    const auto first = Field(10);
    const auto hidden = Field(40);
    HideGadget(hidden);
    const auto disabled = CreateButton(u"Aus", 10, 70, 80, 24, window, ButtonPush);
    DisableGadget(disabled);
    CreateLabel(u"Text", 10, 100, 100, 20, window, 0);
    const auto last = Field(130);
    Drain();
    FocusGadget(first);
    ASSERT_EQ(PlatformUser()->PressKey(kTab, 0), 1);
    ExpectFocus(last);
    ShowGadget(hidden);
    ASSERT_EQ(PlatformUser()->PressKey(kTab, kShift), 1);
    ExpectFocus(hidden);
}

TEST_F(FocusTest, TabGoesThroughAPanelsControlsWhereThePanelWasMade) {
    const auto before = Field(10);
    const auto panel = CreatePanel(170, 10, 180, 120, window, PanelGroupFrame, u"Gruppe");
    const auto one = Field(20, panel);
    const auto two = Field(60, panel);
    const auto after = Field(50);
    Drain();
    FocusGadget(before);
    for (const auto& next : {one, two, after}) {
        ASSERT_EQ(PlatformUser()->PressKey(kTab, 0), 1);
        ExpectFocus(next);
    }
    ASSERT_EQ(PlatformUser()->PressKey(kTab, kShift), 1);
    ExpectFocus(two);
}

TEST_F(FocusTest, TheNextAndPreviousTabStopCommandsMoveAsTabDoes) {
    const auto first = Field(10);
    const auto second = CreateButton(u"Los", 10, 40, 80, 24, window, ButtonPush);
    const auto third = Field(70);
    Drain();
    FocusGadget(first);
    first->Activate(ActivateForward);
    ExpectFocus(second);
    second->Activate(ActivateForward);
    ExpectFocus(third);
    third->Activate(ActivateBack);
    ExpectFocus(second);
}

TEST_F(FocusTest, TheArrowsMoveAmongPushButtonsRoundTheirGroup) {
    const auto one = CreateButton(u"1", 10, 10, 60, 24, window, ButtonPush);
    const auto two = CreateButton(u"2", 80, 10, 60, 24, window, ButtonPush);
    const auto three = CreateButton(u"3", 150, 10, 60, 24, window, ButtonPush);
    Drain();
    FocusGadget(one);
    const std::vector<std::pair<int, Ref<TGadget>>> moves = {
        {kRight, two}, {kDown, three}, {kRight, one}, {kLeft, three}, {kUp, two}};
    for (const auto& [key, next] : moves) {
        ASSERT_EQ(PlatformUser()->PressKey(key, 0), 1);
        ExpectFocus(next);
    }
    EXPECT_EQ(IdsFrom(two), std::vector<int>{});
}

TEST_F(FocusTest, HidingTheFocusedGadgetGivesTheFocusToItsGroup) {
    const auto first = Field(10);
    const auto second = Field(40);
    Drain();
    FocusGadget(first);
    Take();
    HideGadget(first);
    ExpectFocus(second);
    EXPECT_EQ(LostFocusSources(), std::vector<Ref<TGadget>>{first});
    HideGadget(second);
    ExpectFocus(window);
    ShowGadget(first);
    ExpectFocus(window);
}

TEST_F(FocusTest, HidingAPanelWithTheFocusInsideMovesTheFocusOutOfIt) {
    const auto panel = CreatePanel(10, 10, 200, 100, window, PanelGroupFrame, u"Gruppe");
    const auto inner = Field(20, panel);
    const auto outside = Field(130);
    Drain();
    FocusGadget(inner);
    Take();
    HideGadget(panel);
    ExpectFocus(outside);
    EXPECT_EQ(LostFocusSources(), std::vector<Ref<TGadget>>{inner});
}

TEST_F(FocusTest, DisablingTheFocusedFieldGivesTheFocusToItsWindow) {
    const auto field = Field(10);
    const auto other = Field(40);
    Drain();
    FocusGadget(field);
    Take();
    DisableGadget(field);
    ExpectFocus(window);
    EXPECT_EQ(LostFocusSources(), std::vector<Ref<TGadget>>{field});
    EnableGadget(field);
    ExpectFocus(window);
    // A disabled gadget's neighbour keeps the focus.
    FocusGadget(other);
    Take();
    DisableGadget(field);
    ExpectFocus(other);
    EXPECT_EQ(LostFocusSources(), std::vector<Ref<TGadget>>{});
}

TEST_F(FocusTest, DisablingAPanelWithTheFocusInsideGivesTheFocusToTheWindow) {
    ExpectPanelGivesUpTheFocus([](const Ref<TGadget>& panel) { DisableGadget(panel); });
}

TEST_F(FocusTest, FreeingTheFocusedFieldRaisesLostFocusAndFocusesTheWindow) {
    const auto field = Field(10);
    Field(40);
    Drain();
    FocusGadget(field);
    Take();
    FreeGadget(field);
    ExpectFocus(window);
    EXPECT_EQ(LostFocusSources(), std::vector<Ref<TGadget>>{field});
}

TEST_F(FocusTest, FreeingAPanelWithTheFocusInsideGivesTheFocusToTheWindow) {
    ExpectPanelGivesUpTheFocus([](const Ref<TGadget>& panel) { FreeGadget(panel); });
}

TEST_F(FocusTest, EnterInAFieldMovesTheFocusToItsGroupAndKeepsTheText) {
    const auto field = Field(10);
    Field(40);
    Drain();
    ASSERT_EQ(PlatformUser()->TypeText(field, u"ab\n"), 1);
    EXPECT_EQ(TextFieldText(field), u"ab");
    ExpectFocus(window);
    EXPECT_EQ(LostFocusSources(), std::vector<Ref<TGadget>>{field});
}

} // namespace
} // namespace vandro

// Buttons of every kind: what a press raises and leaves, the check state the program sets and
// the one a click sets in a radio group, images in place of the text, and colours.
#include "KindFixture.h"

#include "graphics/Pixmap.h"
#include "gui/WindowFunctions.h"

namespace vandro {
namespace {

using ButtonTest = KindTest;

TEST_F(ButtonTest, APushButtonsPressRaisesZeroAndItNeverShowsChecked) {
    const auto push = CreateButton(u"Los", 10, 10, 80, 26, window, ButtonPush);
    const auto ok = CreateButton(u"OK", 100, 10, 80, 26, window, ButtonOk);
    Drain();
    for (const auto& button : {push, ok}) {
        SetButtonState(button, 1);
        EXPECT_EQ(ButtonState(button), 0);
        EXPECT_EQ(PlatformUser()->ShownState(button) & StateChecked, 0);
        SetButtonState(button, -1);
        EXPECT_EQ(ButtonState(button), 0);
        ASSERT_EQ(PlatformUser()->PressButton(button), 1);
        const auto events = Take();
        ASSERT_EQ(events.size(), 1u);
        EXPECT_EQ(events[0]->id, GadgetAction);
        EXPECT_EQ(events[0]->source, button);
        EXPECT_EQ(events[0]->data, 0);
        EXPECT_EQ(ButtonState(button), 0);
    }
}

TEST_F(ButtonTest, ACheckBoxTurnsOnAndOffWithEachClickAndReportsTheStateAfterIt) {
    const auto box = CreateButton(u"Ton", 10, 10, 120, 26, window, ButtonCheckBox);
    Drain();
    EXPECT_EQ(ButtonState(box), 0);
    for (int expected : {1, 0, 1}) {
        ASSERT_EQ(PlatformUser()->PressButton(box), 1);
        const auto events = Take();
        ASSERT_EQ(events.size(), 1u);
        EXPECT_EQ(events[0]->id, GadgetAction);
        EXPECT_EQ(events[0]->data, expected);
        EXPECT_EQ(ButtonState(box), expected);
        EXPECT_EQ(PlatformUser()->ShownState(box) & StateChecked, expected ? StateChecked : 0);
    }
}

TEST_F(ButtonTest, AThreeStateBoxShowsIndeterminateUntilAClickChecksIt) {
    const auto box = CreateButton(u"Teils", 10, 10, 120, 26, window, ButtonCheckBox);
    Drain();
    SetButtonState(box, -1);
    EXPECT_EQ(ButtonState(box), -1);
    EXPECT_EQ(PlatformUser()->ShownState(box) & (StateChecked | StateIndeterminate),
              StateChecked | StateIndeterminate);
    EXPECT_EQ(IdsFrom(box), std::vector<int>{});
    ASSERT_EQ(PlatformUser()->PressButton(box), 1);
    const auto events = Take();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0]->data, 1);
    EXPECT_EQ(ButtonState(box), 1);
    EXPECT_EQ(PlatformUser()->ShownState(box) & StateIndeterminate, 0);
    SetButtonState(box, 0);
    EXPECT_EQ(ButtonState(box), 0);
}

TEST_F(ButtonTest, TheProgramsRadioStateSetsThatButtonOnly) {
    const auto first = CreateButton(u"Eins", 10, 10, 100, 26, window, ButtonRadio);
    const auto second = CreateButton(u"Zwei", 10, 40, 100, 26, window, ButtonRadio);
    const auto third = CreateButton(u"Drei", 10, 70, 100, 26, window, ButtonRadio);
    Drain();
    // None is chosen until the program or the user chooses one.
    EXPECT_EQ(ButtonState(first), 0);
    EXPECT_EQ(ButtonState(second), 0);
    EXPECT_EQ(ButtonState(third), 0);
    SetButtonState(second, 1);
    SetButtonState(third, 1);
    EXPECT_EQ(ButtonState(first), 0);
    EXPECT_EQ(ButtonState(second), 1);
    EXPECT_EQ(ButtonState(third), 1);
    EXPECT_EQ(PlatformUser()->ShownState(second) & StateChecked, StateChecked);
    SetButtonState(second, 0);
    EXPECT_EQ(ButtonState(second), 0);
    // The only one checked can be unchecked too; a radio button is never indeterminate.
    SetButtonState(third, 0);
    EXPECT_EQ(ButtonState(third), 0);
    EXPECT_EQ(PlatformUser()->ShownState(third) & StateChecked, 0);
    SetButtonState(first, -1);
    EXPECT_EQ(ButtonState(first), 1);
    EXPECT_EQ(Take().size(), 0u);
}

TEST_F(ButtonTest, AClickOnARadioButtonUnchecksTheOthersOfItsContainerOnly) {
    const auto first = CreateButton(u"Eins", 10, 10, 100, 26, window, ButtonRadio);
    const auto second = CreateButton(u"Zwei", 10, 40, 100, 26, window, ButtonRadio);
    const auto panel = CreatePanel(150, 10, 150, 100, window, 0);
    const auto inside = CreateButton(u"Drei", 10, 10, 100, 26, panel, ButtonRadio);
    SetButtonState(first, 1);
    SetButtonState(inside, 1);
    Drain();
    ASSERT_EQ(PlatformUser()->PressButton(second), 1);
    auto events = Take();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0]->source, second);
    EXPECT_EQ(events[0]->data, 1);
    EXPECT_EQ(ButtonState(first), 0);
    EXPECT_EQ(ButtonState(second), 1);
    EXPECT_EQ(ButtonState(inside), 1);
    // Clicking the chosen one again keeps it chosen and reports it.
    ASSERT_EQ(PlatformUser()->PressButton(second), 1);
    events = Take();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0]->data, 1);
    EXPECT_EQ(ButtonState(second), 1);
}

TEST_F(ButtonTest, EachGroupFrameHoldsARadioGroupOfItsOwn) {
    const auto left = CreatePanel(10, 10, 150, 100, window, PanelGroupFrame, u"Links");
    const auto right = CreatePanel(170, 10, 150, 100, window, PanelGroupFrame, u"Rechts");
    const auto a = CreateButton(u"A", 5, 5, 100, 26, left, ButtonRadio);
    const auto b = CreateButton(u"B", 5, 40, 100, 26, left, ButtonRadio);
    const auto c = CreateButton(u"C", 5, 5, 100, 26, right, ButtonRadio);
    const auto d = CreateButton(u"D", 5, 40, 100, 26, right, ButtonRadio);
    Drain();
    ASSERT_EQ(PlatformUser()->PressButton(a), 1);
    ASSERT_EQ(PlatformUser()->PressButton(d), 1);
    ASSERT_EQ(PlatformUser()->PressButton(b), 1);
    EXPECT_EQ(ButtonState(a), 0);
    EXPECT_EQ(ButtonState(b), 1);
    EXPECT_EQ(ButtonState(c), 0);
    EXPECT_EQ(ButtonState(d), 1);
    std::vector<Ref<TGadget>> sources;
    for (const auto& event : Take())
        sources.push_back(Cast<TGadget>(event->source));
    EXPECT_EQ(sources, (std::vector<Ref<TGadget>>{a, d, b}));
}

TEST_F(ButtonTest, AClickUnchecksABoxTheProgramChecked) {
    const auto box = CreateButton(u"An", 10, 10, 120, 26, window, ButtonCheckBox);
    const auto pushLike =
        CreateButton(u"Halb", 10, 40, 120, 26, window, ButtonCheckBox | ButtonPushLike);
    SetButtonState(box, 1);
    SetButtonState(pushLike, -1);
    EXPECT_EQ(ButtonState(pushLike), -1);
    Drain();
    ASSERT_EQ(PlatformUser()->PressButton(box), 1);
    const auto events = Take();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0]->data, 0);
    EXPECT_EQ(ButtonState(box), 0);
    EXPECT_EQ(PlatformUser()->ShownState(box) & StateChecked, 0);
}

TEST_F(ButtonTest, APushLikeCheckBoxAndRadioButtonKeepTheirStates) {
    const auto box = CreateButton(u"Ein", 10, 10, 80, 26, window, ButtonCheckBox | ButtonPushLike);
    const auto radio = CreateButton(u"Wahl", 10, 40, 80, 26, window, ButtonRadio | ButtonPushLike);
    Drain();
    ASSERT_EQ(PlatformUser()->PressButton(box), 1);
    ASSERT_EQ(PlatformUser()->PressButton(radio), 1);
    const auto events = Take();
    ASSERT_EQ(events.size(), 2u);
    EXPECT_EQ(events[0]->source, box);
    EXPECT_EQ(events[0]->data, 1);
    EXPECT_EQ(events[1]->source, radio);
    EXPECT_EQ(events[1]->data, 1);
    EXPECT_EQ(ButtonState(box), 1);
    EXPECT_EQ(PlatformUser()->ShownState(radio) & StateChecked, StateChecked);
}

TEST_F(ButtonTest, ADisabledHiddenOrFreedButtonCannotBePressed) {
    const auto button = CreateButton(u"Nein", 10, 10, 80, 26, window, ButtonPush);
    Drain();
    DisableGadget(button);
    EXPECT_EQ(PlatformUser()->PressButton(button), 0);
    EXPECT_EQ(PlatformUser()->ShownState(button) & StateDisabled, StateDisabled);
    EnableGadget(button);
    HideGadget(button);
    EXPECT_EQ(PlatformUser()->PressButton(button), 0);
    ShowGadget(button);
    ASSERT_EQ(PlatformUser()->PressButton(button), 1);
    EXPECT_EQ(IdsFrom(button), std::vector<int>{GadgetAction});
    FreeGadget(button);
    EXPECT_EQ(PlatformUser()->PressButton(button), 0);
    EXPECT_EQ(PlatformUser()->Exists(button), 0);
    EXPECT_EQ(Take().size(), 0u);
}

TEST_F(ButtonTest, TheProgramsTextShowsAsGivenAndRaisesNothing) {
    const auto button = CreateButton(u"Alt", 10, 10, 120, 40, window, ButtonCheckBox);
    SetGadgetText(button, u"Neu & mehr");
    EXPECT_EQ(GadgetText(button), u"Neu & mehr");
    EXPECT_EQ(PlatformUser()->ShownText(button), u"Neu & mehr");
    SetGadgetText(button, u"");
    EXPECT_EQ(PlatformUser()->ShownText(button), u"");
    EXPECT_EQ(Take().size(), 0u);
}

TEST_F(ButtonTest, AnImageOnlyButtonKeepsItsTextForWhenItShowsTextAgain) {
    const auto button = CreateButton(u"Bild", 10, 10, 80, 40, window, ButtonPushLike);
    const Ref<TPixmap> image = TPixmap::Create(16, 16, 6, 4);
    EXPECT_EQ(PlatformUser()->ShownText(button), u"Bild");
    EXPECT_EQ(SetGadgetPixmap(button, image, 8 + 16), 1);
    EXPECT_EQ(PlatformUser()->ShownText(button), u"");
    SetGadgetText(button, u"Neu");
    EXPECT_EQ(GadgetText(button), u"Neu");
    EXPECT_EQ(PlatformUser()->ShownText(button), u"");
    EXPECT_EQ(SetGadgetPixmap(button, image, 8), 1);
    EXPECT_EQ(PlatformUser()->ShownText(button), u"Neu");
    EXPECT_EQ(SetGadgetPixmap(button, nullptr, 8 + 16), 1);
    EXPECT_EQ(PlatformUser()->ShownText(button), u"Neu");
}

TEST_F(ButtonTest, OnlyImageButtonsAndCancelButtonsTakeAnImage) {
    const Ref<TPixmap> image = TPixmap::Create(16, 16, 6, 4);
    const auto push = CreateButton(u"a", 10, 10, 60, 26, window, ButtonPush);
    const auto box = CreateButton(u"b", 10, 40, 60, 26, window, ButtonCheckBox);
    const auto cancel = CreateButton(u"c", 10, 70, 60, 26, window, ButtonCancel);
    const auto ok = CreateButton(u"d", 10, 100, 60, 26, window, ButtonOk);
    EXPECT_EQ(SetGadgetPixmap(push, image, 8), 0);
    EXPECT_EQ(SetGadgetPixmap(box, image, 8 + 16), 0);
    EXPECT_EQ(SetGadgetPixmap(ok, image, 8 + 16), 0);
    EXPECT_EQ(SetGadgetPixmap(cancel, image, 8 + 16), 1);
    // Without the icon flag nothing is taken.
    EXPECT_EQ(SetGadgetPixmap(cancel, image, 16), 0);
    EXPECT_EQ(PlatformUser()->ShownText(push), u"a");
    EXPECT_EQ(PlatformUser()->ShownText(box), u"b");
    EXPECT_EQ(PlatformUser()->ShownText(cancel), u"");
    Drain();
}

TEST_F(ButtonTest, AButtonShowsTheColoursTheProgramSets) {
    const auto button = CreateButton(u"Farbe", 10, 10, 80, 40, window, ButtonPush);
    EXPECT_EQ(PlatformUser()->ShownBackColor(button), -1);
    SetGadgetColor(button, 10, 20, 30);
    SetGadgetTextColor(button, 200, 100, 0);
    EXPECT_EQ(PlatformUser()->ShownBackColor(button), 10 + (20 << 8) + (30 << 16));
    EXPECT_EQ(PlatformUser()->ShownTextColor(button), 200 + (100 << 8));
    EXPECT_EQ(PlatformUser()->ShownText(button), u"Farbe");
    Drain();
}

} // namespace
} // namespace vandro

// Buttons and labels: what they show, the state a press leaves and reports, and the enabled
// state a group passes on to the controls inside it.
#include "HeadlessFixture.h"

#include "gui/headless/HeadlessButton.h"
#include "gui/headless/HeadlessLabel.h"
#include "gui/headless/HeadlessPanel.h"

namespace vandro {
namespace {

using ControlTest = HeadlessWindowTest;

Ref<THeadlessLabel> Label(const Ref<TGadget>& gadget) { return Cast<THeadlessLabel>(gadget); }
Ref<THeadlessButton> Button(const Ref<TGadget>& gadget) { return Cast<THeadlessButton>(gadget); }

TEST_F(ControlTest, LabelStylesChooseAlignmentAndFrame) {
    EXPECT_EQ(Label(CreateLabel(u"a", 0, 0, 10, 10, window, 0))->Alignment(), LabelLeftAligned);
    EXPECT_EQ(Label(CreateLabel(u"b", 0, 0, 10, 10, window, 8))->Alignment(), LabelRightAligned);
    EXPECT_EQ(Label(CreateLabel(u"c", 0, 0, 10, 10, window, 16))->Alignment(), LabelCentred);
    EXPECT_EQ(Label(CreateLabel(u"d", 0, 0, 10, 10, window, 24))->Alignment(), LabelLeftAligned);
    const auto framed = Label(CreateLabel(u"e", 0, 0, 10, 10, window, 8 + 2));
    EXPECT_EQ(framed->Alignment(), LabelRightAligned);
    EXPECT_EQ(framed->Frame(), LabelSunkenFrame);
    EXPECT_EQ(GadgetText(framed), u"e");
}

TEST_F(ControlTest, ASeparatorIsTwoPixelsAcrossAndKeepsNoText) {
    const Ref<TGadget> wide = CreateLabel(u"x", 0, 0, 100, 20, window, 3);
    EXPECT_EQ(GadgetWidth(wide), 100);
    EXPECT_EQ(GadgetHeight(wide), 2);
    EXPECT_EQ(GadgetText(wide), u"");
    const Ref<TGadget> tall = CreateLabel(u"x", 0, 0, 3, 50, window, 3);
    EXPECT_EQ(GadgetWidth(tall), 2);
    EXPECT_EQ(GadgetHeight(tall), 50);
    SetGadgetText(tall, u"y");
    EXPECT_EQ(GadgetText(tall), u"");
}

TEST_F(ControlTest, ColoursFontAndTooltipAreWhatTheControlShows) {
    const Ref<TGadget> label = CreateLabel(u"Spieler 1: 0", 0, 0, 145, 24, window, 0);
    EXPECT_EQ(Label(label)->_font, PlatformDefaultFont());
    EXPECT_EQ(Label(label)->_fgcolor, -1);
    SetGadgetTextColor(label, 1, 2, 3);
    SetGadgetColor(label, 10, 20, 30);
    EXPECT_EQ(Label(label)->FgColor(), 1 + (2 << 8) + (3 << 16));
    EXPECT_EQ(Label(label)->BgColor(), 10 + (20 << 8) + (30 << 16));
    EXPECT_NE(Label(label)->_bgshown, 0);
    SetGadgetColor(label, 4, 5, 6, 0);
    EXPECT_EQ(Label(label)->FgColor(), 4 + (5 << 8) + (6 << 16));
    RemoveGadgetColor(label);
    EXPECT_EQ(Label(label)->_bgshown, 0);
    EXPECT_EQ(Label(label)->BgColor(), 10 + (20 << 8) + (30 << 16));

    const Ref<TGuiFont> arial = LibraryFont(FontSans, 14.0, FontBold);
    SetGadgetFont(label, arial);
    EXPECT_EQ(Label(label)->_font, arial);
    SetGadgetFont(label, nullptr);
    EXPECT_EQ(Label(label)->_font, PlatformDefaultFont());

    SetGadgetTooltip(label, u"one\ntwo\r\nthree\rfour");
    EXPECT_EQ(GadgetTooltip(label), u"one\r\ntwo\r\nthreefour");
    SetGadgetTooltip(label, u"");
    EXPECT_EQ(GadgetTooltip(label), u"");
}

TEST_F(ControlTest, APushButtonReportsZeroAndAColourMakesItOwnerDrawn) {
    const Ref<TGadget> button = CreateButton(u"OK", 0, 0, 58, 58, window, 0);
    EXPECT_EQ(Button(button)->_ownerdraw, 0);
    EXPECT_EQ(UserPressButton(button), 1);
    const auto press = OnlyEvent(GadgetAction);
    EXPECT_EQ(press->source, button);
    EXPECT_EQ(press->data, 0);
    SetGadgetTextColor(button, 0, 0, 0);
    EXPECT_EQ(Button(button)->_ownerdraw, 1);
    RemoveGadgetColor(button);
    EXPECT_EQ(Button(button)->_ownerdraw, 0);
}

TEST_F(ControlTest, ACheckBoxCyclesAndReportsItsStateAfterThePress) {
    const Ref<TGadget> box = CreateButton(u"x", 0, 0, 50, 20, window, ButtonCheckBox);
    EXPECT_EQ(ButtonState(box), 0);
    UserPressButton(box);
    EXPECT_EQ(OnlyEvent(GadgetAction)->data, 1);
    EXPECT_EQ(ButtonState(box), 1);
    UserPressButton(box);
    EXPECT_EQ(OnlyEvent(GadgetAction)->data, 0);
    SetButtonState(box, -1);
    EXPECT_EQ(ButtonState(box), -1);
    EXPECT_EQ(box->State() & (StateChecked | StateIndeterminate), 0x50);
    UserPressButton(box);
    EXPECT_EQ(OnlyEvent(GadgetAction)->data, 1);
    EXPECT_EQ(ButtonState(box), 1);
}

TEST_F(ControlTest, OnlyCheckBoxesCanBeIndeterminate) {
    const Ref<TGadget> radio = CreateButton(u"r", 0, 0, 50, 20, window, ButtonRadio);
    SetButtonState(radio, -1);
    EXPECT_EQ(ButtonState(radio), 1);
    SetButtonState(radio, 0);
    EXPECT_EQ(ButtonState(radio), 0);
}

TEST_F(ControlTest, ARadioButtonUnchecksTheOthersOfItsGroup) {
    const Ref<TGadget> a = CreateButton(u"a", 0, 0, 50, 20, window, ButtonRadio);
    const Ref<TGadget> b = CreateButton(u"b", 0, 30, 50, 20, window, ButtonRadio);
    const Ref<TGadget> panel = CreatePanel(100, 0, 100, 100, window, 0);
    const Ref<TGadget> c = CreateButton(u"c", 0, 0, 50, 20, panel, ButtonRadio);
    SetButtonState(a, 1);
    SetButtonState(c, 1);
    UserPressButton(b);
    EXPECT_EQ(OnlyEvent(GadgetAction)->data, 1);
    EXPECT_EQ(ButtonState(a), 0);
    EXPECT_EQ(ButtonState(b), 1);
    EXPECT_EQ(ButtonState(c), 1);
}

TEST_F(ControlTest, AButtonKeepsItsTextBehindAnImageOnlyFace) {
    const Ref<TGadget> button = CreateButton(u"Text", 0, 0, 50, 20, window, ButtonPushLike);
    const Ref<TPixmap> image = TPixmap::Create(16, 16, 6, 4);
    EXPECT_EQ(SetGadgetPixmap(button, image, 8 + 16), 1);
    EXPECT_EQ(Button(button)->_text, u"");
    SetGadgetText(button, u"New");
    EXPECT_EQ(Button(button)->_text, u"");
    EXPECT_EQ(GadgetText(button), u"New");
    SetGadgetPixmap(button, image, 8);
    EXPECT_EQ(Button(button)->_text, u"New");

    const Ref<TGadget> plain = CreateButton(u"p", 0, 0, 50, 20, window, 0);
    EXPECT_EQ(SetGadgetPixmap(plain, image, 8), 0);
    EXPECT_EQ(Button(plain)->_image, nullptr);
}

TEST_F(ControlTest, HiddenDisabledAndFreedButtonsCannotBePressed) {
    const Ref<TGadget> button = CreateButton(u"b", 0, 0, 50, 20, window, 0);
    DisableGadget(button);
    EXPECT_EQ(UserPressButton(button), 0);
    EnableGadget(button);
    HideGadget(button);
    EXPECT_EQ(UserPressButton(button), 0);
    ShowGadget(button);
    MinimizeWindow(window);
    EXPECT_EQ(UserPressButton(button), 0);
    RestoreWindow(window);
    EXPECT_EQ(UserPressButton(button), 1);
    events.Take();
    button->Free();
    EXPECT_EQ(UserPressButton(button), 0);
    EXPECT_TRUE(events.Take().empty());
}

TEST_F(ControlTest, AProgramTextChangeRaisesNothing) {
    const Ref<TGadget> button = CreateButton(u"b", 0, 0, 50, 20, window, 0);
    SetGadgetText(button, u"c");
    EXPECT_EQ(GadgetText(button), u"c");
    EXPECT_TRUE(events.Take().empty());
}

TEST_F(ControlTest, HiddenMeansTheGadgetOrWithRecursionAGroupAroundIt) {
    const Ref<TGadget> panel = CreatePanel(0, 0, 100, 100, window, 0);
    const Ref<TGadget> button = CreateButton(u"b", 0, 0, 50, 20, panel, 0);
    HideGadget(panel);
    EXPECT_EQ(IsGadgetHidden(button, 0), 0);
    EXPECT_EQ(IsGadgetHidden(button, 1), 1);
    EXPECT_EQ(IsGadgetHidden(panel, 0), 1);
    ShowGadget(panel);
    EXPECT_EQ(IsGadgetHidden(button, 1), 0);
}

TEST_F(ControlTest, APanelTakesABackgroundColourAndImageButKeepsItsTextColour) {
    const auto panel = Cast<THeadlessPanel>(CreatePanel(0, 0, 100, 100, window, 0));
    SetPanelColor(panel, 10, 20, 30);
    EXPECT_EQ(panel->BgColor(), 10 + (20 << 8) + (30 << 16));
    EXPECT_NE(panel->_bgshown, 0);
    EXPECT_EQ(panel->FgColor(), -1);

    const Ref<TPixmap> image = TPixmap::Create(4, 4, 6, 4);
    EXPECT_EQ(SetPanelPixmap(panel, image, 3), 1);
    EXPECT_EQ(panel->_background, image);
    EXPECT_EQ(panel->_bitmapflags, 3);
    EXPECT_EQ(SetPanelPixmap(panel, nullptr, 5), 1);
    EXPECT_EQ(panel->_background, nullptr);
    EXPECT_EQ(panel->_bitmapflags, 3);
}

TEST_F(ControlTest, AGroupPassesItsDisabledStateOnWithoutTouchingTheControls) {
    const Ref<TGadget> panel = CreatePanel(0, 0, 100, 100, window, 0);
    DisableGadget(panel);
    const Ref<TGadget> inside = CreateButton(u"in", 0, 0, 50, 20, panel, 0);
    const Ref<TGadget> own = CreateButton(u"own", 0, 30, 50, 20, panel, 0);
    EXPECT_EQ(Button(inside)->_nativeEnabled, 0);
    EXPECT_EQ(IsGadgetDisabled(inside, 0), 0);
    EXPECT_EQ(IsGadgetDisabled(inside, 1), 1);
    EXPECT_EQ(UserPressButton(inside), 0);
    EnableGadget(panel);
    DisableGadget(own);
    DisableGadget(panel);
    EnableGadget(panel);
    EXPECT_EQ(Button(inside)->_nativeEnabled, 1);
    EXPECT_EQ(Button(own)->_nativeEnabled, 0);
    EXPECT_EQ(IsGadgetDisabled(own, 0), 1);
}

TEST_F(ControlTest, KeysAndMouseReachOnlyGadgetsThatAskedForThem) {
    const Ref<TGadget> panel = CreatePanel(0, 0, 100, 100, window, 4);
    const Ref<TGadget> quiet = CreatePanel(0, 0, 100, 100, window, 0);
    EXPECT_EQ(GadgetSensitivity(panel), SensitiveMouse | SensitiveKeys);
    UserClick(quiet, 1, 5, 6);
    EXPECT_TRUE(events.Take().empty());
    UserClick(panel, 2, 5, 6);
    const auto clicks = events.Take();
    ASSERT_EQ(clicks.size(), 2u);
    EXPECT_EQ(clicks[0]->id, MouseDown);
    EXPECT_EQ(clicks[0]->data, 2);
    EXPECT_EQ(clicks[0]->x, 5);
    EXPECT_EQ(clicks[1]->id, MouseUp);
    FocusGadget(panel);
    events.Take();
    UserPressKey(0x41, 1);
    EXPECT_EQ(events.TakeIds(), (std::vector<int>{KeyDown, KeyUp}));
}

} // namespace
} // namespace vandro

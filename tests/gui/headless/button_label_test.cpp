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
    EXPECT_EQ(SetPanelPixmap(panel, image, 3), 0);
    EXPECT_EQ(panel->_background, image);
    EXPECT_EQ(panel->_bitmapflags, 3);
    EXPECT_EQ(SetPanelPixmap(panel, nullptr, 5), 0);
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

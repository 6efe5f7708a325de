// Hiding and disabling through containers: what a panel's state does to the gadgets inside it
// for the user, what the program reads of each, and that showing or enabling the panel again
// brings back each gadget's own state.
#include "KindFixture.h"

namespace vandro {
namespace {

class ContainerTest : public KindTest {
  protected:
    void SetUp() override {
        KindTest::SetUp();
        panel = CreatePanel(10, 10, 300, 200, window, PanelGroupFrame, u"Gruppe");
        inner = CreatePanel(10, 60, 200, 100, panel, 0);
        first = CreateButton(u"Eins", 10, 20, 80, 24, panel, ButtonPush);
        second = CreateButton(u"Zwei", 10, 10, 80, 24, inner, ButtonPush);
        Drain();
    }

    Ref<TGadget> panel;
    Ref<TGadget> inner;
    Ref<TGadget> first;
    Ref<TGadget> second;
};

TEST_F(ContainerTest, AHiddenPanelHidesItsGadgetsForTheUserNotTheirOwnState) {
    HideGadget(panel);
    EXPECT_EQ(PlatformUser()->PressButton(first), 0);
    EXPECT_EQ(PlatformUser()->PressButton(second), 0);
    EXPECT_EQ(IsGadgetHidden(first, 0), 0);
    EXPECT_EQ(IsGadgetHidden(second, 0), 0);
    EXPECT_EQ(IsGadgetHidden(second, 1), 1);
    ShowGadget(panel);
    EXPECT_EQ(PlatformUser()->PressButton(first), 1);
    EXPECT_EQ(PlatformUser()->PressButton(second), 1);
    EXPECT_EQ(IdsFrom(second), std::vector<int>{GadgetAction});
}

TEST_F(ContainerTest, ShowingAPanelAgainKeepsAGadgetTheProgramHidItself) {
    HideGadget(second);
    HideGadget(panel);
    ShowGadget(panel);
    Drain();
    EXPECT_EQ(PlatformUser()->PressButton(first), 1);
    EXPECT_EQ(PlatformUser()->PressButton(second), 0);
    EXPECT_EQ(IsGadgetHidden(second, 0), 1);
    EXPECT_EQ(PlatformUser()->ShownState(second) & StateHidden, StateHidden);
    ShowGadget(second);
    EXPECT_EQ(PlatformUser()->PressButton(second), 1);
}

TEST_F(ContainerTest, ADisabledPanelDisablesEveryGadgetInsideForTheUser) {
    DisableGadget(panel);
    EXPECT_EQ(PlatformUser()->PressButton(first), 0);
    EXPECT_EQ(PlatformUser()->PressButton(second), 0);
    EXPECT_EQ(IdsFrom(first), std::vector<int>{});
    // Their own state is still enabled; the user sees them disabled.
    EXPECT_EQ(IsGadgetDisabled(first, 0), 0);
    EXPECT_EQ(IsGadgetDisabled(second, 0), 0);
    EXPECT_EQ(IsGadgetDisabled(second, 1), 1);
    EXPECT_EQ(PlatformUser()->ShownState(first) & StateDisabled, StateDisabled);
    EXPECT_EQ(PlatformUser()->ShownState(second) & StateDisabled, StateDisabled);
    EnableGadget(panel);
    EXPECT_EQ(PlatformUser()->ShownState(second) & StateDisabled, 0);
    EXPECT_EQ(PlatformUser()->PressButton(second), 1);
    EXPECT_EQ(IdsFrom(second), std::vector<int>{GadgetAction});
}

TEST_F(ContainerTest, EnablingAPanelAgainLeavesAGadgetTheProgramDisabledItself) {
    DisableGadget(first);
    DisableGadget(inner);
    DisableGadget(panel);
    EnableGadget(panel);
    EXPECT_EQ(PlatformUser()->PressButton(first), 0);
    EXPECT_EQ(IsGadgetDisabled(first, 0), 1);
    // The inner panel is still disabled by the program: what it holds stays off.
    EXPECT_EQ(PlatformUser()->PressButton(second), 0);
    EXPECT_EQ(IsGadgetDisabled(second, 0), 0);
    EnableGadget(inner);
    EXPECT_EQ(PlatformUser()->PressButton(second), 1);
    EnableGadget(first);
    EXPECT_EQ(PlatformUser()->PressButton(first), 1);
}

TEST_F(ContainerTest, AGadgetMadeInsideADisabledPanelIsDisabledForTheUser) {
    DisableGadget(panel);
    const auto late = CreateButton(u"Drei", 100, 20, 80, 24, panel, ButtonPush);
    Drain();
    EXPECT_EQ(PlatformUser()->PressButton(late), 0);
    EXPECT_EQ(PlatformUser()->ShownState(late) & StateDisabled, StateDisabled);
    EXPECT_EQ(IsGadgetDisabled(late, 0), 0);
    EnableGadget(panel);
    EXPECT_EQ(PlatformUser()->PressButton(late), 1);
}

} // namespace
} // namespace vandro

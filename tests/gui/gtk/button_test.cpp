// Buttons on GTK: a click through the X server raises one "GadgetAction" with the state after
// the click; colours and fonts become the button's own look, and texts set by the program
// raise nothing.
#include "GtkFixture.h"

#include "gui/gtk/GtkButton.h"
#include "tests/support/PlatformUser.h"

namespace vandro {
namespace {

using GtkButtonTest = GtkWindowTest;

TEST_F(GtkButtonTest, AClickRaisesOneActionFromTheButton) {
    const auto button = CreateButton(u"&Los", 10, 10, 80, 30, window, ButtonPush);
    Drain();
    ASSERT_EQ(PlatformUser()->PressButton(button), 1);
    const auto events = Drain();
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetAction});
    EXPECT_EQ(events[0]->source, button);
    EXPECT_EQ(events[0]->data, 0);
}

TEST_F(GtkButtonTest, ClicksFollowOneAnotherOnTheSameButton) {
    const auto button = CreateButton(u"?", 58, 24, 58, 58, window, ButtonPushLike);
    Drain();
    for (int press = 0; press < 5; ++press) {
        ASSERT_EQ(PlatformUser()->PressButton(button), 1) << press;
        EXPECT_EQ(Ids(Drain()), std::vector<int>{GadgetAction}) << press;
    }
}

} // namespace
} // namespace vandro

namespace vandro {
namespace {

TEST_F(GtkButtonTest, ColoursAreTheButtonsOwnAndEachButtonKeepsItsOwn) {
    const auto first = CreateButton(u"?", 0, 24, 58, 58, window, ButtonPushLike);
    const auto second = CreateButton(u"?", 58, 24, 58, 58, window, ButtonPushLike);
    EXPECT_EQ(PlatformUser()->ShownBackColor(first), -1);
    SetGadgetColor(first, 240, 240, 240);
    SetGadgetTextColor(first, 128, 128, 140);
    SetGadgetColor(second, 255, 96, 96);
    SetGadgetTextColor(second, 0, 0, 0);
    EXPECT_EQ(PlatformUser()->ShownBackColor(first), 0xF0F0F0);
    EXPECT_EQ(PlatformUser()->ShownTextColor(first), 128 + (128 << 8) + (140 << 16));
    EXPECT_EQ(PlatformUser()->ShownBackColor(second), 0x6060FF);
    EXPECT_EQ(PlatformUser()->ShownTextColor(second), 0);
    SetGadgetColor(second, 240, 240, 240);
    EXPECT_EQ(PlatformUser()->ShownBackColor(second), 0xF0F0F0);
    RemoveGadgetColor(first);
    EXPECT_EQ(PlatformUser()->ShownBackColor(first), -1);
}

} // namespace
} // namespace vandro

// Fonts and colours as the platform shows them: a label draws with the text colour and the
// background it is given, keeps its own background again once the colour is removed, and a
// gadget draws with the font it is given while it exists.
#include "KindFixture.h"

#include "gui/DriverFunctions.h"

namespace vandro {
namespace {

class LookTest : public KindTest {
  protected:
    Ref<TGadget> Label() { return CreateLabel(u"Spieler 1: 0", 10, 10, 120, 20, window, 0); }
};

TEST_F(LookTest, ALabelShowsItsColoursAndItsOwnBackgroundOnceTheColourIsRemoved) {
    const auto label = Label();
    const int own = PlatformUser()->ShownBackColor(label);
    SetGadgetTextColor(label, 200, 10, 20);
    SetGadgetColor(label, 1, 2, 250);
    EXPECT_EQ(PlatformUser()->ShownTextColor(label), 200 + (10 << 8) + (20 << 16));
    EXPECT_EQ(PlatformUser()->ShownBackColor(label), 1 + (2 << 8) + (250 << 16));
    // The player on turn: the colours swap, and swap back.
    SetGadgetTextColor(label, 1, 2, 250);
    SetGadgetColor(label, 200, 10, 20);
    EXPECT_EQ(PlatformUser()->ShownTextColor(label), 1 + (2 << 8) + (250 << 16));
    EXPECT_EQ(PlatformUser()->ShownBackColor(label), 200 + (10 << 8) + (20 << 16));
    RemoveGadgetColor(label);
    EXPECT_EQ(PlatformUser()->ShownBackColor(label), own);
    EXPECT_EQ(PlatformUser()->ShownTextColor(label), 1 + (2 << 8) + (250 << 16));
}

TEST_F(LookTest, AGadgetDrawsWithTheFontItIsGivenWhileItExists) {
    const auto label = Label();
    const auto button = CreateButton(u"Neu", 10, 40, 80, 24, window, ButtonPush);
    const auto large = LoadGuiFont(u"Arial", 14, 1);
    const auto small = LoadGuiFont(u"Arial", 9);
    SetGadgetFont(label, large);
    SetGadgetFont(button, small);
    const auto shown = PlatformUser()->ShownFont(label);
    ASSERT_EQ(shown, large);
    EXPECT_EQ(FontSize(shown), 14.0);
    EXPECT_EQ(FontStyle(shown), 1);
    EXPECT_EQ(PlatformUser()->ShownFont(button), small);
    SetGadgetFont(label, small);
    EXPECT_EQ(PlatformUser()->ShownFont(label), small);
    FreeGadget(label);
    EXPECT_EQ(PlatformUser()->ShownFont(label), nullptr);
}

} // namespace
} // namespace vandro

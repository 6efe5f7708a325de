// Fonts, colours and texts as the platform shows them: a label draws with the text colour and
// the background it is given, keeps its own background again once the colour is removed, and
// shows the alignment and frame it was made with; a gadget draws with the font it is given
// while it exists; a window's status line shows its three fields.
#include "KindFixture.h"

#include "gui/DriverFunctions.h"
#include "gui/WindowFunctions.h"

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

TEST_F(LookTest, ALabelShowsItsAlignmentAndFrame) {
    for (const int style :
         std::initializer_list<int>{LabelLeftAligned, LabelRightAligned | LabelPlainFrame,
                                    LabelCentred | LabelSunkenFrame, LabelSeparator}) {
        const auto label = CreateLabel(u"Am Zug", 10, 10, 120, 20, window, style);
        EXPECT_EQ(PlatformUser()->ShownLabelStyle(label), style) << "style " << style;
        FreeGadget(label);
    }
}

TEST_F(LookTest, TheStatusLineShowsItsThreeFields) {
    SetWindowStatusText(window, u"Spieler 2 am Zug\t\t18 Karten");
    EXPECT_EQ(PlatformUser()->ShownStatusField(window, 0), u"Spieler 2 am Zug");
    EXPECT_EQ(PlatformUser()->ShownStatusField(window, 1), u"");
    EXPECT_EQ(PlatformUser()->ShownStatusField(window, 2), u"18 Karten");
    SetWindowStatusText(window, u"links\tMitte\trechts");
    EXPECT_EQ(PlatformUser()->ShownStatusField(window, 0), u"links");
    EXPECT_EQ(PlatformUser()->ShownStatusField(window, 1), u"Mitte");
    EXPECT_EQ(PlatformUser()->ShownStatusField(window, 2), u"rechts");
}

} // namespace
} // namespace vandro

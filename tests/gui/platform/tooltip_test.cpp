// Tooltips: the tip the program sets is the one it reads back and the one the platform holds
// for the gadget, its lines kept with CR LF; an empty tip removes it; a window takes none.
#include "KindFixture.h"

namespace vandro {
namespace {

using TooltipTest = KindTest;

TEST_F(TooltipTest, EachKindOfControlHoldsTheTipItWasGiven) {
    const std::vector<Ref<TGadget>> gadgets = {
        CreateButton(u"Los", 10, 10, 80, 24, window, ButtonPush),
        CreateTextField(100, 10, 150, 24, window, 0),
        CreateLabel(u"Name", 10, 40, 80, 20, window, 0), CreateListBox(10, 70, 150, 80, window, 0),
        CreatePanel(170, 70, 150, 80, window, PanelGroupFrame, u"Gruppe")};
    Drain();
    for (const auto& gadget : gadgets) {
        EXPECT_EQ(GadgetTooltip(gadget), u"");
        EXPECT_EQ(PlatformUser()->ShownTooltip(gadget), u"");
        SetGadgetTooltip(gadget, u"Hilfe zum Feld");
        EXPECT_EQ(GadgetTooltip(gadget), u"Hilfe zum Feld");
        EXPECT_EQ(PlatformUser()->ShownTooltip(gadget), u"Hilfe zum Feld");
    }
}

TEST_F(TooltipTest, LinesAreKeptWithCarriageReturnLineFeedAndALoneReturnGoes) {
    const auto button = CreateButton(u"Los", 10, 10, 80, 24, window, ButtonPush);
    Drain();
    SetGadgetTooltip(button, u"eins\nzwei");
    EXPECT_EQ(GadgetTooltip(button), u"eins\r\nzwei");
    EXPECT_EQ(PlatformUser()->ShownTooltip(button), u"eins\nzwei");
    SetGadgetTooltip(button, u"eins\r\nzwei\r\n");
    EXPECT_EQ(GadgetTooltip(button), u"eins\r\nzwei\r\n");
    SetGadgetTooltip(button, u"ei\rns");
    EXPECT_EQ(GadgetTooltip(button), u"eins");
    EXPECT_EQ(PlatformUser()->ShownTooltip(button), u"eins");
}

TEST_F(TooltipTest, AnEmptyTipRemovesItAndANewOneReplacesIt) {
    const auto field = CreateTextField(10, 10, 150, 24, window, 0);
    Drain();
    SetGadgetTooltip(field, u"alt");
    SetGadgetTooltip(field, u"neu");
    EXPECT_EQ(PlatformUser()->ShownTooltip(field), u"neu");
    SetGadgetTooltip(field, u"");
    EXPECT_EQ(GadgetTooltip(field), u"");
    EXPECT_EQ(PlatformUser()->ShownTooltip(field), u"");
    SetGadgetTooltip(field, u"wieder");
    EXPECT_EQ(PlatformUser()->ShownTooltip(field), u"wieder");
}

TEST_F(TooltipTest, AWindowTakesNoTipAndAFreedGadgetHoldsNone) {
    const auto button = CreateButton(u"Los", 10, 10, 80, 24, window, ButtonPush);
    Drain();
    SetGadgetTooltip(window, u"Fenster");
    EXPECT_EQ(GadgetTooltip(window), u"");
    EXPECT_EQ(PlatformUser()->ShownTooltip(window), u"");
    SetGadgetTooltip(button, u"Knopf");
    FreeGadget(button);
    EXPECT_EQ(GadgetTooltip(button), u"");
    EXPECT_EQ(PlatformUser()->ShownTooltip(button), u"");
}

} // namespace
} // namespace vandro

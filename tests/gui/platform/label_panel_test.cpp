// Labels and panels: the texts and styles a label shows, a separator's shape, and what a panel
// answers for its background image and gives its children as room.
#include "KindFixture.h"

#include "graphics/Pixmap.h"

namespace vandro {
namespace {

using LabelPanelTest = KindTest;

TEST_F(LabelPanelTest, ALabelShowsItsTextAsGivenAndRaisesNothing) {
    const auto label = CreateLabel(u"Spieler & Karten", 10, 10, 200, 24, window, 0);
    EXPECT_EQ(PlatformUser()->ShownText(label), u"Spieler & Karten");
    SetGadgetText(label, u"Punkte: 3");
    EXPECT_EQ(GadgetText(label), u"Punkte: 3");
    EXPECT_EQ(PlatformUser()->ShownText(label), u"Punkte: 3");
    SetGadgetText(label, u"");
    EXPECT_EQ(PlatformUser()->ShownText(label), u"");
    EXPECT_EQ(Take().size(), 0u);
}

TEST_F(LabelPanelTest, ALabelShowsTheAlignmentAndFrameOfItsStyle) {
    const int styles[] = {LabelLeftAligned,
                          LabelRightAligned,
                          LabelCentred,
                          LabelCentred | LabelPlainFrame,
                          LabelRightAligned | LabelSunkenFrame,
                          LabelPlainFrame};
    for (const int style : styles) {
        const auto label = CreateLabel(u"Text", 10, 10, 100, 24, window, style);
        EXPECT_EQ(PlatformUser()->ShownLabelStyle(label), style) << style;
        FreeGadget(label);
    }
    // A plain frame takes a pixel from each side of the room inside.
    const auto framed = CreateLabel(u"Text", 10, 40, 100, 24, window, LabelPlainFrame);
    EXPECT_EQ(GadgetClientWidth(framed), 98);
    EXPECT_EQ(GadgetClientHeight(framed), 22);
    // Both alignment bits are a left-aligned label.
    const auto both = CreateLabel(u"Text", 10, 10, 100, 24, window, 24 | LabelSunkenFrame);
    EXPECT_EQ(PlatformUser()->ShownLabelStyle(both), LabelLeftAligned | LabelSunkenFrame);
}

TEST_F(LabelPanelTest, ASeparatorIsTwoPixelsAcrossAndKeepsNoText) {
    const auto wide = CreateLabel(u"x", 10, 10, 100, 20, window, LabelSeparator);
    EXPECT_EQ(GadgetWidth(wide), 100);
    EXPECT_EQ(GadgetHeight(wide), 2);
    EXPECT_EQ(GadgetText(wide), u"");
    const auto tall = CreateLabel(u"x", 10, 40, 3, 50, window, LabelSeparator);
    EXPECT_EQ(GadgetWidth(tall), 2);
    EXPECT_EQ(GadgetHeight(tall), 50);
    SetGadgetText(tall, u"y");
    EXPECT_EQ(GadgetText(tall), u"");
    EXPECT_EQ(PlatformUser()->ShownText(tall), u"");
    SetGadgetShape(wide, 10, 10, 120, 30);
    EXPECT_EQ(GadgetWidth(wide), 120);
    EXPECT_EQ(GadgetHeight(wide), 2);
}

TEST_F(LabelPanelTest, ALabelShowsTheColoursTheProgramSets) {
    const auto label = CreateLabel(u"Spieler 1", 10, 10, 150, 24, window, 0);
    SetGadgetTextColor(label, 255, 255, 255);
    SetGadgetColor(label, 0, 0, 128);
    EXPECT_EQ(PlatformUser()->ShownTextColor(label), 0xFFFFFF);
    EXPECT_EQ(PlatformUser()->ShownBackColor(label), 128 << 16);
    SetGadgetColor(label, 0, 128, 0, 0);
    EXPECT_EQ(PlatformUser()->ShownTextColor(label), 128 << 8);
    EXPECT_EQ(Take().size(), 0u);
}

TEST_F(LabelPanelTest, AHiddenLabelShowsNothingAndAFreedOneIsGone) {
    const auto label = CreateLabel(u"weg", 10, 10, 150, 24, window, LabelSunkenFrame);
    HideGadget(label);
    EXPECT_EQ(PlatformUser()->ShownState(label) & StateHidden, StateHidden);
    ShowGadget(label);
    EXPECT_EQ(PlatformUser()->ShownState(label) & StateHidden, 0);
    FreeGadget(label);
    EXPECT_EQ(PlatformUser()->Exists(label), 0);
    EXPECT_EQ(PlatformUser()->ShownText(label), u"");
    SetGadgetText(label, u"neu");
    EXPECT_EQ(PlatformUser()->Exists(label), 0);
}

TEST_F(LabelPanelTest, AnActivePanelTakesTheMouseAndKeysAndAPlainOneNeither) {
    const auto active = CreatePanel(10, 10, 100, 100, window, PanelActive);
    const auto plain = CreatePanel(120, 10, 100, 100, window, PanelSunkenBorder);
    const auto group = CreatePanel(10, 120, 200, 100, window, PanelGroupFrame, u"G");
    EXPECT_EQ(GadgetSensitivity(active), 3);
    EXPECT_EQ(GadgetSensitivity(plain), 0);
    EXPECT_EQ(GadgetSensitivity(group), 0);
    EXPECT_EQ(GadgetClass(active), ClassPanel);
    EXPECT_EQ(GadgetClass(group), ClassPanel);
    Drain();
}

TEST_F(LabelPanelTest, APanelsImageIsTakenAndAnsweredWithZero) {
    const auto panel = CreatePanel(10, 10, 100, 100, window, 0);
    const Ref<TPixmap> image = TPixmap::Create(4, 4, 6, 4);
    EXPECT_EQ(SetPanelPixmap(panel, image, 3), 0);
    EXPECT_EQ(SetGadgetPixmap(panel, image, 1), 0);
    EXPECT_EQ(SetPanelPixmap(panel, nullptr, 0), 0);
    Drain();
}

TEST_F(LabelPanelTest, AGroupFramesRoomIsEightNarrowerAndTwentyLower) {
    const auto group = CreatePanel(10, 10, 200, 150, window, PanelGroupFrame, u"Gruppe");
    const auto plain = CreatePanel(10, 10, 200, 150, window, 0);
    EXPECT_EQ(GadgetClientWidth(plain) - GadgetClientWidth(group), 8);
    EXPECT_EQ(GadgetClientHeight(plain) - GadgetClientHeight(group), 20);
    EXPECT_EQ(GadgetText(group), u"Gruppe");
    // A child locked to both edges follows the frame's room.
    const auto inside = CreateButton(u"in", 0, 0, GadgetClientWidth(group), 20, group, 0);
    SetGadgetLayout(inside, 1, 1, 1, 0);
    SetGadgetShape(group, 10, 10, 300, 150);
    EXPECT_EQ(GadgetWidth(inside), GadgetClientWidth(group));
    EXPECT_EQ(GadgetClientWidth(plain) + 100 - GadgetClientWidth(group), 8);
    Drain();
}

} // namespace
} // namespace vandro

// A toolbar as its user and its program see it: one button per icon of its strip, a blank icon
// a separator, a click "GadgetAction" with the button's index and nothing for a disabled one, a
// toggle button flipped before its event; the program's changes raise nothing, and the window's
// client area gives the bar its room.
#include "ItemFixture.h"

#include "gui/GadgetConstants.h"
#include "gui/GadgetFunctions.h"
#include "gui/GadgetItemFunctions.h"

#include "graphics/Pixmap.h"
#include "runtime/Boxed.h"

namespace vandro {
namespace {

class ToolbarTest : public ItemTest {
  protected:
    // Four 16 px icons; the third is blank.
    static Ref<TPixmap> Strip() {
        auto strip = TPixmap::Create(64, 16, 6, 4);
        strip->ClearPixels(static_cast<int>(0xFFC0C0C0u));
        for (int icon : {0, 1, 3})
            for (int at = 3; at < 13; ++at)
                strip->WritePixel(icon * 16 + at, at, static_cast<int>(0xFF2040A0u));
        return strip;
    }
    Ref<TGadget> MakeToolbar() {
        const auto toolbar = CreateToolbar(Strip(), 0, 0, 0, 0, window, 0);
        Drain();
        return toolbar;
    }

    // The one event the press raised, its index.
    int PressedIndex(const Ref<TGadget>& toolbar, int index) {
        if (User().PressToolbarItem(toolbar, index) != 1)
            return -10;
        const auto events = TakenFrom(toolbar);
        return Ids(events) == std::vector<int>{GadgetAction} ? events[0]->data : -20;
    }
};

TEST_F(ToolbarTest, AClickRaisesActionWithTheButtonsIndex) {
    const auto toolbar = MakeToolbar();
    ASSERT_EQ(CountGadgetItems(toolbar), 4);
    EXPECT_EQ(PressedIndex(toolbar, 0), 0);
    EXPECT_EQ(PressedIndex(toolbar, 3), 3);
    EXPECT_EQ(User().PressToolbarItem(toolbar, 2), 0) << "a separator";
    DisableGadgetItem(toolbar, 1);
    EXPECT_EQ(User().PressToolbarItem(toolbar, 1), 0);
    EXPECT_TRUE(TakenFrom(toolbar).empty());
    EnableGadgetItem(toolbar, 1);
    EXPECT_EQ(PressedIndex(toolbar, 1), 1);
}

TEST_F(ToolbarTest, AToggleButtonFlipsBeforeItsEvent) {
    const auto toolbar = MakeToolbar();
    // Selected, a toggle button shows the icon after its own.
    ModifyGadgetItem(toolbar, 0, {}, ItemFlagToggle, 0);
    EXPECT_EQ(PressedIndex(toolbar, 0), 0);
    EXPECT_EQ(SelectedGadgetItems(toolbar), std::vector<int>{0});
    EXPECT_EQ(PressedIndex(toolbar, 0), 0);
    EXPECT_TRUE(SelectedGadgetItems(toolbar).empty());
    EXPECT_EQ(PressedIndex(toolbar, 3), 3);
    EXPECT_TRUE(SelectedGadgetItems(toolbar).empty()) << "a plain button stays out";
}

TEST_F(ToolbarTest, TheProgramsChangesRaiseNothing) {
    const auto toolbar = MakeToolbar();
    ModifyGadgetItem(toolbar, 0, {}, ItemFlagToggle, 0);
    SelectGadgetItem(toolbar, 0);
    ToggleGadgetItem(toolbar, 3);
    EXPECT_EQ(SelectedGadgetItems(toolbar), (std::vector<int>{0, 3}));
    DeselectGadgetItem(toolbar, 0);
    DisableGadgetItem(toolbar, 3);
    RemoveGadgetItem(toolbar, 1);
    AddGadgetItem(toolbar, {}, 0, 1);
    EXPECT_EQ(CountGadgetItems(toolbar), 4);
    EXPECT_EQ(SelectedGadgetItems(toolbar), std::vector<int>{2});
    EXPECT_TRUE(TakenFrom(toolbar).empty());
}

TEST_F(ToolbarTest, TheWindowsClientAreaStartsBelowTheBar) {
    const int whole = GadgetClientHeight(window);
    const auto toolbar = MakeToolbar();
    const int below = GadgetClientHeight(window);
    EXPECT_GT(whole - below, 16);
    EXPECT_LT(whole - below, 60);
    FreeGadget(toolbar);
    Drain();
    EXPECT_EQ(GadgetClientHeight(window), whole);
}

TEST_F(ToolbarTest, AnItemMadeASeparatorCannotBeClickedUntilItIsAButtonAgain) {
    const auto toolbar = MakeToolbar();
    ModifyGadgetItem(toolbar, 0, {}, 0, -2);
    EXPECT_EQ(User().PressToolbarItem(toolbar, 0), 0);
    ModifyGadgetItem(toolbar, 3, {}, 0, 2);
    EXPECT_EQ(User().PressToolbarItem(toolbar, 3), 0) << "a blank icon";
    EXPECT_TRUE(TakenFrom(toolbar).empty());
    ModifyGadgetItem(toolbar, 0, {}, 0, 1);
    EXPECT_EQ(PressedIndex(toolbar, 0), 0);
    ModifyGadgetItem(toolbar, 2, {}, 0, 3);
    EXPECT_EQ(PressedIndex(toolbar, 2), 2);
    EXPECT_EQ(PressedIndex(toolbar, 1), 1) << "the buttons beside it keep their indexes";
}

TEST_F(ToolbarTest, AnItemKeepsItsStatesThroughASeparatorAndBack) {
    const auto toolbar = MakeToolbar();
    ModifyGadgetItem(toolbar, 0, {}, ItemFlagToggle, 0);
    SelectGadgetItem(toolbar, 0);
    DisableGadgetItem(toolbar, 3);
    for (int index : {0, 3})
        ModifyGadgetItem(toolbar, index, {}, GadgetItemFlags(toolbar, index), -2);
    EXPECT_EQ(SelectedGadgetItems(toolbar), std::vector<int>{0});
    ModifyGadgetItem(toolbar, 0, {}, ItemFlagToggle, 0);
    ModifyGadgetItem(toolbar, 3, {}, 0, 3);
    EXPECT_EQ(SelectedGadgetItems(toolbar), std::vector<int>{0});
    EXPECT_EQ(toolbar->ItemState(3), ItemStateDisabled);
    EXPECT_EQ(toolbar->ItemState(0), ItemStateSelected);
    EXPECT_EQ(User().PressToolbarItem(toolbar, 3), 0);
    EXPECT_EQ(PressedIndex(toolbar, 0), 0);
    EXPECT_TRUE(SelectedGadgetItems(toolbar).empty());
}

TEST_F(ToolbarTest, TheBarHasItsPlaceAndSizeOnceMade) {
    const int whole = GadgetClientHeight(window);
    const auto toolbar = CreateToolbar(Strip(), 0, 0, 0, 0, window, 0);
    const int room = whole - GadgetClientHeight(window);
    EXPECT_GT(room, 16);
    EXPECT_EQ(GadgetX(toolbar), 0);
    EXPECT_EQ(GadgetY(toolbar), 0);
    EXPECT_EQ(GadgetWidth(toolbar), GadgetClientWidth(window));
    EXPECT_EQ(GadgetHeight(toolbar), room);
    Drain();
    EXPECT_EQ(GadgetWidth(toolbar), GadgetClientWidth(window)) << "read again later";
    EXPECT_EQ(GadgetHeight(toolbar), whole - GadgetClientHeight(window));
}

TEST_F(ToolbarTest, AHiddenBarGivesItsRoomBack) {
    const int whole = GadgetClientHeight(window);
    const auto toolbar = MakeToolbar();
    const int below = GadgetClientHeight(window);
    HideGadget(toolbar);
    EXPECT_EQ(GadgetClientHeight(window), whole);
    EXPECT_EQ(User().PressToolbarItem(toolbar, 0), 0);
    ShowGadget(toolbar);
    EXPECT_EQ(GadgetClientHeight(window), below);
    EXPECT_EQ(PressedIndex(toolbar, 0), 0);
}

TEST_F(ToolbarTest, ButtonsAddedOrInsertedTakeTheirPlacesIndexes) {
    const auto toolbar = MakeToolbar();
    InsertGadgetItem(toolbar, 0, {}, 0, 3);
    EXPECT_EQ(CountGadgetItems(toolbar), 5);
    EXPECT_EQ(PressedIndex(toolbar, 0), 0);
    EXPECT_EQ(PressedIndex(toolbar, 1), 1);
    EXPECT_EQ(User().PressToolbarItem(toolbar, 3), 0) << "the separator moved on";
    EXPECT_EQ(PressedIndex(toolbar, 4), 4);
    AddGadgetItem(toolbar, {}, 0, -2);
    EXPECT_EQ(User().PressToolbarItem(toolbar, 5), 0);
    ClearGadgetItems(toolbar);
    EXPECT_EQ(CountGadgetItems(toolbar), 0);
    EXPECT_EQ(User().PressToolbarItem(toolbar, 0), 0);
    AddGadgetItem(toolbar, {}, 0, 1);
    EXPECT_EQ(PressedIndex(toolbar, 0), 0);
}

TEST_F(ToolbarTest, ADisabledToggleButtonKeepsItsSelection) {
    const auto toolbar = MakeToolbar();
    ModifyGadgetItem(toolbar, 0, {}, ItemFlagToggle, 0);
    SelectGadgetItem(toolbar, 0);
    DisableGadgetItem(toolbar, 0);
    EXPECT_EQ(toolbar->ItemState(0), ItemStateSelected | ItemStateDisabled);
    EXPECT_EQ(User().PressToolbarItem(toolbar, 0), 0);
    EXPECT_EQ(SelectedGadgetItems(toolbar), std::vector<int>{0});
    EnableGadgetItem(toolbar, 0);
    EXPECT_EQ(toolbar->ItemState(0), ItemStateSelected);
    EXPECT_EQ(PressedIndex(toolbar, 0), 0);
    EXPECT_TRUE(SelectedGadgetItems(toolbar).empty());
}

TEST_F(ToolbarTest, ADisabledOrHiddenWindowsBarCannotBeClicked) {
    const auto toolbar = MakeToolbar();
    DisableGadget(toolbar);
    EXPECT_EQ(User().PressToolbarItem(toolbar, 0), 0);
    EnableGadget(toolbar);
    HideGadget(window);
    EXPECT_EQ(User().PressToolbarItem(toolbar, 0), 0);
    ShowGadget(window);
    PlatformUser()->Settle();
    Drain();
    EXPECT_EQ(PressedIndex(toolbar, 0), 0);
}

TEST_F(ToolbarTest, TheButtonsShowTheirTips) {
    const auto toolbar = MakeToolbar();
    EXPECT_EQ(User().ShownItemTip(toolbar, 0), u"");
    SetToolbarTips(toolbar,
                   New<TObjectArray>(std::vector<Object>{Box(u"Neu"), nullptr, Box(u"Öffnen")}));
    EXPECT_EQ(User().ShownItemTip(toolbar, 0), u"Neu");
    EXPECT_EQ(User().ShownItemTip(toolbar, 1), u"Öffnen") << "a null tip uses up no button";
    EXPECT_EQ(User().ShownItemTip(toolbar, 3), u"");
    ModifyGadgetItem(toolbar, 3, {}, 0, 3, u"Ende");
    EXPECT_EQ(User().ShownItemTip(toolbar, 3), u"Ende");
    RemoveGadgetItem(toolbar, 0);
    EXPECT_EQ(User().ShownItemTip(toolbar, 0), u"Öffnen");
    EXPECT_EQ(User().ShownItemTip(toolbar, 2), u"Ende");
}

TEST_F(ToolbarTest, AClickReportsTheButtonsExtra) {
    const auto toolbar = MakeToolbar();
    ModifyGadgetItem(toolbar, 1, {}, 0, 1, {}, Box(u"Öffnen"));
    ASSERT_EQ(User().PressToolbarItem(toolbar, 1), 1);
    auto events = TakenFrom(toolbar);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetAction});
    EXPECT_EQ(StringOf(events[0]->extra), u"Öffnen");
    ASSERT_EQ(User().PressToolbarItem(toolbar, 0), 1);
    events = TakenFrom(toolbar);
    ASSERT_EQ(Ids(events), std::vector<int>{GadgetAction});
    EXPECT_EQ(events[0]->extra, nullptr) << "a button without an extra";
}

TEST_F(ToolbarTest, AFreedToolbarAnswersNothing) {
    const auto toolbar = MakeToolbar();
    FreeGadget(toolbar);
    EXPECT_EQ(PlatformUser()->Exists(toolbar), 0);
    EXPECT_EQ(CountGadgetItems(toolbar), 0);
    EXPECT_TRUE(SelectedGadgetItems(toolbar).empty());
    EXPECT_EQ(User().PressToolbarItem(toolbar, 0), 0);
    EXPECT_TRUE(TakenFrom(toolbar).empty());
}

} // namespace
} // namespace vandro

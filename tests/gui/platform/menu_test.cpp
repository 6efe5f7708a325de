// Menus alike on every platform: the bar shows the program's tree once it is refreshed, a
// choice raises one "MenuAction" with the item's tag from the item and moves no check mark,
// the program's pop-up menu raises its choice with its extra, submenus, separators and
// greyed items cannot be chosen, check and enable state show on the open menu at once, items
// added and removed show at the next refresh, and ids past 16 bits still reach their item.
#include "KindFixture.h"

#include "gui/WindowFunctions.h"
#include "runtime/Boxed.h"

namespace vandro {
namespace {

class MenuTest : public KindTest {
  protected:
    void SetUp() override {
        KindTest::SetUp();
        game = CreateMenu(u"&Spiel", 0, GetWindowMenu(window));
        sizes = CreateMenu(u"&Gr\u00f6\u00dfe", 100, game);
        line = CreateMenu(u"", 0, game);
        restart = CreateMenu(u"Spiel &neustarten", 300, game);
        small = CreateMenu(u"5 x &4", 104, sizes);
        large = CreateMenu(u"6 x &5", 105, sizes);
    }

    // The user's choice of the item and the events the program then takes.
    std::vector<Ref<TEvent>> Choose(const Ref<TGadget>& item, int could = 1) {
        EXPECT_EQ(PlatformUser()->ChooseMenu(item), could);
        return Take();
    }
    static std::vector<Ref<TGadget>> Items(const Ref<TGadget>& menu) {
        return PlatformUser()->ShownMenuItems(menu);
    }

    Ref<TGadget> game, sizes, line, restart, small, large;
};

TEST_F(MenuTest, TheBarShowsTheTreeOnceItIsRefreshed) {
    Drain();
    EXPECT_EQ(Items(GetWindowMenu(window)), std::vector<Ref<TGadget>>{});
    EXPECT_EQ(PlatformUser()->Exists(restart), 0);
    const auto quit = CreateMenu(u"Ende && Aus", 400, game);
    RefreshWindowMenu(window);
    EXPECT_EQ(Items(GetWindowMenu(window)), std::vector<Ref<TGadget>>{game});
    EXPECT_EQ(Items(game), (std::vector<Ref<TGadget>>{sizes, line, restart, quit}));
    EXPECT_EQ(PlatformUser()->ShownText(quit), u"Ende && Aus");
    EXPECT_EQ(Items(sizes), (std::vector<Ref<TGadget>>{small, large}));
    EXPECT_EQ(PlatformUser()->ShownText(game), u"&Spiel");
    EXPECT_EQ(PlatformUser()->ShownText(sizes), u"&Gr\u00f6\u00dfe");
    EXPECT_EQ(PlatformUser()->ShownText(restart), u"Spiel &neustarten");
    EXPECT_EQ(PlatformUser()->ShownText(line), u"");
    EXPECT_EQ(PlatformUser()->Exists(restart), 1);
}

TEST_F(MenuTest, AChoiceRaisesOneMenuActionWithTheTagFromTheItemAndMovesNoMark) {
    CheckMenu(small);
    RefreshWindowMenu(window);
    Drain();
    for (const auto& [item, tag] :
         std::initializer_list<std::pair<Ref<TGadget>, int>>{{restart, 300}, {large, 105}}) {
        const auto events = Choose(item);
        ASSERT_EQ(events.size(), 1u);
        EXPECT_EQ(events[0]->id, MenuAction);
        EXPECT_EQ(events[0]->source, item);
        EXPECT_EQ(events[0]->data, tag);
        EXPECT_EQ(events[0]->mods, 0);
        EXPECT_EQ(events[0]->extra, nullptr);
        EXPECT_EQ(PlatformUser()->MenuTag(item), tag);
    }
    // The mark is the program's to move: choosing an item did not check it.
    EXPECT_EQ(PlatformUser()->ShownState(large), 0);
    EXPECT_EQ(PlatformUser()->ShownState(small), StateChecked);
}

TEST_F(MenuTest, SubmenusSeparatorsAndGreyedItemsCannotBeChosen) {
    RefreshWindowMenu(window);
    Drain();
    EXPECT_EQ(Choose(sizes, 0), std::vector<Ref<TEvent>>{});
    EXPECT_EQ(Choose(line, 0), std::vector<Ref<TEvent>>{});
    DisableMenu(restart);
    EXPECT_EQ(Choose(restart, 0), std::vector<Ref<TEvent>>{});
    // Below a greyed submenu nothing can be reached either.
    DisableMenu(sizes);
    EXPECT_EQ(Choose(small, 0), std::vector<Ref<TEvent>>{});
    EnableMenu(sizes);
    EnableMenu(restart);
    EXPECT_EQ(Choose(small).size(), 1u);
    EXPECT_EQ(Choose(restart).size(), 1u);
}

TEST_F(MenuTest, CheckAndEnableStateShowOnTheOpenMenuAtOnce) {
    CheckMenu(small);
    DisableMenu(restart);
    RefreshWindowMenu(window);
    EXPECT_EQ(PlatformUser()->ShownState(small), StateChecked);
    EXPECT_EQ(PlatformUser()->ShownState(large), 0);
    EXPECT_EQ(PlatformUser()->ShownState(restart), StateDisabled);
    UncheckMenu(small);
    CheckMenu(large);
    EnableMenu(restart);
    DisableMenu(sizes);
    EXPECT_EQ(PlatformUser()->ShownState(small), 0);
    EXPECT_EQ(PlatformUser()->ShownState(large), StateChecked);
    EXPECT_EQ(PlatformUser()->ShownState(restart), 0);
    EXPECT_EQ(PlatformUser()->ShownState(sizes), StateDisabled);
    EXPECT_EQ(IsMenuChecked(large), 1);
    EXPECT_EQ(IsMenuChecked(small), 0);
    EXPECT_EQ(IsMenuEnabled(sizes), 0);
    // A rebuild shows the state as the program left it.
    RefreshWindowMenu(window);
    EXPECT_EQ(PlatformUser()->ShownState(large), StateChecked);
    EXPECT_EQ(PlatformUser()->ShownState(small), 0);
    EXPECT_EQ(PlatformUser()->ShownState(sizes), StateDisabled);
}

TEST_F(MenuTest, ItemsAddedAndRemovedShowAtTheNextRefresh) {
    RefreshWindowMenu(window);
    const auto quit = CreateMenu(u"Spiel &beenden", 400, game);
    FreeMenu(line);
    SetMenuText(restart, u"&Neu");
    RefreshWindowMenu(window);
    EXPECT_EQ(Items(game), (std::vector<Ref<TGadget>>{sizes, restart, quit}));
    EXPECT_EQ(PlatformUser()->ShownText(restart), u"&Neu");
    EXPECT_EQ(PlatformUser()->Exists(line), 0);
    Drain();
    const auto events = Choose(quit);
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0]->source, quit);
    EXPECT_EQ(events[0]->data, 400);
}

TEST_F(MenuTest, ItemsMadeAfterSixteenBitsOfIdsReachTheirOwnItem) {
    // A long session makes and frees more menus than a 16-bit command id counts: the new item's
    // id ends in the same 16 bits as the first size's.
    for (int made = 0; made < 0xFFFE; ++made)
        FreeMenu(CreateMenu(u"", 0, nullptr));
    const auto late = CreateMenu(u"&Sp\u00e4t", 6, game);
    RefreshWindowMenu(window);
    Drain();
    for (const auto& [item, tag] :
         std::initializer_list<std::pair<Ref<TGadget>, int>>{{late, 6}, {small, 104}}) {
        const auto events = Choose(item);
        ASSERT_EQ(events.size(), 1u);
        EXPECT_EQ(events[0]->source, item);
        EXPECT_EQ(events[0]->data, tag);
    }
}

TEST_F(MenuTest, APopupMenuRaisesTheChoiceWithItsExtraFromTheItem) {
    const auto popup = CreateMenu(u"", 0, nullptr);
    CreateMenu(u"&Kopieren", 7, popup);
    const auto paste = CreateMenu(u"&Einf\u00fcgen", 8, popup);
    Drain();
    const Object context = Box(u"Zeile 3");
    PlatformUser()->PickFromNextPopup(paste);
    PopupWindowMenu(window, popup, context);
    const auto events = Take();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0]->id, MenuAction);
    EXPECT_EQ(events[0]->source, paste);
    EXPECT_EQ(events[0]->data, 8);
    EXPECT_EQ(events[0]->extra, context);
    FreeMenu(popup);
}

} // namespace
} // namespace vandro

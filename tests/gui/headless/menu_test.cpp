// Menus: the tree a window's menu bar is built from, check marks, separators, submenus, tags
// coming back as "MenuAction" data, pop-up menus, and shortcuts through the hot-key registry.
#include "HeadlessFixture.h"

#include "gui/headless/HeadlessMenu.h"
#include "gui/headless/HeadlessWindow.h"

namespace vandro {
namespace {

using MenuTest = HeadlessTest;

constexpr int kCtrl = 2;

Ref<THeadlessMenu> Item(const Ref<TGadget>& menu) { return Cast<THeadlessMenu>(menu); }

class GameMenuTest : public HeadlessTest {
  protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        window = CreateWindow(u"Vandro", 0, 0, 290, 280, nullptr, 557);
        game = CreateMenu(u"&Spiel", 0, GetWindowMenu(window));
        size = CreateMenu(u"&Gr\u00f6sse", 100, game);
        separator = CreateMenu(u"", 0, game);
        restart = CreateMenu(u"Spiel &neustarten", 300, game);
        small = CreateMenu(u"5 x &4\t10 Symbole", 104, size);
        large = CreateMenu(u"6 x &5\t15 Symbole", 105, size);
        CheckMenu(small);
        events.Take();
    }
    void TearDown() override {
        window = game = size = separator = restart = small = large = nullptr;
        HeadlessTest::TearDown();
    }
    // Frees the window with everything on it, as the program does when it quits.
    void FreeAll() { FreeGadget(window); }

    Ref<TGadget> window, game, size, separator, restart, small, large;
};

TEST_F(MenuTest, CommandIdsCountFrom101AndAreNotReused) {
    const Ref<TGadget> window = CreateWindow(u"w", 0, 0, 100, 100, nullptr, 4);
    const Ref<TGadget> root = GetWindowMenu(window);
    const Ref<TGadget> first = CreateMenu(u"a", 1, root);
    const Ref<TGadget> second = CreateMenu(u"", 2, root);
    EXPECT_EQ(Item(root)->_key, 101);
    EXPECT_EQ(Item(first)->_key, 102);
    EXPECT_EQ(Item(second)->_key, 103);
    EXPECT_EQ(GetWindowMenu(window), root);
    FreeMenu(first);
    EXPECT_EQ(THeadlessMenu::GetMenuFromKey(102), nullptr);
    EXPECT_EQ(Item(CreateMenu(u"b", 3, root))->_key, 104);
    FreeGadget(window);
}

TEST_F(GameMenuTest, TheMenuBarShowsTheTreeOnlyAfterARefresh) {
    const auto frame = Cast<THeadlessWindow>(window);
    EXPECT_EQ(frame->_menubar, MenuBarPlaceholder);
    EXPECT_FALSE(Item(game)->NativeShown());
    RefreshWindowMenu(window);
    EXPECT_EQ(frame->_menubar, MenuBarTree);
    const auto bar = Item(GetWindowMenu(window))->ShownItems();
    ASSERT_EQ(bar.size(), 1u);
    EXPECT_EQ(bar[0], game);
    EXPECT_EQ(bar[0]->_nativeText, u"&Spiel");

    const auto drop = Item(game)->ShownItems();
    ASSERT_EQ(drop.size(), 3u);
    EXPECT_EQ(drop[1]->_item, 1);
    EXPECT_TRUE(drop[1]->IsSeparator());
    EXPECT_NE(drop[1]->_key, 0);
    EXPECT_EQ(drop[2]->_nativeText, u"Spiel &neustarten");
    EXPECT_NE(drop[0]->_handle, 0);
    EXPECT_EQ(drop[2]->_handle, 0);
    FreeAll();
}

TEST_F(GameMenuTest, CheckMarksShowOnTheOpenMenuAndSurviveARebuild) {
    EXPECT_EQ(IsMenuChecked(small), 1);
    EXPECT_EQ(IsMenuChecked(large), 0);
    EXPECT_EQ(Item(small)->_nativeState, 0);
    RefreshWindowMenu(window);
    EXPECT_EQ(Item(small)->_nativeState, StateChecked);
    UncheckMenu(small);
    CheckMenu(large);
    EXPECT_EQ(Item(small)->_nativeState, 0);
    EXPECT_EQ(Item(large)->_nativeState, StateChecked);
    RefreshWindowMenu(window);
    EXPECT_EQ(Item(large)->_nativeState, StateChecked);
    EXPECT_EQ(IsMenuChecked(small), 0);
    FreeAll();
}

TEST_F(GameMenuTest, ChoosingAnItemRaisesMenuActionWithItsTag) {
    EXPECT_EQ(UserChooseMenu(restart), 0);
    RefreshWindowMenu(window);
    EXPECT_EQ(UserChooseMenu(restart), 1);
    const auto choice = OnlyEvent(MenuAction);
    EXPECT_EQ(choice->source, restart);
    EXPECT_EQ(choice->data, 300);
    EXPECT_EQ(choice->extra, nullptr);
    EXPECT_EQ(choice->ToString(), u"MenuAction: data=300, mods=0, x=0, y=0, extra=\"\"");
    EXPECT_EQ(UserChooseMenu(small), 1);
    EXPECT_EQ(OnlyEvent(MenuAction)->data, 104);
    FreeAll();
}

TEST_F(GameMenuTest, SubmenusSeparatorsAndDisabledItemsCannotBeChosen) {
    RefreshWindowMenu(window);
    EXPECT_EQ(UserChooseMenu(size), 0);
    EXPECT_EQ(UserChooseMenu(separator), 0);
    DisableMenu(restart);
    EXPECT_EQ(IsMenuEnabled(restart), 0);
    EXPECT_EQ(UserChooseMenu(restart), 0);
    DisableMenu(size);
    EXPECT_EQ(UserChooseMenu(small), 0);
    EnableMenu(size);
    EnableMenu(restart);
    EXPECT_EQ(UserChooseMenu(restart), 1);
    events.Take();
    DisableGadget(window);
    EXPECT_EQ(UserChooseMenu(restart), 0);
    EXPECT_TRUE(events.Take().empty());
    FreeAll();
}

TEST_F(GameMenuTest, ATextChangeShowsAtTheNextRebuild) {
    RefreshWindowMenu(window);
    SetMenuText(restart, u"Neu");
    EXPECT_EQ(MenuText(restart), u"Neu");
    EXPECT_EQ(Item(restart)->_nativeText, u"Spiel &neustarten");
    RefreshWindowMenu(window);
    EXPECT_EQ(Item(restart)->_nativeText, u"Neu");
    FreeAll();
}

TEST_F(GameMenuTest, PopupMenusRaiseTheChoiceWithTheirExtra) {
    const Ref<TGadget> popup = CreateMenu(u"", 0, nullptr);
    const Ref<TGadget> copy = CreateMenu(u"Copy", 7, popup);
    const Object context = Box(u"row 3");
    UserPickFromPopup(copy);
    PopupWindowMenu(window, popup, context);
    const auto choice = OnlyEvent(MenuAction);
    EXPECT_EQ(choice->data, 7);
    EXPECT_EQ(choice->extra, context);
    EXPECT_EQ(Cast<THeadlessWindow>(window)->popupextra, nullptr);
    EXPECT_EQ(Item(popup)->_handle, 0);

    PopupWindowMenu(window, popup, context);
    EXPECT_TRUE(events.Take().empty());
    FreeMenu(popup);
    FreeAll();
}

TEST_F(GameMenuTest, ShortcutsNameTheirKeysAndFireThroughTheHotKeys) {
    const Ref<TGadget> quit = CreateMenu(u"Spiel &beenden", 400, game, 0x51, kCtrl);
    EXPECT_EQ(Item(quit)->_shortcut, u"\tCtrl+Q");
    RefreshWindowMenu(window);
    EXPECT_EQ(Item(quit)->_nativeText, u"Spiel &beenden\tCtrl+Q");
    EXPECT_EQ(UserPressKey(0x51, kCtrl), 1);
    const auto choice = OnlyEvent(MenuAction);
    EXPECT_EQ(choice->source, quit);
    EXPECT_EQ(choice->data, 400);
    EXPECT_EQ(choice->mods, kCtrl);

    DisableMenu(quit);
    UserPressKey(0x51, kCtrl);
    EXPECT_TRUE(events.Take().empty());
    FreeAll();
    UserPressKey(0x51, kCtrl);
    EXPECT_TRUE(events.Take().empty());
}

TEST_F(MenuTest, AShortcutOfKeyZeroRemovesTheBinding) {
    const Ref<TGadget> window = CreateWindow(u"w", 0, 0, 100, 100, nullptr, 4);
    const Ref<TGadget> item = CreateMenu(u"Open", 5, GetWindowMenu(window), 0x4F, kCtrl);
    EXPECT_NE(FindHotKeyEvent(0x4F, kCtrl, QueryGadget(window, 1)), nullptr);
    EXPECT_EQ(FindHotKeyEvent(0x4F, kCtrl, QueryGadget(window, 1) + 1000), nullptr);
    SetGadgetHotKey(item, 0, 0);
    EXPECT_EQ(Item(item)->_shortcut, u"");
    EXPECT_EQ(FindHotKeyEvent(0x4F, kCtrl, QueryGadget(window, 1)), nullptr);
    FreeGadget(window);
}

} // namespace
} // namespace vandro

// Menus on the headless platform: command ids, and shortcuts through the hot-key registry.
#include "HeadlessFixture.h"

#include "gui/headless/HeadlessMenu.h"

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
        events.Take();
    }
    void TearDown() override {
        window = game = nullptr;
        HeadlessTest::TearDown();
    }
    // Frees the window with everything on it, as the program does when it quits.
    void FreeAll() { FreeGadget(window); }

    Ref<TGadget> window, game;
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

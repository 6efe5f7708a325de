// A menu item's shortcut shows the same words on every platform, in the program's language,
// and its key raises the item's "MenuAction" once while the item is there and enabled.
#include "KindFixture.h"

#include "gui/WindowFunctions.h"
#include "gui/localization/LanguageFunctions.h"
#include "gui/localization/LocalizationFunctions.h"

namespace vandro {
namespace {

using MenuShortcutTest = PlatformTest;

TEST_F(MenuShortcutTest, TheWordsComeFromTheLanguage) {
    const auto language = CreateLanguage(u"Deutsch");
    DefineLanguageToken(language, u"Ctrl", u"Strg");
    DefineLanguageToken(language, u"Delete", u"Entf");
    SelectLanguage(language);
    SelectLocalizationMode(1);
    const auto window = CreateWindow(u"Men\u00fc", 40, 40, 240, 120, Desktop(), 557);
    const auto file = CreateMenu(u"&Datei", 0, GetWindowMenu(window));
    const auto open = CreateMenu(u"\u00d6&ffnen", 11, file, 0x4F, 2);
    const auto erase = CreateMenu(u"&L\u00f6schen", 12, file, 0x2E, 1);
    RefreshWindowMenu(window);
    Drain();
    EXPECT_EQ(PlatformUser()->ShownShortcut(open), u"\tStrg+O");
    EXPECT_EQ(PlatformUser()->ShownShortcut(erase), u"\tShift+Entf");
    SelectLocalizationMode(0);
    SelectLanguage(nullptr);
    FreeGadget(window);
}

class MenuKeyTest : public KindTest {
  protected:
    void SetUp() override {
        KindTest::SetUp();
        field = CreateTextField(10, 10, 150, 24, window, 0);
        game = CreateMenu(u"&Spiel", 0, GetWindowMenu(window));
        restart = CreateMenu(u"&Neu", 300, game, 'N', kCtrl);
        RefreshWindowMenu(window);
        Drain();
        FocusGadget(field);
        Drain();
    }
    // The menu actions the key raised.
    static std::vector<Ref<TEvent>> Actions(int key, int modifiers) {
        EXPECT_EQ(PlatformUser()->PressKey(key, modifiers), 1);
        std::vector<Ref<TEvent>> actions;
        for (const auto& event : Take())
            if (event->id == MenuAction)
                actions.push_back(event);
        return actions;
    }

    static constexpr int kAlt = 4;
    Ref<TGadget> field, game, restart;
};

TEST_F(MenuKeyTest, TheShortcutRaisesTheItemsActionWithItsTagOnce) {
    const auto actions = Actions('N', kCtrl);
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(actions[0]->source, restart);
    EXPECT_EQ(actions[0]->data, 300);
    EXPECT_EQ(actions[0]->mods, kCtrl);
    // The key was the menu's, not a letter for the field.
    EXPECT_EQ(TextFieldText(field), u"");
    EXPECT_EQ(Actions('N', 0).size(), 0u);
    EXPECT_EQ(TextFieldText(field), u"n");
    EXPECT_EQ(Actions('N', kCtrl | kShift).size(), 0u);
}

TEST_F(MenuKeyTest, AGreyedItemsShortcutRaisesNothingUntilItIsEnabled) {
    DisableMenu(restart);
    EXPECT_EQ(Actions('N', kCtrl).size(), 0u);
    EnableMenu(restart);
    const auto actions = Actions('N', kCtrl);
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(actions[0]->source, restart);
}

TEST_F(MenuKeyTest, AFreedItemsShortcutRaisesNothing) {
    const auto quit = CreateMenu(u"&Beenden", 400, game, 'Q', kCtrl);
    RefreshWindowMenu(window);
    FreeMenu(restart);
    RefreshWindowMenu(window);
    EXPECT_EQ(Actions('N', kCtrl).size(), 0u);
    EXPECT_EQ(TextFieldText(field), u"");
    const auto actions = Actions('Q', kCtrl);
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(actions[0]->source, quit);
    EXPECT_EQ(actions[0]->data, 400);
}

TEST_F(MenuKeyTest, AChangedShortcutTakesTheNewKeyAndNotTheOld) {
    SetGadgetHotKey(restart, kF5, 0);
    RefreshWindowMenu(window);
    EXPECT_EQ(PlatformUser()->ShownShortcut(restart), u"\tF5");
    EXPECT_EQ(Actions('N', kCtrl).size(), 0u);
    const auto actions = Actions(kF5, 0);
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(actions[0]->source, restart);
    EXPECT_EQ(actions[0]->data, 300);
    EXPECT_EQ(actions[0]->mods, 0);
    // Without a key the item is only chosen from its menu.
    SetGadgetHotKey(restart, 0, 0);
    RefreshWindowMenu(window);
    EXPECT_EQ(PlatformUser()->ShownShortcut(restart), u"");
    EXPECT_EQ(Actions(kF5, 0).size(), 0u);
}

TEST_F(MenuKeyTest, AnotherWindowsShortcutRaisesNothingHere) {
    const auto other = CreateWindow(u"Andere", 60, 60, 200, 120, Desktop(), 557);
    const auto help = CreateMenu(u"&Hilfe", 0, GetWindowMenu(other));
    CreateMenu(u"&Regeln", 500, help, 'R', kCtrl);
    RefreshWindowMenu(other);
    FocusWindow(window);
    Drain();
    FocusGadget(field);
    Drain();
    EXPECT_EQ(Actions('R', kCtrl).size(), 0u);
    const auto actions = Actions('N', kCtrl);
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(actions[0]->source, restart);
    FreeGadget(other);
}

TEST_F(MenuKeyTest, AnAltShortcutRaisesTheItemsAction) {
    const auto quit = CreateMenu(u"&Beenden", 400, game, 'B', kAlt);
    RefreshWindowMenu(window);
    Drain();
    const auto actions = Actions('B', kAlt);
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(actions[0]->source, quit);
    EXPECT_EQ(actions[0]->data, 400);
    EXPECT_EQ(actions[0]->mods, kAlt);
    EXPECT_EQ(TextFieldText(field), u"");
    // The key opened no menu: the next letter still reaches the field.
    EXPECT_EQ(Actions('A', 0).size(), 0u);
    EXPECT_EQ(TextFieldText(field), u"a");
}

TEST_F(MenuKeyTest, APopupMenusShortcutWorksInTheWindow) {
    const auto popup = CreateMenu(u"", 0, nullptr);
    const auto copy = CreateMenu(u"&Kopieren", 7, popup, 'C', kCtrl | kShift);
    Drain();
    const auto actions = Actions('C', kCtrl | kShift);
    ASSERT_EQ(actions.size(), 1u);
    EXPECT_EQ(actions[0]->source, copy);
    EXPECT_EQ(actions[0]->data, 7);
    EXPECT_EQ(actions[0]->extra, nullptr);
    FreeMenu(popup);
    EXPECT_EQ(Actions('C', kCtrl | kShift).size(), 0u);
}

} // namespace
} // namespace vandro

// The words a menu item shows for its shortcut key, written once for every platform.
#include "LocalizationFixture.h"

#include "gui/MenuShortcut.h"

using MenuShortcut = LocalizationTest;

TEST_F(MenuShortcut, TextsFollowTheKeyTable) {
    EXPECT_EQ(MenuShortcutText(0x4F, 2), u"\tCtrl+O");
    EXPECT_EQ(MenuShortcutText(0x4F, 7), u"\tAlt+Ctrl+Shift+O");
    EXPECT_EQ(MenuShortcutText(0x0D, 0), u"\tEnter");
    EXPECT_EQ(MenuShortcutText(0x70, 1), u"\tShift+F1");
    EXPECT_EQ(MenuShortcutText(0x7B, 0), u"\tF12");
    EXPECT_EQ(MenuShortcutText(0x65, 0), u"\tNum 5");
    EXPECT_EQ(MenuShortcutText(0xE2, 0), u"\t\\");
    EXPECT_EQ(MenuShortcutText(0x5D, 7), u"");
    EXPECT_EQ(MenuShortcutText(0, 2), u"");
    EXPECT_EQ(MenuShortcutText(0x41, 8), u"\tA");
}

TEST_F(MenuShortcut, WordsBecomeTokensWhileLocalizationIsOn) {
    Translate(LanguageOf({{u"Ctrl", u"Strg"}, {u"Enter", u"Eingabe"}, {u"O", u"X"}}));
    EXPECT_EQ(MenuShortcutText(0x4F, 2), u"\tStrg+O") << "a letter is no word";
    EXPECT_EQ(MenuShortcutText(0x0D, 4), u"\tAlt+Eingabe");
    EXPECT_EQ(MenuShortcutText(0xBC, 0), u"\t,");
    TVellumLocalizationEngine::_SetMode(0);
    EXPECT_EQ(MenuShortcutText(0x4F, 2), u"\tCtrl+O");
}

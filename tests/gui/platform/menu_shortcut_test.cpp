// A menu item's shortcut shows the same words on every platform, in the program's language.
#include "PlatformFixture.h"

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

} // namespace
} // namespace vandro

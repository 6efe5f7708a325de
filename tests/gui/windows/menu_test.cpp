// Menus on real native menus: command ids from 101 and never reused, separators, submenus, the
// state kept while closed, shortcut texts and their hotkeys pressed with the real keyboard.
#include "window_fixture.h"

#include "gui/HotKey.h"
#include "gui/Language.h"
#include "gui/LocalizationEngine.h"
#include "gui/MenuShortcut.h"
#include "gui/windows/WindowsMenu.h"
#include "gui/windows/WindowsWindow.h"
#include "runtime/Exceptions.h"

#include <string>

namespace vandro {
namespace {

using MenuTest = WindowGadgetsTest;
using MenuDeathTest = WindowGadgetsTest;

Ref<TWindowsMenu> Menu(const Ref<TGadget>& gadget) { return Cast<TWindowsMenu>(gadget); }

std::wstring NativeText(const Ref<TWindowsMenu>& item) {
    wchar_t text[128] = {};
    GetMenuStringW(item->_pmenu, static_cast<UINT>(item->_item), text, 128, MF_BYPOSITION);
    return text;
}

TEST_F(MenuDeathTest, TheFirstMenuOfAProcessHasCommandId101) {
    // A process of its own, so that nothing made a menu before.
    EXPECT_EXIT(std::exit(New<TWindowsMenu>()->_key - 100), testing::ExitedWithCode(1), "");
}

TEST_F(MenuTest, CommandIdsFollowOneAnotherAndAreNeverReused) {
    const Ref<TGadget> root = GetWindowMenu(window);
    const auto first = Menu(CreateMenu(u"A", 1, root));
    const auto second = Menu(CreateMenu(u"B", 2, root));
    EXPECT_EQ(second->_key, first->_key + 1);
    EXPECT_GT(Menu(root)->_key, 100);
    const int freed = second->_key;
    FreeMenu(second);
    EXPECT_EQ(TWindowsMenu::GetMenuFromKey(freed), nullptr);
    const auto third = Menu(CreateMenu(u"C", 3, root));
    EXPECT_EQ(third->_key, freed + 1);
    EXPECT_EQ(TWindowsMenu::GetMenuFromKey(first->_key), first);
}

TEST_F(MenuTest, CommandIdsPastSixteenBitsStillReachTheirMenu) {
    const Ref<TGadget> root = GetWindowMenu(window);
    const auto game = Menu(CreateMenu(u"&Spiel", 0, root));
    const auto early = Menu(CreateMenu(u"Früh", 5, game));
    // A long session: ids run past what a WM_COMMAND carries (the menus made and freed).
    for (int key = 0; key < early->_key + 0xFFFF;) {
        const Ref<TWindowsMenu> spent = New<TWindowsMenu>();
        key = spent->_key;
        spent->Free();
    }
    const auto late = Menu(CreateMenu(u"Spät", 6, game));
    ASSERT_EQ(late->_key & 0xFFFF, early->_key & 0xFFFF);
    RefreshWindowMenu(window);
    recorder.Take();
    ASSERT_EQ(PlatformUser()->ChooseMenu(late), 1);
    std::vector<Ref<TEvent>> events = recorder.Take();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0]->source, late);
    EXPECT_EQ(events[0]->data, 6);
    // With both alive the newest wins; alone, the earlier one is found by its 16 bits too.
    FreeMenu(late);
    SendMessageW(Hwnd(window), WM_COMMAND, static_cast<WPARAM>(early->_key), 0);
    events = recorder.Take();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0]->source, early);
}

// Makes and frees menus until the next menu made takes an id past 16 bits whose low 16 bits
// are `low`.
void SpendIdsUntil(int low) {
    int key = 0;
    do {
        const Ref<TWindowsMenu> spent = New<TWindowsMenu>();
        key = spent->_key;
        spent->Free();
    } while (key < 0xFFFF || ((key + 1) & 0xFFFF) != low);
}

TEST_F(MenuTest, CommandsWhoseSixteenBitsLookLikeNoMenusStillReachTheirMenu) {
    const Ref<TGadget> root = GetWindowMenu(window);
    const auto game = Menu(CreateMenu(u"&Spiel", 0, root));
    // 0 to 100 is where a raw 16-bit command would be taken for no menu's.
    std::vector<Ref<TWindowsMenu>> items;
    for (int low : {0, 50, 100}) {
        SpendIdsUntil(low);
        items.push_back(Menu(CreateMenu(u"Eintrag", 1000 + low, game)));
        ASSERT_EQ(items.back()->_key & 0xFFFF, low);
    }
    RefreshWindowMenu(window);
    recorder.Take();
    for (const auto& item : items) {
        SCOPED_TRACE(item->_key);
        ASSERT_EQ(PlatformUser()->ChooseMenu(item), 1);
        // Wine's menu passes the whole id on; Windows' command carries its low 16 bits only.
        SendMessageW(Hwnd(window), WM_COMMAND, MAKEWPARAM(item->_key & 0xFFFF, 0), 0);
        const std::vector<Ref<TEvent>> events = recorder.Take();
        ASSERT_EQ(events.size(), 2u);
        for (const Ref<TEvent>& event : events) {
            EXPECT_EQ(event->id, MenuAction);
            EXPECT_EQ(event->source, item);
            EXPECT_EQ(event->data, item->_tag);
        }
    }
}

TEST_F(MenuTest, TheTreeBecomesTheMenuBarWithSeparatorsAndSubmenus) {
    const Ref<TGadget> root = GetWindowMenu(window);
    const auto game = Menu(CreateMenu(u"&Spiel", 0, root));
    const auto sizes = Menu(CreateMenu(u"&Grösse", 100, game));
    const auto small = Menu(CreateMenu(u"5 x &4\t10 Symbole", 104, sizes));
    const auto line = Menu(CreateMenu(u"", 0, game));
    const auto quit = Menu(CreateMenu(u"Spiel &beenden", 400, game));
    const HMENU placeholder = GetMenu(Hwnd(window));
    ASSERT_NE(placeholder, nullptr);
    EXPECT_EQ(GetMenuItemCount(placeholder), 1);
    RefreshWindowMenu(window);
    const HMENU bar = GetMenu(Hwnd(window));
    EXPECT_EQ(bar, Menu(root)->_hmenu);
    EXPECT_FALSE(IsMenu(placeholder));
    ASSERT_EQ(GetMenuItemCount(bar), 1);
    EXPECT_EQ(GetSubMenu(bar, 0), game->_hmenu);
    ASSERT_EQ(GetMenuItemCount(game->_hmenu), 3);
    EXPECT_EQ(GetSubMenu(game->_hmenu, 0), sizes->_hmenu);
    EXPECT_EQ(NativeText(sizes), L"&Grösse");
    // The separator keeps its id and its place.
    EXPECT_EQ(line->_item, 1);
    EXPECT_TRUE(GetMenuState(game->_hmenu, 1, MF_BYPOSITION) & MF_SEPARATOR);
    EXPECT_EQ(GetMenuItemID(game->_hmenu, 1), static_cast<UINT>(line->_key));
    EXPECT_EQ(GetMenuItemID(game->_hmenu, 2), static_cast<UINT>(quit->_key));
    EXPECT_EQ(NativeText(small), L"5 x &4\t10 Symbole");
    MENUINFO info{};
    info.cbSize = sizeof(info);
    info.fMask = MIM_STYLE;
    GetMenuInfo(sizes->_hmenu, &info);
    EXPECT_EQ(info.dwStyle & (MNS_MODELESS | MNS_CHECKORBMP),
              static_cast<DWORD>(MNS_MODELESS | MNS_CHECKORBMP));

    // A rebuild destroys the menus it replaces.
    const HMENU oldGame = game->_hmenu;
    RefreshWindowMenu(window);
    EXPECT_FALSE(IsMenu(bar));
    EXPECT_FALSE(IsMenu(oldGame));
    EXPECT_TRUE(IsMenu(game->_hmenu));
}

TEST_F(MenuTest, CheckedAndDisabledStateIsKeptWhileClosedAndShownAtTheNextOpen) {
    const Ref<TGadget> root = GetWindowMenu(window);
    const auto game = Menu(CreateMenu(u"&Spiel", 0, root));
    const auto item = Menu(CreateMenu(u"Eins", 1, game));
    CheckMenu(item);
    DisableMenu(item);
    EXPECT_EQ(item->State(), StateChecked | StateDisabled);
    RefreshWindowMenu(window);
    UINT state = GetMenuState(game->_hmenu, 0, MF_BYPOSITION);
    EXPECT_TRUE(state & MF_CHECKED);
    EXPECT_TRUE(state & MF_GRAYED);
    // Closed: the native menu of the last open is gone; the state still changes.
    game->FreeKids();
    UncheckMenu(item);
    EnableMenu(item);
    EXPECT_EQ(item->State(), 0);
    RefreshWindowMenu(window);
    state = GetMenuState(game->_hmenu, 0, MF_BYPOSITION);
    EXPECT_FALSE(state & MF_CHECKED);
    EXPECT_FALSE(state & MF_GRAYED);
    // Open: at once.
    CheckMenu(item);
    EXPECT_TRUE(GetMenuState(game->_hmenu, 0, MF_BYPOSITION) & MF_CHECKED);
}

TEST_F(MenuTest, ShortcutTextsNameModifiersThenTheKey) {
    const Ref<TGadget> root = GetWindowMenu(window);
    const auto game = Menu(CreateMenu(u"&Spiel", 0, root));
    const auto open = Menu(CreateMenu(u"&Öffnen", 7, game, 0x4F, 2));
    EXPECT_EQ(open->_shortcut, u"\tCtrl+O");
    RefreshWindowMenu(window);
    EXPECT_EQ(NativeText(open), L"&Öffnen\tCtrl+O");
    EXPECT_EQ(PlatformUser()->ShownText(open), u"&Öffnen");
    EXPECT_EQ(PlatformUser()->ShownShortcut(open), u"\tCtrl+O");
    open->SetHotKey(0x4F, 7);
    EXPECT_EQ(open->_shortcut, u"\tAlt+Ctrl+Shift+O");
    // Rewritten on the open item at once.
    EXPECT_EQ(NativeText(open), L"&Öffnen\tAlt+Ctrl+Shift+O");
    open->SetHotKey(VK_RETURN, 0);
    EXPECT_EQ(open->_shortcut, u"\tEnter");
    open->SetHotKey(VK_F5, 1);
    EXPECT_EQ(open->_shortcut, u"\tShift+F5");
    open->SetHotKey(VK_NUMPAD7, 0);
    EXPECT_EQ(open->_shortcut, u"\tNum 7");
    open->SetHotKey(0xBF, 2);
    EXPECT_EQ(open->_shortcut, u"\tCtrl+/");
    const HWND owner = Hwnd(window);
    // A key without a name shows nothing, but is bound all the same.
    open->SetHotKey(0x5D, 2);
    EXPECT_EQ(open->_shortcut, u"");
    EXPECT_NE(FindHotKeyEvent(0x5D, 2, HandleValue(owner)), nullptr);
    open->SetHotKey(0, 2);
    EXPECT_EQ(open->_shortcut, u"");
    EXPECT_EQ(FindHotKeyEvent(0x5D, 2, HandleValue(owner)), nullptr);
}

TEST_F(MenuTest, WithTranslationOnTheWordsAreTokensAndTheRestStaysBare) {
    // A language that knows the words, and the letters and symbols as tokens too: only what
    // reaches LocalizeString as a token is translated.
    auto language = New<TVellumLanguage>()->Create(u"Deutsch");
    for (const auto& [token, word] :
         std::initializer_list<std::pair<const char16_t*, const char16_t*>>{{u"Ctrl", u"Strg"},
                                                                            {u"Alt", u"Alt"},
                                                                            {u"Shift", u"Umschalt"},
                                                                            {u"Enter", u"Eingabe"},
                                                                            {u"O", u"X"},
                                                                            {u"F12", u"X"},
                                                                            {u"[", u"X"}})
        language->DefineToken(token, word);
    TVellumLocalizationEngine::_SetLanguage(language);
    TVellumLocalizationEngine::_SetMode(TVellumLocalizationEngine::ModeTranslates);
    EXPECT_EQ(MenuShortcutText(0x4F, 6), u"\tAlt+Strg+O");
    EXPECT_EQ(MenuShortcutText(VK_RETURN, 1), u"\tUmschalt+Eingabe");
    EXPECT_EQ(MenuShortcutText(VK_F12, 0), u"\tF12");
    EXPECT_EQ(MenuShortcutText(0xDB, 0), u"\t[");
    TVellumLocalizationEngine::_SetMode(0);
    TVellumLocalizationEngine::_SetLanguage(nullptr);
    EXPECT_EQ(MenuShortcutText(0x4F, 6), u"\tAlt+Ctrl+O");
}

TEST_F(MenuTest, AShortcutFiresFromTheKeyboardUnlessItsItemIsDisabled) {
    const Ref<TGadget> root = GetWindowMenu(window);
    const auto game = Menu(CreateMenu(u"&Spiel", 0, root));
    const auto item = Menu(CreateMenu(u"&Neu", 300, game, 'N', 2));
    RefreshWindowMenu(window);
    SetForegroundWindow(Hwnd(window));
    PumpFor(20);
    recorder.Take();
    TypeKey('N', 2);
    ASSERT_TRUE(PumpUntilEmitted(MenuAction, item, 1000));
    std::vector<Ref<TEvent>> events = recorder.Take();
    ASSERT_FALSE(events.empty());
    EXPECT_EQ(events.front()->data, 300);
    EXPECT_EQ(events.front()->source, item);
    DisableMenu(item);
    TypeKey('N', 2);
    EXPECT_FALSE(PumpUntilEmitted(MenuAction, item, 300));
}

TEST_F(MenuTest, ChoosingTheItemOnTheMenuBarRaisesItsTag) {
    const Ref<TGadget> root = GetWindowMenu(window);
    const auto game = Menu(CreateMenu(u"&Spiel", 0, root));
    const auto sizes = Menu(CreateMenu(u"&Grösse", 100, game));
    const auto big = Menu(CreateMenu(u"11 x &10", 110, sizes));
    RefreshWindowMenu(window);
    recorder.Take();
    ASSERT_EQ(PlatformUser()->ChooseMenu(big), 1);
    std::vector<Ref<TEvent>> events = recorder.Take();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0]->id, MenuAction);
    EXPECT_EQ(events[0]->data, 110);
    EXPECT_EQ(events[0]->source, big);
    // A submenu opens instead of being chosen; a greyed item cannot be chosen.
    EXPECT_EQ(PlatformUser()->ChooseMenu(sizes), 0);
    DisableMenu(sizes);
    EXPECT_EQ(PlatformUser()->ChooseMenu(big), 0);
    EXPECT_TRUE(recorder.Take().empty());
}

TEST_F(MenuTest, APopupMenuRaisesItsChoiceWithTheExtra) {
    const auto popup = Menu(CreateMenu(u"", 0, {}));
    const auto item = Menu(CreateMenu(u"Eins", 11, popup));
    Menu(CreateMenu(u"Zwei", 12, popup));
    recorder.Take();
    // The keys wait in the queue for the pop-up's own loop: Down selects the first item,
    // Return chooses it.
    SetForegroundWindow(Hwnd(window));
    TypeKey(VK_DOWN);
    TypeKey(VK_RETURN);
    PopupWindowMenu(window, popup, Box(u"extra"));
    PumpFor(20);
    std::vector<Ref<TEvent>> events = recorder.Take();
    ASSERT_EQ(events.size(), 1u);
    EXPECT_EQ(events[0]->data, 11);
    EXPECT_EQ(events[0]->source, item);
    EXPECT_EQ(StringOf(events[0]->extra), u"extra");
    EXPECT_EQ(popup->_hmenu, nullptr);
    EXPECT_EQ(Cast<TWindowsWindow>(window)->popupextra, nullptr);
}

TEST_F(MenuTest, OpeningUnderAParentWithoutAHandleIsAnError) {
    const auto parent = Menu(CreateMenu(u"P", 0, {}));
    const auto child = Menu(CreateMenu(u"C", 1, parent));
    try {
        child->Open(0);
        FAIL() << "no exception";
    } catch (const TKestrelException& error) {
        EXPECT_EQ(error.ToString(),
                  u"Parent doesn't have a handle - the desktop heap may have run out of memory!");
    }
    EXPECT_EQ(child->_pmenu, nullptr);
}

} // namespace
} // namespace vandro

// Menus on real native menus: command ids from 101 and never reused, separators, submenus, the
// state kept while closed, shortcut texts and their hotkeys pressed with the real keyboard.
#include "window_fixture.h"

#include "gui/HotKey.h"
#include "gui/MenuShortcut.h"
#include "gui/localization/Language.h"
#include "gui/localization/LocalizationEngine.h"
#include "gui/windows/WindowsMenu.h"
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

// The first menu made whose command id is `least` or above; the ones made before it are freed.
Ref<TWindowsMenu> MenuFrom(int least) {
    for (;;) {
        const Ref<TWindowsMenu> menu = New<TWindowsMenu>();
        if (menu->_key >= least)
            return menu;
        menu->Free();
    }
}

TEST_F(MenuTest, CommandIdsPastSixteenBitsStillReachTheirMenu) {
    const Ref<TGadget> root = GetWindowMenu(window);
    const auto game = Menu(CreateMenu(u"&Spiel", 0, root));
    const auto early = Menu(CreateMenu(u"Früh", 5, game));
    // A long session: ids run past what a WM_COMMAND carries (the menus made and freed).
    const auto late = MenuFrom(early->_key + 0x10000);
    late->Create(game, 6, u"Spät");
    const auto latest = MenuFrom(late->_key + 0x10000);
    latest->Create(game, 7, u"Zuletzt");
    ASSERT_EQ(late->_key & 0xFFFF, early->_key & 0xFFFF);
    ASSERT_EQ(latest->_key & 0xFFFF, early->_key & 0xFFFF);
    RefreshWindowMenu(window);
    recorder.Take();
    // Wine's command carries the whole id: each item is found by it, newer ones or not.
    for (const auto& item : {late, latest}) {
        ASSERT_EQ(PlatformUser()->ChooseMenu(item), 1);
        const std::vector<Ref<TEvent>> events = recorder.Take();
        ASSERT_EQ(events.size(), 1u);
        EXPECT_EQ(events[0]->source, item);
        EXPECT_EQ(events[0]->data, item->_tag);
    }
    // Windows' carries the low 16 bits: they find the newest menu that ends in them, and once
    // it is gone the next newest.
    for (const auto& [freed, found] :
         std::initializer_list<std::pair<Ref<TWindowsMenu>, Ref<TWindowsMenu>>>{
             {nullptr, latest}, {latest, late}, {late, early}}) {
        if (freed)
            FreeMenu(freed);
        SendMessageW(Hwnd(window), WM_COMMAND, MAKEWPARAM(early->_key & 0xFFFF, 0), 0);
        const std::vector<Ref<TEvent>> events = recorder.Take();
        ASSERT_EQ(events.size(), 1u);
        EXPECT_EQ(events[0]->source, found);
    }
}

// The window's own commands end in 0 to 100: its placeholder item sends 0, and the dialog
// navigation answers Enter on a control with 1 and Escape with 2. No menu's id ends in them,
// so none of these chooses a menu, however many ids a long session has spent.
TEST_F(MenuTest, EnterEscapeAndThePlaceholderChooseNoMenu) {
    const Ref<TWindowsMenu> probe = New<TWindowsMenu>();
    const int wrap = (probe->_key | 0xFFFF) + 1;
    probe->Free();
    std::vector<Ref<TWindowsMenu>> live;
    for (int low : {0, 1, 2, 100})
        live.push_back(MenuFrom(wrap + low));
    for (std::size_t made = 0; made < live.size(); ++made)
        EXPECT_EQ(live[made]->_key, wrap + 101 + static_cast<int>(made));
    const Ref<TGadget> card = CreateButton(u"Karte", 10, 10, 80, 24, window, ButtonPush);
    const Ref<TGadget> field = CreateTextField(10, 40, 120, 22, window, 0);
    SetForegroundWindow(Hwnd(window));
    PumpFor(20);
    recorder.Take();
    for (const Ref<TGadget>& control : {card, field}) {
        for (WORD key : {VK_RETURN, VK_ESCAPE}) {
            SetFocus(Hwnd(control));
            TypeKey(key);
            PumpFor(30);
        }
    }
    const HMENU placeholder = GetMenu(Hwnd(window));
    ASSERT_EQ(GetMenuItemID(placeholder, 0), 0u);
    RECT item{};
    ASSERT_TRUE(GetMenuItemRect(Hwnd(window), placeholder, 0, &item));
    ClickAt(Hwnd(window), POINT{(item.left + item.right) / 2, (item.top + item.bottom) / 2});
    PumpFor(50);
    for (const Ref<TEvent>& event : recorder.Take())
        EXPECT_NE(event->id, MenuAction) << "from the menu with the tag " << event->data;
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

TEST_F(MenuTest, APopupMenusChoicePastSixteenBitsReachesItsItem) {
    const auto popup = Menu(CreateMenu(u"", 0, {}));
    const Ref<TWindowsMenu> probe = New<TWindowsMenu>();
    const int wrap = (probe->_key | 0xFFFF) + 1;
    probe->Free();
    const auto first = MenuFrom(wrap + 0x1234);
    first->Create(popup, 21, u"Eins");
    const auto second = Menu(CreateMenu(u"Zwei", 22, popup));
    SetForegroundWindow(Hwnd(window));
    recorder.Take();
    for (const auto& [downs, chosen] :
         std::initializer_list<std::pair<int, Ref<TWindowsMenu>>>{{1, first}, {2, second}}) {
        for (int down = 0; down < downs; ++down)
            TypeKey(VK_DOWN);
        TypeKey(VK_RETURN);
        PopupWindowMenu(window, popup, {});
        PumpFor(20);
        const std::vector<Ref<TEvent>> events = recorder.Take();
        ASSERT_EQ(events.size(), 1u);
        EXPECT_EQ(events[0]->source, chosen);
        EXPECT_EQ(events[0]->data, chosen->_tag);
    }
    EXPECT_GT(second->_key, 0xFFFF);
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

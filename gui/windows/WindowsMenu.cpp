#include "WindowsMenu.h"

#include "IntWrapper.h"
#include "WindowsGUIDriver.h"
#include "WindowsGraphic.h"
#include "WindowsWindow.h"

#include "graphics/Pixmap.h"
#include "gui/GadgetConstants.h"
#include "gui/LocalizationEngine.h"
#include "gui/MenuShortcut.h"
#include "gui/ToolkitStart.h"

#include <algorithm>

namespace vandro {

namespace {

// What the menu class keeps for the whole process.
struct MenuState {
    // Command ids are handed out from 101 on; the window takes any id above 100 for a menu's.
    int counter = 100;
    // Command id -> menu, from the menu's construction to its Free.
    Ref<TMap> menus = New<TMap>();
    // The one record every item operation fills in.
    MENUITEMINFOW info = [] {
        MENUITEMINFOW record{};
        record.cbSize = sizeof(MENUITEMINFOW);
        return record;
    }();
};

MenuState& Menus() {
    static MenuState state;
    return state;
}

TWindowsMenu* ParentMenu(const TGadget& menu) { return dynamic_cast<TWindowsMenu*>(menu.parent); }

// A submenu is modeless and lets an item show either a check mark or an icon.
void StyleSubmenu(HMENU menu) {
    MENUINFO style{};
    style.cbSize = sizeof(MENUINFO);
    style.fMask = MIM_STYLE | MIM_APPLYTOSUBMENUS;
    style.dwStyle = MNS_MODELESS | MNS_CHECKORBMP;
    SetMenuInfo(menu, &style);
}

} // namespace

TWindowsMenu::TWindowsMenu() { _key = SetNewKey(); }

int TWindowsMenu::DoLayout() { return 0; }

int TWindowsMenu::Free() {
    const Ref<TGadget> self(this);
    Close();
    _setparent(nullptr, -1);
    Menus().menus->Remove(TIntWrapper::Create(_key));
    if (_iconBitmap)
        DeleteMade(_iconBitmap);
    _iconBitmap = nullptr;
    // A freed item's shortcut would go on raising events for a menu nobody can see.
    UnbindHotKey(_hotkey);
    _hotkey = nullptr;
    return 0;
}

int TWindowsMenu::State() { return _state; }

int TWindowsMenu::SetText(const String& text) {
    name = text;
    return 0;
}

String TWindowsMenu::GetText() { return name; }

int TWindowsMenu::SetTooltip(const String&) { return 0; }

int TWindowsMenu::SetPixmap(const Ref<TPixmap>& pixmap, int flags) {
    if (!(flags & 8))
        return 0;
    if (_iconBitmap)
        DeleteMade(_iconBitmap);
    _iconBitmap = nullptr;
    if (!pixmap)
        return 1;
    const int w = std::min(GetSystemMetrics(SM_CXMENUCHECK), pixmap->width);
    const int h = std::min(GetSystemMetrics(SM_CYMENUCHECK), pixmap->height);
    const Ref<TPixmap> corner = pixmap->Window(0, 0, w, h);
    if (TWindowsGUIDriver::CheckCommonControlVersion() >= 2) {
        _iconBitmap = TWindowsGraphic::PreMultipliedBitmapFromPixmap32(corner);
    } else {
        const COLORREF menu = GetSysColor(COLOR_MENU);
        _iconBitmap = TWindowsGraphic::BitmapWithBackgroundFromPixmap32(
            corner, GetRValue(menu), GetGValue(menu), GetBValue(menu));
    }
    return 1;
}

int TWindowsMenu::SetEnabled(int enable) {
    if (enable) {
        if (_pmenu)
            EnableMenuItem(_pmenu, static_cast<UINT>(_item), MF_BYPOSITION | MF_ENABLED);
        _state &= ~StateDisabled;
    } else {
        if (_pmenu)
            EnableMenuItem(_pmenu, static_cast<UINT>(_item), MF_BYPOSITION | MF_GRAYED);
        _state |= StateDisabled;
    }
    return 0;
}

int TWindowsMenu::SetSelected(int selected) {
    if (selected) {
        if (_pmenu)
            CheckMenuItem(_pmenu, static_cast<UINT>(_item), MF_BYPOSITION | MF_CHECKED);
        _state |= StateChecked;
    } else {
        if (_pmenu)
            CheckMenuItem(_pmenu, static_cast<UINT>(_item), MF_BYPOSITION | MF_UNCHECKED);
        _state &= ~StateChecked;
    }
    return 0;
}

int TWindowsMenu::SetHotKey(int key, int modifiers) {
    _hotkeycode = key;
    _modifier = modifiers;
    _shortcut = MenuShortcutText(key, modifiers);
    // Issued while closed too; the native call then fails and the next open shows the text.
    std::wstring text = Wide(name + _shortcut);
    MENUITEMINFOW& info = Menus().info;
    info.fMask = MIIM_TYPE;
    info.fType = MFT_STRING;
    info.dwTypeData = text.data();
    if (_pmenu)
        SetMenuItemInfoW(_pmenu, static_cast<UINT>(_item), TRUE, &info);
    const Ref<TGadget> self(this);
    _hotkey = RebindHotKey(_hotkey, key, modifiers,
                           TEvent::Create(MenuAction, self, _tag, modifiers, 0, 0, {}),
                           HandleValue(TWindowsGUIDriver::GadgetWindowHwnd(self)));
    return 0;
}

int TWindowsMenu::Class() { return ClassMenu; }

int TWindowsMenu::SetNewKey() {
    const int key = ++Menus().counter;
    Menus().menus->Insert(TIntWrapper::Create(key), Ref<TGadget>(this));
    return key;
}

Ref<TWindowsMenu> TWindowsMenu::GetMenuFromKey(int key) {
    return Cast<TWindowsMenu>(Menus().menus->ValueForKey(TIntWrapper::Create(key)));
}

int TWindowsMenu::KeyFromCommand(int command) {
    int key = command;
    // In the order of the ids: the last one that matches is the newest.
    for (const auto& [id, menu] : *Menus().menus)
        if (const int value = Cast<TIntWrapper>(id)->value; (value & 0xFFFF) == command)
            key = value;
    return key;
}

Ref<TGadget> TWindowsMenu::Create(const Ref<TGadget>& group, int tag, const String& text) {
    const Ref<TGadget> self(this);
    name = text;
    _tag = tag;
    Ref<TGadget> container = group;
    if (auto window = Cast<TWindowsWindow>(group))
        container = window->GetMenu();
    _setparent(container, -1);
    if (TVellumLocalizationEngine::GetMode() & TVellumLocalizationEngine::ModeKeysAtCreation)
        CurrentDriver()->SetGadgetLocalization(self, name, {});
    return self;
}

int TWindowsMenu::Open(int popup) {
    if (TWindowsMenu* above = ParentMenu(*this)) {
        _pmenu = above->_hmenu;
        if (!_pmenu)
            RuntimeError(
                u"Parent doesn't have a handle - the desktop heap may have run out of memory!");
        _item = GetMenuItemCount(_pmenu);
        const auto id = static_cast<UINT_PTR>(_key);
        if (name.empty()) {
            AppendMenuW(_pmenu, MF_SEPARATOR, id, nullptr);
        } else {
            const std::wstring text =
                Wide(TVellumLocalizationEngine::LocalizeString(name) + _shortcut);
            AppendMenuW(_pmenu, MF_STRING, id, text.c_str());
        }
        if (!kids->IsEmpty()) {
            _hmenu = CreateMenu();
            StyleSubmenu(_hmenu);
            MENUITEMINFOW& info = Menus().info;
            info.fMask = MIIM_SUBMENU;
            info.hSubMenu = _hmenu;
            SetMenuItemInfoW(_pmenu, static_cast<UINT>(_item), TRUE, &info);
        }
        if (_state & StateDisabled)
            SetEnabled(0);
        if (_state & StateChecked)
            SetSelected(1);
        if (_iconBitmap)
            SetMenuItemBitmaps(_pmenu, static_cast<UINT>(_key), MF_BYCOMMAND, _iconBitmap, nullptr);
    } else {
        _hmenu = popup ? CreatePopupMenu() : CreateMenu();
    }
    for (const Object& kid : kids->ToArray())
        if (auto item = Cast<TWindowsMenu>(kid))
            item->Open(0);
    return 0;
}

int TWindowsMenu::FreeKids() {
    for (const Object& kid : kids->ToArray())
        if (auto item = Cast<TWindowsMenu>(kid))
            item->Close();
    return 0;
}

int TWindowsMenu::Close() {
    FreeKids();
    if (_hmenu)
        DestroyMenu(_hmenu);
    _hmenu = nullptr;
    return 0;
}

} // namespace vandro

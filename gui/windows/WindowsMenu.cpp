#include "WindowsMenu.h"

#include "WindowsDpi.h"
#include "WindowsGUIDriver.h"
#include "WindowsGraphic.h"

#include "graphics/Pixmaps.h"

#include <algorithm>
#include <utility>

namespace vandro {

namespace {

// The one record every item operation fills in.
MENUITEMINFOW& ItemInfo() {
    static MENUITEMINFOW info = [] {
        MENUITEMINFOW record{};
        record.cbSize = sizeof(MENUITEMINFOW);
        return record;
    }();
    return info;
}

// A submenu is modeless and lets an item show either a check mark or an icon.
void StyleSubmenu(HMENU menu) {
    MENUINFO style{};
    style.cbSize = sizeof(MENUINFO);
    style.fMask = MIM_STYLE | MIM_APPLYTOSUBMENUS;
    style.dwStyle = MNS_MODELESS | MNS_CHECKORBMP;
    SetMenuInfo(menu, &style);
}

} // namespace

int TWindowsMenu::KeyFromCommand(WPARAM command) {
    if (command > 0xFFFF && command <= 0x7FFFFFFF && GetMenuFromKey(static_cast<int>(command)))
        return static_cast<int>(command);
    const int bits = LOWORD(command);
    int key = bits;
    // In the order of the ids: the last one that matches is the newest.
    for (const auto& [id, menu] : Keys())
        if ((id & 0xFFFF) == bits)
            key = id;
    return key;
}

void TWindowsMenu::NewRootMenu(int popup) { _hmenu = popup ? CreatePopupMenu() : CreateMenu(); }

void TWindowsMenu::AppendItem(TMenuGadget& above, const String& text) {
    _pmenu = static_cast<TWindowsMenu&>(above)._hmenu;
    const auto id = static_cast<UINT_PTR>(_key);
    if (IsSeparator()) {
        AppendMenuW(_pmenu, MF_SEPARATOR, id, nullptr);
    } else {
        const std::wstring wide = Wide(text);
        AppendMenuW(_pmenu, MF_STRING, id, wide.c_str());
    }
    if (!kids->IsEmpty()) {
        _hmenu = CreateMenu();
        StyleSubmenu(_hmenu);
        MENUITEMINFOW& info = ItemInfo();
        info.fMask = MIIM_SUBMENU;
        info.hSubMenu = _hmenu;
        SetMenuItemInfoW(_pmenu, static_cast<UINT>(_item), TRUE, &info);
    }
    if (_icon) {
        MakeIconBitmap(WindowDpi(TWindowsGUIDriver::GadgetWindowHwnd(Ref<TGadget>(this))));
        SetMenuItemBitmaps(_pmenu, static_cast<UINT>(_key), MF_BYCOMMAND, _iconBitmap, nullptr);
    }
}

bool TWindowsMenu::HasNativeMenu() const { return _hmenu != nullptr; }

void TWindowsMenu::ShowText(const String& text) {
    std::wstring wide = Wide(text);
    MENUITEMINFOW& info = ItemInfo();
    info.fMask = MIIM_TYPE;
    info.fType = MFT_STRING;
    info.dwTypeData = wide.data();
    SetMenuItemInfoW(_pmenu, static_cast<UINT>(_item), TRUE, &info);
}

void TWindowsMenu::ShowChecked(bool checked) {
    CheckMenuItem(_pmenu, static_cast<UINT>(_item),
                  MF_BYPOSITION | (checked ? MF_CHECKED : MF_UNCHECKED));
}

void TWindowsMenu::ShowEnabled(bool enabled) {
    EnableMenuItem(_pmenu, static_cast<UINT>(_item),
                   MF_BYPOSITION | (enabled ? MF_ENABLED : MF_GRAYED));
}

void TWindowsMenu::CloseNative() {
    if (_hmenu)
        DestroyMenu(_hmenu);
    _hmenu = nullptr;
}

void TWindowsMenu::IconChanged() { DeleteMade(std::exchange(_iconBitmap, nullptr)); }

void TWindowsMenu::MakeIconBitmap(int dpi) {
    if (_iconBitmap && _iconDpi == dpi)
        return;
    IconChanged();
    _iconDpi = dpi;
    const Ref<TPixmap> icon = dpi == kUnitDpi ? _icon
                                              : ResizePixmap(_icon, ToDevice(_icon->width, dpi),
                                                             ToDevice(_icon->height, dpi));
    const int w = std::min(SystemMetricForDpi(SM_CXMENUCHECK, dpi), icon->width);
    const int h = std::min(SystemMetricForDpi(SM_CYMENUCHECK, dpi), icon->height);
    const Ref<TPixmap> corner = icon->Window(0, 0, w, h);
    if (TWindowsGUIDriver::CheckCommonControlVersion() >= 2) {
        _iconBitmap = TWindowsGraphic::PreMultipliedBitmapFromPixmap32(corner);
    } else {
        const COLORREF menu = GetSysColor(COLOR_MENU);
        _iconBitmap = TWindowsGraphic::BitmapWithBackgroundFromPixmap32(
            corner, GetRValue(menu), GetGValue(menu), GetBValue(menu));
    }
}

} // namespace vandro

// A window's menu bar, its pop-up menus and its status line.
#include "WindowsMenu.h"
#include "WindowsWindow.h"

#include "gui/WindowFunctions.h"
#include "gui/kinds/StatusLine.h"

namespace vandro {

void TWindowsWindow::ShowMenuBar() {
    const HMENU bar = _menu ? _menu->_hmenu : nullptr;
    const HMENU old = ::GetMenu(_hwnd);
    SetMenu(_hwnd, bar);
    DrawMenuBar(_hwnd);
    if (old && old != bar)
        DestroyMenu(old);
}

void TWindowsWindow::TrackPopup(TWindowsMenu& popup) {
    POINT at{};
    ::GetCursorPos(&at);
    const int command =
        ::TrackPopupMenu(popup._hmenu, TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y, 0, _hwnd, nullptr);
    if (command)
        HandleMenuEvent(TWindowsMenu::KeyFromCommand(static_cast<WPARAM>(command)));
}

void TWindowsWindow::ShowStatusText(const String& shown) {
    if (!_status)
        return;
    const std::wstring wide = Wide(shown);
    SendMessageW(_status, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(wide.c_str()));
}

} // namespace vandro

// A window's menu bar, its pop-up menus and its status line.
#include "WindowsMenu.h"
#include "WindowsWindow.h"

#include "gui/StatusLine.h"
#include "gui/WindowFunctions.h"

namespace vandro {

Ref<TGadget> TWindowsWindow::GetMenu() { return WindowMenuRoot(*this, _menu); }

int TWindowsWindow::UpdateMenu() {
    HMENU bar = nullptr;
    if (_menu) {
        _menu->FreeKids();
        _menu->Open(0);
        bar = _menu->_hmenu;
    }
    const HMENU old = ::GetMenu(_hwnd);
    SetMenu(_hwnd, bar);
    DrawMenuBar(_hwnd);
    if (old && old != bar)
        DestroyMenu(old);
    return 0;
}

int TWindowsWindow::PopupMenu(const Ref<TGadget>& menu, const Object& extra) {
    const auto popup = Cast<TWindowsMenu>(menu);
    if (!popup)
        return 0;
    POINT at{};
    ::GetCursorPos(&at);
    ShowPopupMenu(*popup, popupextra, extra, [&] {
        const int command = TrackPopupMenu(popup->_hmenu, TPM_RETURNCMD | TPM_NONOTIFY, at.x, at.y,
                                           0, _hwnd, nullptr);
        if (command)
            HandleMenuEvent(WM_COMMAND, command);
    });
    return 0;
}

int TWindowsWindow::HandleMenuEvent(UINT, int id) { return EmitMenuAction(id, popupextra); }

String TWindowsWindow::GetStatusText() { return _status ? _statustext : String(); }

int TWindowsWindow::SetStatusText(const String& text) {
    if (!_status)
        return 0;
    _statustext = text;
    const std::wstring shown = Wide(ShownStatusText(text, style));
    SendMessageW(_status, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(shown.c_str()));
    return 0;
}

} // namespace vandro

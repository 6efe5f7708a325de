// What a window makes of its messages: the window events, the minimum and maximum sizes, its
// own background, and dropped files.
#include "WindowsWindow.h"

#include "WindowsDpi.h"
#include "WindowsGUIDriver.h"

#include "gui/WindowFunctions.h"
#include "runtime/Boxed.h"

#include <utility>

namespace vandro {

RECT TWindowsWindow::NativeRect() {
    RECT outer{};
    GetWindowRect(_hwnd, &outer);
    const int dpi = WindowDpi(_hwnd);
    if (!(style & WindowClientCoords))
        return UnitsFromPlacement(outer.left, outer.top, outer.right - outer.left,
                                  outer.bottom - outer.top, dpi);
    RECT client{};
    GetClientRect(_hwnd, &client);
    const RECT frame = FrameWidths(_hmenu != nullptr);
    return UnitsFromPlacement(outer.left - frame.left + _clientX, outer.top - frame.top + _clientY,
                              client.right - client.left - _clientX,
                              client.bottom - client.top - StatusHeight() - _clientY, dpi);
}

void TWindowsWindow::TakeNativeRect() {
    const RECT now = NativeRect();
    TakeFrameRect(now.left, now.top, now.right - now.left, now.bottom - now.top);
}

void TWindowsWindow::TakeNewDpiFrame(const RECT* suggested) {
    RECT outer{}, client{};
    GetWindowRect(_hwnd, &outer);
    GetClientRect(_hwnd, &client);
    const RECT place = suggested ? *suggested : outer;
    int w = place.right - place.left, h = place.bottom - place.top;
    if (style & WindowClientCoords) {
        // The suggestion scales the old frame, whose status line grows otherwise: the program's
        // client area, at the new resolution, inside the frame as it is drawn now.
        const int dpi = WindowDpi(_hwnd);
        w = outer.right - outer.left - client.right + _clientX + ToDevice(width, dpi);
        h = outer.bottom - outer.top - client.bottom + StatusHeight() + _clientY +
            ToDevice(height, dpi);
    }
    SetWindowPos(_hwnd, nullptr, place.left, place.top, w, h, SWP_NOZORDER | SWP_NOACTIVATE);
}

LRESULT TWindowsWindow::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_ERASEBKGND:
        if (const HBRUSH brush = BgBrush()) {
            const auto dc = reinterpret_cast<HDC>(wParam);
            RECT area{};
            if (!GetUpdateRect(hwnd, &area, FALSE))
                GetClipBox(dc, &area);
            FillRect(dc, &area, brush);
            return 1;
        }
        break;
    case WM_SIZE:
        if (hwnd == _hwnd && wParam != SIZE_MINIMIZED) {
            if (_status)
                SendMessageW(_status, WM_SIZE, 0, 0);
            if (wParam == SIZE_RESTORED && _restoredGrowth) {
                RECT outer{};
                GetWindowRect(_hwnd, &outer);
                SetWindowPos(_hwnd, nullptr, 0, 0, outer.right - outer.left,
                             outer.bottom - outer.top + std::exchange(_restoredGrowth, 0),
                             SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
            }
            TakeNativeRect();
        }
        break;
    case WM_MOVE:
        if (hwnd == _hwnd && !IsZoomed(_hwnd) && !IsIconic(_hwnd)) {
            const RECT now = NativeRect();
            if (now.left != xpos || now.top != ypos) {
                SetRect(now.left, now.top, width, height);
                PostGuiEvent(WindowMove, 0, 0, now.left, now.top, {});
            }
        }
        break;
    case WM_GETMINMAXINFO:
        if (hwnd == _hwnd && lParam) {
            auto* limits = reinterpret_cast<MINMAXINFO*>(lParam);
            int minW = 0, minH = 0, maxW = 0, maxH = 0;
            const bool bounded = FrameSizeLimits(minW, minH, maxW, maxH);
            limits->ptMinTrackSize = POINT{minW, minH};
            if (bounded)
                limits->ptMaxTrackSize = POINT{maxW, maxH};
        }
        break;
    case WM_DPICHANGED:
        if (hwnd == _hwnd) {
            if (const int dpi = ChangeWindowDpi(hwnd, wParam)) {
                if (_status)
                    ShowStatusFont(_status, dpi);
                TakeNewDpiFrame(reinterpret_cast<const RECT*>(lParam));
            }
            // The program's sizes are unchanged; the gadgets take the new resolution's pixels.
            ShowFontsAgain(Ref<TGadget>(this));
            RethinkClient(1);
            return 0;
        }
        break;
    case WM_NCDESTROY:
        if (hwnd == _hwnd)
            SetWindowDpi(hwnd, 0);
        break;
    case WM_ACTIVATE:
        if (wParam == WA_ACTIVE || wParam == WA_CLICKACTIVE) {
            WindowsDriver().ActiveWindow = Ref<TWindowsGadget>(this);
            PostGuiEvent(WindowActivate, 0, 0, 0, 0, {});
        }
        break;
    case WM_NEXTDLGCTL: {
        // The pump's dialog navigation asks the window around the controls to move the focus
        // (the arrow keys always do): a window is no dialog, so it does what a dialog would.
        const HWND next = LOWORD(lParam) ? reinterpret_cast<HWND>(wParam)
                                         : GetNextDlgTabItem(hwnd, GetFocus(), wParam != 0);
        if (next)
            SetFocus(next);
        return 0;
    }
    case WM_CLOSE:
        // Closing is the program's decision: the window stays.
        PostGuiEvent(WindowClose, 0, 0, 0, 0, {});
        return 1;
    case WM_DROPFILES: {
        const auto drop = reinterpret_cast<HDROP>(wParam);
        POINT point{};
        DragQueryPoint(drop, &point);
        const int dpi = WindowDpi(hwnd);
        point = POINT{ToUnits(point.x, dpi), ToUnits(point.y, dpi)};
        const UINT count = DragQueryFileW(drop, 0xFFFFFFFF, nullptr, 0);
        for (UINT index = 0; index < count; ++index) {
            wchar_t path[MAX_PATH] = {};
            DragQueryFileW(drop, index, path, MAX_PATH);
            PostGuiEvent(WindowAccept, 0, 0, point.x, point.y, Box(FromWide(path)));
        }
        DragFinish(drop);
        break;
    }
    default:
        break;
    }
    return TWindowsGadget::WndProc(hwnd, msg, wParam, lParam);
}

LRESULT TWindowsWindow::OnCommand(UINT, WPARAM wParam) {
    // A command carries only the low 16 bits of a menu's id: the id, not those bits, tells a
    // menu's command (above 100) from any other.
    const int key = TWindowsMenu::KeyFromCommand(LOWORD(wParam));
    if (key > 100)
        HandleMenuEvent(key);
    return 0;
}

} // namespace vandro

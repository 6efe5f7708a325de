// What a window makes of its messages: the window events, the minimum and maximum sizes, its
// own background, and dropped files.
#include "WindowsWindow.h"

#include "WindowsDpi.h"
#include "WindowsGUIDriver.h"
#include "WindowsToolbar.h"

#include "gui/WindowFunctions.h"
#include "runtime/Boxed.h"

#include <algorithm>
#include <utility>

namespace vandro {

namespace {

bool IsTabStop(HWND hwnd) { return (GetWindowLongW(hwnd, GWL_STYLE) & WS_TABSTOP) != 0; }

// The arrow keys name the control after the focus in their direction inside its group, tab stop
// or not. Past a label or a panel the step goes on that way to the next tab stop; with none, the
// focus stays (0).
HWND GroupTabStop(HWND dialog, HWND focus, HWND named) {
    const bool back = named != GetNextDlgGroupItem(dialog, focus, FALSE);
    HWND next = named;
    do {
        if (IsTabStop(next))
            return next;
        next = GetNextDlgGroupItem(dialog, next, back);
    } while (next && next != focus && next != named);
    return nullptr;
}

} // namespace

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
    // Halfway through a change of resolution, the frame's pixels are not yet the new one's.
    if (_changingDpi)
        return;
    const RECT now = NativeRect();
    TakeFrameRect(now.left, now.top, now.right - now.left, now.bottom - now.top);
}

SIZE TWindowsWindow::FrameSizeForDpi(int dpi) {
    const RECT frame = FrameWidths(::GetMenu(_hwnd) ? TRUE : FALSE, dpi);
    int room = 0;
    for (const Object& kid : kids->ToArray())
        if (auto bar = Cast<TWindowsToolbar>(kid))
            room = std::max(room, bar->HeightForDpi(dpi));
    return SIZE{ToDevice(width, dpi) + _clientX + frame.right - frame.left,
                ToDevice(height, dpi) + room + StatusHeightForDpi(dpi) + frame.bottom - frame.top};
}

int TWindowsWindow::StatusHeightForDpi(int dpi) {
    if (!_status || dpi == WindowDpi(_hwnd))
        return StatusHeight();
    // The line measures itself in that resolution's font, then takes its own back.
    ShowStatusFont(_status, dpi);
    const int height = StatusHeight();
    ShowStatusFont(_status, WindowDpi(_hwnd));
    return height;
}

void TWindowsWindow::TakeNewDpiFrame(const RECT* suggested) {
    // A maximised or minimised window stays as the system keeps it.
    if (IsZoomed(_hwnd) || IsIconic(_hwnd))
        return;
    RECT place{};
    GetWindowRect(_hwnd, &place);
    if (suggested)
        place = *suggested;
    if (!(style & WindowClientCoords)) {
        SetWindowPos(_hwnd, nullptr, place.left, place.top, place.right - place.left,
                     place.bottom - place.top, SWP_NOZORDER | SWP_NOACTIVATE);
        return;
    }
    // The program's client area at the new resolution, in the frame, toolbar and status line
    // of that resolution.
    const int dpi = WindowDpi(_hwnd);
    const SIZE frame = FrameSizeForDpi(dpi);
    SetWindowPos(_hwnd, nullptr, place.left, place.top, frame.cx, frame.cy,
                 SWP_NOZORDER | SWP_NOACTIVATE);
    // A system that draws the caption and menu bar at another resolution than the window's
    // leaves the client area off by as much.
    const SIZE client = ClientPixels();
    const int dx = ToDevice(width, dpi) - client.cx, dy = ToDevice(height, dpi) - client.cy;
    if (dx || dy)
        SetWindowPos(_hwnd, nullptr, 0, 0, frame.cx + dx, frame.cy + dy,
                     SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
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
            // The program's sizes are unchanged; the gadgets take the new resolution's pixels.
            if (const int dpi = ChangeWindowDpi(hwnd, wParam)) {
                _changingDpi = true;
                if (_status)
                    ShowStatusFont(_status, dpi);
                ShowFontsAgain(Ref<TGadget>(this));
                // The toolbar takes its height at the new resolution.
                LayoutKids();
                TakeNewDpiFrame(reinterpret_cast<const RECT*>(lParam));
                _changingDpi = false;
                TakeNativeRect();
            }
            RethinkClient(1);
            // Its items' icons too.
            if (_menu)
                UpdateMenu();
            return 0;
        }
        break;
    case WM_GETDPISCALEDSIZE:
        // The size the window wants at the new resolution, which the system then suggests
        // with WM_DPICHANGED: scaled as a whole, the frame around a client area would come
        // out another size, and the window could cross back to the monitor it came from.
        if (hwnd == _hwnd && (style & WindowClientCoords) && !IsZoomed(hwnd) && LOWORD(wParam)) {
            *reinterpret_cast<SIZE*>(lParam) = FrameSizeForDpi(LOWORD(wParam));
            return TRUE;
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
        const HWND focus = GetFocus();
        const HWND next = LOWORD(lParam) ? GroupTabStop(hwnd, focus, reinterpret_cast<HWND>(wParam))
                                         : GetNextDlgTabItem(hwnd, focus, wParam != 0);
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
    // The id, not the bits the command carries, tells a menu's command from the window's own.
    const int key = TWindowsMenu::KeyFromCommand(wParam);
    if (key > TMenuGadget::LastWindowCommand)
        HandleMenuEvent(key);
    return 0;
}

} // namespace vandro

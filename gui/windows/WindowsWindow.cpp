#include "WindowsWindow.h"

#include "WindowsBindings.h"
#include "WindowsDesktop.h"
#include "WindowsDpi.h"
#include "WindowsGUIDriver.h"
#include "WindowsGraphic.h"

#include "gui/GadgetConstants.h"
#include "gui/WindowFunctions.h"

#include <algorithm>

namespace vandro {

namespace {

constexpr DWORD kClientWindowStyle = WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
// SWP_NOSIZE, SWP_NOMOVE, SWP_NOACTIVATE, SWP_NOOWNERZORDER.
constexpr UINT kStatusLineOnTop = 0x213;
// The same with SWP_NOZORDER and SWP_FRAMECHANGED: the frame is drawn anew.
constexpr UINT kFrameChanged = 0x237;

struct TabStopSearch {
    HWND window = nullptr;
    HWND found = nullptr;
};

// Shown and enabled, and so is every panel or page around it inside the window.
bool Usable(HWND hwnd, HWND window) {
    for (; hwnd && hwnd != window; hwnd = GetParent(hwnd)) {
        const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
        if (!(style & WS_VISIBLE) || (style & WS_DISABLED))
            return false;
    }
    return true;
}

} // namespace

int TWindowsWindow::Rethink() {
    if (IsIconic(_hwnd))
        return RethinkClient(1);
    // The system keeps a maximised window in its place, whatever it is asked: moved, it would
    // still report maximised, and Restore would bring back a size from before.
    if (!IsZoomed(_hwnd)) {
        int x = xpos, y = ypos, w = width, h = height;
        ConvertToContainerDimensions(x, y, w, h);
        MoveWindow(_hwnd, x, y, w, h, TRUE);
    }
    // The system may not have made the frame as large as asked (not larger than the screen),
    // and may not even have sized it: the gadget takes what the window is now.
    TakeNativeRect();
    return RethinkClient(1);
}

void TWindowsWindow::SetToolbarRoom(int room) {
    const int grown = room - _clientY;
    _clientY = room;
    if (!(style & WindowClientCoords)) {
        RethinkClient(1);
        return;
    }
    // The client area stays whole: the frame grows by the bar, at once or, while the system
    // keeps the window maximised or minimised, once it is restored.
    if (IsZoomed(_hwnd) || IsIconic(_hwnd))
        _restoredGrowth += grown;
    Rethink();
}

int TWindowsWindow::ClientWidth() {
    if (style & WindowClientCoords)
        return width;
    return ToUnits(static_cast<int>(ClientPixels().cx), WindowDpi(_hwnd));
}

int TWindowsWindow::ClientHeight() {
    if (style & WindowClientCoords)
        return height;
    return ToUnits(static_cast<int>(ClientPixels().cy), WindowDpi(_hwnd));
}

SIZE TWindowsWindow::ClientPixels() {
    if (!IsIconic(_hwnd)) {
        RECT client{};
        GetClientRect(_hwnd, &client);
        return SIZE{std::max(0L, client.right - _clientX),
                    std::max(0L, client.bottom - _clientY - StatusHeight())};
    }
    // A minimised window has no client area: the one it comes back with, from the gadget's
    // rectangle.
    const int dpi = WindowDpi(_hwnd);
    int w = ToDevice(width, dpi), h = ToDevice(height, dpi);
    if (!(style & WindowClientCoords)) {
        const RECT frame = FrameWidths(_hmenu != nullptr);
        w -= frame.right - frame.left + _clientX;
        h -= frame.bottom - frame.top + _clientY + StatusHeight();
    }
    return SIZE{std::max(0, w), std::max(0, h)};
}

int TWindowsWindow::Activate(int command) {
    switch (command) {
    case 0: {
        TabStopSearch search{_hwnd};
        EnumChildWindows(_hwnd, EnumChildProc, reinterpret_cast<LPARAM>(&search));
        SetFocus(search.found ? search.found : _hwnd);
        return 0;
    }
    case 4:
        ShowWindow(_hwnd, SW_MINIMIZE);
        return 0;
    case 5:
        ShowWindow(_hwnd, SW_MAXIMIZE);
        return 0;
    case 6:
        ShowWindow(_hwnd, SW_RESTORE);
        return 0;
    case 13:
        RefreshLook();
        RedrawWindow(_hwnd, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
        return 0;
    default:
        return 0;
    }
}

BOOL CALLBACK TWindowsWindow::EnumChildProc(HWND hwnd, LPARAM lParam) {
    auto* search = reinterpret_cast<TabStopSearch*>(lParam);
    WINDOWINFO info{};
    info.cbSize = sizeof(WINDOWINFO);
    GetWindowInfo(hwnd, &info);
    // A tab stop that cannot be seen or used would take the focus away from the user.
    if ((info.dwStyle & WS_TABSTOP) && Usable(hwnd, search->window)) {
        search->found = hwnd;
        return FALSE;
    }
    if (!(info.dwStyle & WS_TABSTOP))
        EnumChildWindows(hwnd, EnumChildProc, lParam);
    return search->found ? FALSE : TRUE;
}

int TWindowsWindow::State() {
    return TWindowsGadget::State() | (IsIconic(_hwnd) ? StateMinimized : 0) |
           (IsZoomed(_hwnd) ? StateMaximized : 0);
}

int TWindowsWindow::SetAlpha(float alpha) {
    const auto& layered = Bindings().SetLayeredWindowAttributes;
    if (layered.IsNull())
        return 0;
    const LONG extended = GetWindowLongW(_hwnd, GWL_EXSTYLE);
    if (alpha == 1.0f) {
        layered(_hwnd, 0, 255, LWA_ALPHA);
        if (extended & WS_EX_LAYERED)
            SetWindowLongW(_hwnd, GWL_EXSTYLE, extended & ~WS_EX_LAYERED);
    } else {
        if (!(extended & WS_EX_LAYERED))
            SetWindowLongW(_hwnd, GWL_EXSTYLE, extended | WS_EX_LAYERED);
        layered(_hwnd, 0, static_cast<BYTE>(AlphaByte(alpha)), LWA_ALPHA);
    }
    return Activate(13);
}

int TWindowsWindow::SetTooltip(const String&) { return 0; }

int TWindowsWindow::SetPixmap(const Ref<TPixmap>& pixmap, int flags) {
    if (!(flags & 8))
        return 0;
    if (_iconBitmap && DestroyIcon(_iconBitmap))
        ++WindowsDriver().gdiReleased;
    _iconBitmap = pixmap ? TWindowsGraphic::IconFromPixmap32(pixmap) : nullptr;
    SendMessageW(_hwnd, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(_iconBitmap));
    SendMessageW(_hwnd, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(_iconBitmap));
    return 1;
}

int TWindowsWindow::SetEnabled(int enable) {
    _enabled = enable;
    EnableWindow(_hwnd, enable ? TRUE : FALSE);
    return 0;
}

void TWindowsWindow::ApplySizeLimits(bool maximum) {
    auto wanted = static_cast<DWORD>(GetWindowLongW(_hwnd, GWL_STYLE));
    if (maximum)
        wanted &= ~WS_MAXIMIZEBOX;
    if (FixedSize())
        wanted &= ~WS_THICKFRAME;
    else if (style & WindowResizable)
        wanted |= WS_THICKFRAME;
    if (wanted == static_cast<DWORD>(GetWindowLongW(_hwnd, GWL_STYLE)))
        return;
    SetWindowLongW(_hwnd, GWL_STYLE, static_cast<LONG>(wanted));
    _wstyle = wanted;
    Rethink();
    SetWindowPos(_hwnd, nullptr, 0, 0, 0, 0, kFrameChanged);
}

Ref<TWindowsGadget> TWindowsWindow::Create(const Ref<TGadget>& group, int style, const String&) {
    const HINSTANCE instance = GetModuleHandleW(nullptr);
    std::wstring windowClass = Wide(TWindowsGUIDriver::ClassName());
    std::wstring frameClass = windowClass;
    HWND owner = nullptr;
    this->style = style;
    _wstyle = WS_CLIPSIBLINGS | WS_CLIPCHILDREN;
    if (group)
        owner = HandleFrom<HWND>(group->Query(1));
    if (style & WindowTitleBar) {
        _wstyle |= WS_SYSMENU;
        if (style & WindowResizable)
            _wstyle |= WS_MINIMIZEBOX | WS_MAXIMIZEBOX;
        if (group && !Cast<TWindowsDesktop>(group) && !(style & WindowTool)) {
            frameClass = Wide(TWindowsGUIDriver::DialogClassName());
            _xstyle |= WS_EX_DLGMODALFRAME;
        }
    } else {
        _wstyle |= WS_POPUP;
    }
    if (style & WindowResizable)
        _wstyle |= WS_THICKFRAME;
    if (style & WindowMenuBar) {
        // One empty item, so that the bar is there and counted from the start.
        _hmenu = CreateMenu();
        AppendMenuW(_hmenu, MF_STRING, 0, WindowsDriver().emptyText.c_str());
    }
    if (style & WindowTool)
        _xstyle |= WS_EX_TOOLWINDOW;
    const HWND hwnd = MadeWindow(CreateWindowExW(_xstyle, frameClass.c_str(), L"", _wstyle, 0, 0, 0,
                                                 0, owner, _hmenu, instance, nullptr));
    AdoptWindowDpi(hwnd);
    if (style & WindowStatusBar) {
        _status = CreateWindowExW(0, STATUSCLASSNAMEW, L"", WS_CHILD | WS_VISIBLE, 0, 0, 0, 0, hwnd,
                                  nullptr, instance, nullptr);
        SetWindowPos(_status, HWND_TOPMOST, 0, 0, 0, 0, kStatusLineOnTop);
        // The line takes its height now, so that the first placement of the frame counts it.
        SendMessageW(_status, WM_SIZE, 0, 0);
    }
    const HWND client = CreateWindowExW(0, windowClass.c_str(), L"", kClientWindowStyle, 0, 0, 0, 0,
                                        hwnd, nullptr, instance, nullptr);
    Register(ClassWindow, hwnd, client, 0);
    if (style & WindowAcceptsFiles)
        DragAcceptFiles(hwnd, TRUE);
    _wstyle = static_cast<DWORD>(GetWindowLongW(hwnd, GWL_STYLE));
    return Ref<TWindowsGadget>(this);
}

int TWindowsWindow::RethinkClient(int redraw) {
    // In pixels, so that no row is lost or doubled between the toolbar and the status line.
    if (_hwndclient) {
        const SIZE client = ClientPixels();
        MoveWindow(_hwndclient, _clientX, _clientY, client.cx, client.cy, redraw ? TRUE : FALSE);
    }
    return LayoutKids();
}

int TWindowsWindow::FlushBrushes(int flag) {
    TWindowsGadget::FlushBrushes(1);
    if (flag)
        for (const Object& kid : kids->ToArray())
            if (auto child = Cast<TWindowsGadget>(kid))
                child->FlushBrushes(1);
    return 0;
}

int TWindowsWindow::ConvertToContainerDimensions(int& x, int& y, int& w, int& h) {
    const int dpi = WindowDpi(_hwnd);
    x = ToDevice(x, dpi);
    y = ToDevice(y, dpi);
    w = ToDevice(w, dpi);
    h = ToDevice(h, dpi);
    return TPlatformWindow::ConvertToContainerDimensions(x, y, w, h);
}

int TWindowsWindow::AddWindowFrame(int& x, int& y, int& w, int& h) {
    int left = 0, top = 0, across = 0, down = 0;
    AddFrame(left, top, across, down);
    const int dpi = WindowDpi(_hwnd);
    x += ToUnits(left, dpi);
    y += ToUnits(top, dpi);
    w += ToUnits(across, dpi);
    h += ToUnits(down, dpi);
    return 1;
}

void TWindowsWindow::AddFrame(int& x, int& y, int& w, int& h) {
    h += StatusHeight() + _clientY;
    w += _clientX;
    const RECT frame = FrameWidths(::GetMenu(_hwnd) ? TRUE : FALSE);
    x += frame.left - _clientX;
    y += frame.top - _clientY;
    w += frame.right - frame.left;
    h += frame.bottom - frame.top;
}

int TWindowsWindow::StatusHeight() const {
    if (!_status)
        return 0;
    RECT line{};
    GetWindowRect(_status, &line);
    return line.bottom - line.top;
}

RECT TWindowsWindow::FrameWidths(BOOL menu) const { return FrameWidths(menu, WindowDpi(_hwnd)); }

RECT TWindowsWindow::FrameWidths(BOOL menu, int dpi) const {
    return FrameWidthsForDpi(static_cast<DWORD>(GetWindowLongW(_hwnd, GWL_STYLE)), menu,
                             static_cast<DWORD>(GetWindowLongW(_hwnd, GWL_EXSTYLE)), dpi);
}

} // namespace vandro

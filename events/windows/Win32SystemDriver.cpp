#include "Win32SystemDriver.h"

#include "Win32Dpi.h"
#include "Win32SystemState.h"

#include <cstdlib>

namespace vandro {

namespace {

Win32SystemState state;

void LowerTimerResolution() {
    if (state.timerRaised)
        timeEndPeriod(1);
    state.timerRaised = false;
}

void StartWindowsSide() {
    if (state.started)
        return;
    state.pointerVisible = 1;
    state.mainThreadId = GetCurrentThreadId();
    state.messageHook =
        SetWindowsHookExW(WH_GETMESSAGE, MainThreadHook, nullptr, state.mainThreadId);
    state.timerRaised = timeBeginPeriod(1) == TIMERR_NOERROR;
    std::atexit(LowerTimerResolution);
    state.started = true;
}

bool IsTabStopChild(HWND hwnd) {
    const LONG style = GetWindowLongW(hwnd, GWL_STYLE);
    return (style & (WS_CHILD | WS_TABSTOP)) == (WS_CHILD | WS_TABSTOP);
}

bool IsControlParentChild(HWND hwnd) {
    return (GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD) &&
           (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_CONTROLPARENT);
}

// The window whose dialog navigation takes a message for a control: the one around the control
// and around the panels and tab pages that hold it. None for a window that is no tab stop: it
// takes its keys itself.
HWND DialogOf(HWND hwnd) {
    HWND dialog = hwnd;
    while (dialog && IsTabStopChild(dialog))
        dialog = GetParent(dialog);
    if (dialog == hwnd)
        return nullptr;
    return NavigationWindow(dialog);
}

bool IsModifierKey(WPARAM key) {
    return key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU || key == VK_LWIN ||
           key == VK_RWIN;
}

bool IsKeyMessage(UINT msg) {
    return msg == WM_KEYDOWN || msg == WM_KEYUP || msg == WM_SYSKEYDOWN || msg == WM_SYSKEYUP;
}

bool Held(int key) { return (GetKeyState(key) & 0x8000) != 0; }

void Dispatch(MSG& message) {
    ::TranslateMessage(&message);
    DispatchMessageW(&message);
}

} // namespace

Win32SystemState& Win32System() { return state; }

HWND NavigationWindow(HWND group) {
    while (group && IsControlParentChild(group))
        group = GetParent(group);
    return group;
}

Ref<TSystemDriver> NewSystemDriver() { return New<TWin32SystemDriver>(); }

TWin32SystemDriver::TWin32SystemDriver() { StartWindowsSide(); }

int TWin32SystemDriver::Poll() {
    MSG message;
    while (PeekMessageW(&message, nullptr, 0, 0, PM_REMOVE)) {
        if (IsKeyMessage(message.message) && IsModifierKey(message.wParam))
            state.modifiers = LiveModifiers();
        const HWND dialog = DialogOf(message.hwnd);
        if (!dialog || !IsDialogMessageW(dialog, &message))
            Dispatch(message);
        RaiseHeldFailure();
    }
    return 0;
}

int TWin32SystemDriver::Wait() {
    MsgWaitForMultipleObjects(0, nullptr, FALSE, INFINITE, QS_ALLINPUT & 0xFF);
    return Poll();
}

int TWin32SystemDriver::MoveMouse(int x, int y) {
    // Without an active window the units are the screen's.
    const HWND active = GetActiveWindow();
    const int dpi = WindowDpi(active);
    POINT point{ToDevice(x, dpi), ToDevice(y, dpi)};
    if (active)
        ClientToScreen(active, &point);
    SetCursorPos(point.x, point.y);
    return 0;
}

int TWin32SystemDriver::SetMouseVisible(int visible) {
    state.pointerVisible = visible;
    UpdatePointerVisibility();
    return 0;
}

int TWin32SystemDriver::Modifiers() { return state.modifiers; }

int LiveModifiers() {
    return (Held(VK_SHIFT) ? 1 : 0) | (Held(VK_CONTROL) ? 2 : 0) | (Held(VK_MENU) ? 4 : 0) |
           (Held(VK_LWIN) || Held(VK_RWIN) ? 8 : 0);
}

void UpdatePointerVisibility() {
    const BOOL show = state.pointerVisible == 1 || !state.trackedWindow;
    const int counter = ShowCursor(show);
    if (counter != 0 && counter != -1)
        ShowCursor(!show);
}

int DesktopMetric(int index) {
    HWND desktop = GetDesktopWindow();
    HDC dc = GetDC(desktop);
    const int value = GetDeviceCaps(dc, index);
    ReleaseDC(desktop, dc);
    return value;
}

} // namespace vandro

// Raw key, mouse, activation and close messages of the program's windows as events.
#include "Win32SystemDriver.h"

#include "Win32Dpi.h"
#include "Win32SystemState.h"

#include "events/Event.h"

namespace vandro {

namespace {

int SignedLow(LPARAM value) { return static_cast<short>(LOWORD(value)); }
int SignedHigh(LPARAM value) { return static_cast<short>(HIWORD(value)); }

void Raise(int id, const Object& source, int data, int mods, int x, int y) {
    EmitEvent(CreateEvent(id, source, data, mods, x, y));
}

// The six modifier keys are told apart by their scan codes; 0 for a key with no event.
int KeyCode(WPARAM key, LPARAM flags) {
    if (key < 1 || key > 255)
        return 0;
    if (key == VK_SHIFT || key == VK_CONTROL || key == VK_MENU) {
        const int scan = static_cast<int>((flags >> 16) & 0x7F) + ((flags & (1 << 24)) ? 0x80 : 0);
        switch (scan) {
        case 42:
            return VK_LSHIFT;
        case 54:
            return VK_RSHIFT;
        case 29:
            return VK_LCONTROL;
        case 157:
            return VK_RCONTROL;
        case 56:
            return VK_LMENU;
        case 184:
            return VK_RMENU;
        }
    }
    return static_cast<int>(key);
}

void RaiseKey(int id, WPARAM key, LPARAM flags, const Object& source) {
    if (const int code = KeyCode(key, flags))
        Raise(id, source, code, TWin32SystemDriver::Modifiers(), 0, 0);
}

// The window the pointer is over changes: leave the old one, enter the new one.
void Track(HWND candidate, const Object& source, int x, int y) {
    Win32SystemState& state = Win32System();
    if (candidate == state.trackedWindow)
        return;
    const Object entered = candidate ? source : Object();
    if (state.trackedWindow) {
        POINT point{};
        GetCursorPos(&point);
        ScreenToClient(state.trackedWindow, &point);
        const int dpi = WindowDpi(state.trackedWindow);
        const Object left = std::move(state.trackedSource);
        Raise(MouseLeave, left, 0, 0, ToUnits(point.x, dpi), ToUnits(point.y, dpi));
    }
    state.trackedWindow = candidate;
    UpdatePointerVisibility();
    if (!candidate)
        return;
    state.trackedSource = entered;
    Raise(MouseEnter, entered, 0, 0, x, y);
    TRACKMOUSEEVENT request{sizeof request, TME_LEAVE, candidate, 0};
    _TrackMouseEvent(&request);
}

HWND PointerCandidate(HWND hwnd, int x, int y) {
    RECT client{};
    GetClientRect(hwnd, &client);
    return (x >= 0 && y >= 0 && x < client.right && y < client.bottom) ? hwnd : nullptr;
}

bool SameProcess(HWND other) {
    DWORD process = 0;
    if (other)
        GetWindowThreadProcessId(other, &process);
    return process == GetCurrentProcessId();
}

void Activation(WPARAM wParam, LPARAM lParam, const Object& source) {
    const bool activating = LOWORD(wParam) != WA_INACTIVE;
    if (activating && HIWORD(wParam))
        return;
    if (SameProcess(reinterpret_cast<HWND>(lParam)))
        return;
    Raise(activating ? AppResume : AppSuspend, source, 0, TWin32SystemDriver::Modifiers(), 0, 0);
}

} // namespace

int TWin32SystemDriver::TranslateOSMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                           const Object& source) {
    const int mods = Modifiers();
    // The message's pixels are the window's; events carry the toolkit's units.
    const int dpi = WindowDpi(hwnd);
    const int x = ToUnits(SignedLow(lParam), dpi);
    const int y = ToUnits(SignedHigh(lParam), dpi);
    switch (msg) {
    case WM_KEYDOWN:
    case WM_SYSKEYDOWN:
        RaiseKey((lParam & (1 << 30)) ? KeyRepeat : KeyDown, wParam, lParam, source);
        break;
    case WM_KEYUP:
    case WM_SYSKEYUP:
        RaiseKey(KeyUp, wParam, lParam, source);
        break;
    case WM_CHAR:
    case WM_SYSCHAR:
        Raise(KeyChar, source, static_cast<int>(wParam), mods, 0, 0);
        break;
    case WM_LBUTTONDOWN:
    case WM_RBUTTONDOWN:
    case WM_MBUTTONDOWN:
        SetCapture(hwnd);
        Raise(MouseDown, source,
              msg == WM_LBUTTONDOWN   ? 1
              : msg == WM_RBUTTONDOWN ? 2
                                      : 3,
              mods, x, y);
        break;
    case WM_LBUTTONUP:
    case WM_RBUTTONUP:
    case WM_MBUTTONUP:
        ReleaseCapture();
        Raise(MouseUp, source, msg == WM_LBUTTONUP ? 1 : msg == WM_RBUTTONUP ? 2 : 3, mods, x, y);
        break;
    case WM_MOUSEMOVE:
        Track(PointerCandidate(hwnd, SignedLow(lParam), SignedHigh(lParam)), source, x, y);
        Raise(MouseMove, source,
              HeldButton(wParam & MK_LBUTTON, wParam & MK_RBUTTON, wParam & MK_MBUTTON), mods, x,
              y);
        break;
    case WM_MOUSEWHEEL: {
        POINT point{SignedLow(lParam), SignedHigh(lParam)};
        ScreenToClient(hwnd, &point);
        Raise(MouseWheel, source, static_cast<short>(HIWORD(wParam)) / WHEEL_DELTA, mods,
              ToUnits(point.x, dpi), ToUnits(point.y, dpi));
        break;
    }
    case WM_MOUSELEAVE:
        if (hwnd == Win32System().trackedWindow)
            Track(nullptr, {}, 0, 0);
        break;
    case WM_CLOSE:
        Raise(AppTerminate, source, 0, mods, 0, 0);
        break;
    case WM_ACTIVATE:
        Activation(wParam, lParam, source);
        break;
    }
    return 0;
}

} // namespace vandro

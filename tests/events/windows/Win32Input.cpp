#include "Win32Input.h"

#include "events/System.h"
#include "tests/support/windows/WindowsUserDesktop.h"

#include <string>
#include <utility>

namespace vandro {

namespace {

void Send(INPUT input) {
    HoldRealInput();
    SendInput(1, &input, sizeof input);
}

void Key(WORD key, DWORD flags) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    const bool extended = key == VK_RCONTROL || key == VK_RMENU || key == VK_LEFT ||
                          key == VK_RIGHT || key == VK_UP || key == VK_DOWN;
    input.ki.dwFlags = flags | (extended ? KEYEVENTF_EXTENDEDKEY : 0);
    Send(input);
    PumpUntilQuiet();
}

struct DismisserState {
    HHOOK hook = nullptr;
    std::function<void(HWND)> action;
    HWND dialog = nullptr;
    std::wstring caption;
};
DismisserState dismisser;

LRESULT CALLBACK DismissHook(int code, WPARAM wParam, LPARAM lParam) {
    const HWND window = reinterpret_cast<HWND>(wParam);
    if (code == HCBT_ACTIVATE && window && dismisser.action && window != dismisser.dialog) {
        dismisser.dialog = window;
        dismisser.action(window);
    }
    // The caption is complete by the time the dialog goes.
    if (code == HCBT_DESTROYWND && window == dismisser.dialog) {
        wchar_t caption[256] = L"";
        GetWindowTextW(window, caption, 256);
        dismisser.caption = caption;
    }
    return CallNextHookEx(dismisser.hook, code, wParam, lParam);
}

// Waits for the named mutex and keeps it until the process ends; the system hands it on when
// it does, however it ends.
void HoldUntilExit(const std::wstring& name) {
    const HANDLE mutex = CreateMutexW(nullptr, FALSE, name.c_str());
    WaitForSingleObject(mutex, INFINITE);
}

} // namespace

void HoldRealInput() {
    // Each desktop has its own keyboard and pointer, so there is one for each.
    static const bool held = (HoldUntilExit(L"VandroRealInput-" + ThreadDesktopName()), true);
    (void)held;
}

void HoldClipboard() {
    static const bool held = (HoldUntilExit(L"VandroClipboard"), true);
    (void)held;
}

void PumpUntilQuiet() {
    for (int quiet = 0; quiet < 3;) {
        if (HIWORD(GetQueueStatus(QS_ALLINPUT))) {
            quiet = 0;
            PollSystem();
        } else {
            ++quiet;
            Sleep(5);
        }
    }
}

void BringToFront(HWND hwnd) {
    HoldRealInput();
    SetForegroundWindow(hwnd);
    SetActiveWindow(hwnd);
    PumpUntilQuiet();
}

void PressKey(WORD key) { Key(key, 0); }
void ReleaseKey(WORD key) { Key(key, KEYEVENTF_KEYUP); }
void TypeKey(WORD key) {
    PressKey(key);
    ReleaseKey(key);
}

void MovePointer(int x, int y) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    const int width = GetSystemMetrics(SM_CXSCREEN);
    const int height = GetSystemMetrics(SM_CYSCREEN);
    input.mi.dx = (x * 65535 + (width - 1) / 2) / (width - 1);
    input.mi.dy = (y * 65535 + (height - 1) / 2) / (height - 1);
    input.mi.dwFlags = MOUSEEVENTF_MOVE | MOUSEEVENTF_ABSOLUTE;
    Send(input);
    PumpUntilQuiet();
}

void MovePointerTo(HWND hwnd, int clientX, int clientY) {
    POINT point{clientX, clientY};
    ClientToScreen(hwnd, &point);
    MovePointer(point.x, point.y);
}

void MouseButton(DWORD flags) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dwFlags = flags;
    Send(input);
    PumpUntilQuiet();
}

void ClickAt(HWND hwnd, int clientX, int clientY) {
    MovePointerTo(hwnd, clientX, clientY);
    MouseButton(MOUSEEVENTF_LEFTDOWN);
    MouseButton(MOUSEEVENTF_LEFTUP);
}

DialogDismisser::DialogDismisser(std::function<void(HWND)> action) {
    dismisser.action = std::move(action);
    dismisser.caption.clear();
    dismisser.dialog = nullptr;
    dismisser.hook = SetWindowsHookExW(WH_CBT, DismissHook, nullptr, GetCurrentThreadId());
}

DialogDismisser::~DialogDismisser() {
    UnhookWindowsHookEx(dismisser.hook);
    dismisser.hook = nullptr;
    dismisser.action = nullptr;
}

std::wstring DialogDismisser::LastCaption() { return dismisser.caption; }

} // namespace vandro

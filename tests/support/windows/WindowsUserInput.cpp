#include "WindowsUser.h"

#include "gui/windows/WindowsGadget.h"

#include "events/Event.h"
#include "events/Hook.h"
#include "events/System.h"
#include "gui/GadgetCreation.h"

namespace vandro {

namespace {

// The events the platform emits, as the user waits for them.
struct EmitWatch {
    int id = 0;
    TGadget* source = nullptr;
    bool seen = false;
    bool hooked = false;
};

EmitWatch& Watch() {
    static EmitWatch watch;
    return watch;
}

// Runs before the queue's hook and passes every event on unchanged.
Object NoteEmitted(int, Object data, Object) {
    EmitWatch& watch = Watch();
    if (const auto event = Cast<TEvent>(data); event && event->id == watch.id) {
        const auto source = Cast<TGadget>(event->source);
        if (!watch.source || source.get() == watch.source)
            watch.seen = true;
    }
    return data;
}

LONG Normalised(LONG pixel, int extent) {
    // The system takes pixel = normalised × extent / 65536: round up, so that it comes back.
    return static_cast<LONG>((static_cast<long long>(pixel) * 65536 + extent - 1) / extent);
}

INPUT MouseInput(DWORD flags, POINT screen) {
    INPUT input{};
    input.type = INPUT_MOUSE;
    input.mi.dx = Normalised(screen.x, GetSystemMetrics(SM_CXSCREEN));
    input.mi.dy = Normalised(screen.y, GetSystemMetrics(SM_CYSCREEN));
    input.mi.dwFlags = flags | MOUSEEVENTF_ABSOLUTE;
    return input;
}

INPUT KeyInput(WORD key, bool up) {
    INPUT input{};
    input.type = INPUT_KEYBOARD;
    input.ki.wVk = key;
    input.ki.wScan = static_cast<WORD>(MapVirtualKeyW(key, MAPVK_VK_TO_VSC));
    input.ki.dwFlags = up ? KEYEVENTF_KEYUP : 0;
    return input;
}

void Foreground(HWND top) {
    if (top && GetForegroundWindow() != top) {
        SetForegroundWindow(top);
        PumpPending();
    }
}

// When the last click was queued: the system stamps a click's messages as it takes them in.
ULONGLONG lastClick = 0;

void Clicks(HWND top, POINT screen, int count, DWORD down = MOUSEEVENTF_LEFTDOWN,
            DWORD up = MOUSEEVENTF_LEFTUP) {
    Foreground(top);
    INPUT inputs[5] = {MouseInput(MOUSEEVENTF_MOVE, screen)};
    UINT used = 1;
    for (int click = 0; click < count; ++click) {
        inputs[used++] = MouseInput(down, screen);
        inputs[used++] = MouseInput(up, screen);
    }
    SendInput(used, inputs, sizeof(INPUT));
    lastClick = GetTickCount64();
}

} // namespace

void PumpPending() {
    if (!IsSystemPumping()) {
        PollSystem();
        return;
    }
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

bool PumpUntilEmitted(int id, const Ref<TGadget>& source, int milliseconds) {
    EmitWatch& watch = Watch();
    if (!watch.hooked) {
        AddHook(EmitEventHook(), NoteEmitted, {}, 10000);
        watch.hooked = true;
    }
    const EmitWatch outer = watch;
    watch.id = id;
    watch.source = source.get();
    watch.seen = false;
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    while (!watch.seen && GetTickCount64() < deadline) {
        PumpPending();
        if (!watch.seen)
            MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    }
    PumpPending();
    const bool seen = watch.seen;
    // A wait inside another (an action run while the program pumps) leaves the outer one's.
    watch.id = outer.id;
    watch.source = outer.source;
    watch.seen = outer.seen || (seen && outer.id == id);
    return seen;
}

void PumpFor(int milliseconds) {
    const ULONGLONG deadline = GetTickCount64() + static_cast<ULONGLONG>(milliseconds);
    do {
        PumpPending();
        MsgWaitForMultipleObjects(0, nullptr, FALSE, 5, QS_ALLINPUT);
    } while (GetTickCount64() < deadline);
    PumpPending();
}

void ClickAt(HWND top, POINT screen) { Clicks(top, screen, 1); }

// Counted from when the last click was queued, not from when it was asked for: on a busy machine
// the window comes to the front late and the click goes in later still.
void AwaitSingleClick() {
    const ULONGLONG due = lastClick + GetDoubleClickTime() + 20;
    if (GetTickCount64() < due)
        PumpFor(static_cast<int>(due - GetTickCount64()));
}

void DoubleClickAt(HWND top, POINT screen) { Clicks(top, screen, 2); }

void DragFromTo(HWND top, POINT from, POINT to) {
    Foreground(top);
    // All at once: a scroll bar tracks its thumb in a loop of its own from the press until the
    // release, which must be queued by then.
    INPUT inputs[7] = {MouseInput(MOUSEEVENTF_MOVE, from), MouseInput(MOUSEEVENTF_LEFTDOWN, from)};
    UINT used = 2;
    for (LONG step = 1; step <= 4; ++step)
        inputs[used++] = MouseInput(MOUSEEVENTF_MOVE, POINT{from.x + (to.x - from.x) * step / 4,
                                                            from.y + (to.y - from.y) * step / 4});
    inputs[used++] = MouseInput(MOUSEEVENTF_LEFTUP, to);
    SendInput(used, inputs, sizeof(INPUT));
}

void RightClickAt(HWND top, POINT screen) {
    Clicks(top, screen, 1, MOUSEEVENTF_RIGHTDOWN, MOUSEEVENTF_RIGHTUP);
}

void MoveMouseTo(POINT screen) {
    INPUT input = MouseInput(MOUSEEVENTF_MOVE, screen);
    SendInput(1, &input, sizeof(INPUT));
}

void TypeKey(WORD key, int modifiers) {
    constexpr struct {
        int mask;
        WORD key;
    } kHeld[] = {{1, VK_SHIFT}, {2, VK_CONTROL}, {4, VK_MENU}};
    INPUT inputs[8];
    UINT used = 0;
    for (const auto& held : kHeld)
        if (modifiers & held.mask)
            inputs[used++] = KeyInput(held.key, false);
    inputs[used++] = KeyInput(key, false);
    inputs[used++] = KeyInput(key, true);
    for (const auto& held : kHeld)
        if (modifiers & held.mask)
            inputs[used++] = KeyInput(held.key, true);
    SendInput(used, inputs, sizeof(INPUT));
}

POINT CentreOf(HWND hwnd) {
    RECT area{};
    GetWindowRect(hwnd, &area);
    return POINT{(area.left + area.right) / 2, (area.top + area.bottom) / 2};
}

bool Reachable(HWND hwnd) {
    if (!hwnd || !IsWindow(hwnd) || !IsWindowVisible(hwnd) || !IsWindowEnabled(hwnd))
        return false;
    const HWND top = GetAncestor(hwnd, GA_ROOT);
    if (IsIconic(top) || !IsWindowEnabled(top))
        return false;
    for (HWND above = GetParent(hwnd); above && above != top; above = GetParent(above))
        if (!IsWindowEnabled(above))
            return false;
    HWND met = WindowFromPoint(CentreOf(hwnd));
    // A static control lets the mouse through to what is under it, so meeting one of the
    // element's own children counts.
    return met == hwnd || IsChild(hwnd, met);
}

HWND ElementOf(const Ref<TGadget>& gadget) {
    const auto element = Cast<TWindowsGadget>(RealGadget(gadget));
    return element && element->_hwnd && IsWindow(element->_hwnd) ? element->_hwnd : nullptr;
}

} // namespace vandro

// The two thread hooks: hotkeys from the keyboard, and mouse activity over any gadget as
// mouse events (a drag ends in a drop here).
#include "WindowsGUIDriver.h"

#include "events/windows/Win32Dpi.h"
#include "events/windows/Win32SystemDriver.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetCore.h"
#include "gui/GadgetEvents.h"
#include "gui/GadgetFunctions.h"
#include "gui/HotKey.h"

#include <cwctype>

namespace vandro {

namespace {

using Driver = TWindowsGUIDriver;

bool IsEditFocused(HWND focus) {
    wchar_t name[16] = L"";
    if (!GetClassNameW(focus, name, 16))
        return false;
    for (wchar_t& c : name)
        c = static_cast<wchar_t>(std::towupper(c));
    return std::wstring(name) == L"EDIT";
}

// Only a keystroke taken from the queue counts: one that is merely peeked at (HC_NOREMOVE)
// comes again when it is taken, and would fire its hotkey twice.
LRESULT Keyboard(int code, WPARAM wParam, LPARAM lParam) {
    if (code != HC_ACTION)
        return 0;
    if (wParam == VK_RETURN) {
        HWND focus = GetFocus();
        if (focus && IsEditFocused(focus))
            SetFocus(GetParent(focus));
    }
    if (lParam & 0x80000000)
        return 0;
    WindowsDriverState& state = WindowsDriver();
    if (wParam == VK_MENU)
        state.AltKeyTaken = false;
    if (!FireHotKey(Driver::HotkeyEventFromWp(static_cast<int>(wParam))))
        return 0;
    if (GetKeyState(VK_MENU) < 0)
        state.AltKeyTaken = true;
    return 1;
}

struct Pressed {
    UINT msg;
    int button;
    int down;
};

// Double clicks come as presses; the hook keeps which buttons are down.
Pressed Classify(UINT msg) {
    switch (msg) {
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        return {WM_LBUTTONDOWN, 1, 1};
    case WM_LBUTTONUP:
        return {msg, 1, 0};
    case WM_RBUTTONDOWN:
    case WM_RBUTTONDBLCLK:
        return {WM_RBUTTONDOWN, 2, 1};
    case WM_RBUTTONUP:
        return {msg, 2, 0};
    case WM_MBUTTONDOWN:
    case WM_MBUTTONDBLCLK:
        return {WM_MBUTTONDOWN, 3, 1};
    case WM_MBUTTONUP:
        return {msg, 3, 0};
    default:
        return {msg, 0, 0};
    }
}

void Drop(const Ref<TWindowsGadget>& gadget, int button, POINT point) {
    const Ref<TGadget> source = DragSource(button);
    if (!source)
        return;
    const int dpi = WindowDpi(gadget->_hwnd);
    EmitGadgetEvent(GadgetDrop, gadget, button, Driver::CurrentModifiers(), ToUnits(point.x, dpi),
                    ToUnits(point.y, dpi), source);
    SetDragSource(button, {});
}

WPARAM MessageFlags() {
    const auto& down = WindowsDriver().MouseButtonDown;
    return (down[1] ? MK_LBUTTON : 0) | (down[2] ? MK_RBUTTON : 0) | (down[3] ? MK_MBUTTON : 0) |
           ((GetKeyState(VK_SHIFT) & 0x8000) ? MK_SHIFT : 0) |
           ((GetKeyState(VK_CONTROL) & 0x8000) ? MK_CONTROL : 0);
}

void Mouse(int code, UINT msg, const MOUSEHOOKSTRUCT& info) {
    if (code != HC_ACTION || msg < WM_MOUSEFIRST || msg > WM_MOUSEWHEEL)
        return;
    WindowsDriverState& state = WindowsDriver();
    const Pressed pressed = Classify(msg);
    if (pressed.button)
        state.MouseButtonDown[static_cast<std::size_t>(pressed.button)] = pressed.down;
    const Ref<TWindowsGadget> gadget = Driver::GadgetFromHwnd(info.hwnd);
    POINT point = info.pt;
    if (!gadget || !ScreenToClient(info.hwnd, &point))
        return;
    if (pressed.button && !pressed.down)
        Drop(gadget, pressed.button, point);
    if (!(gadget->sensitivity & SensitiveMouse))
        return;
    const WPARAM flags = MessageFlags();
    const unsigned packed =
        static_cast<unsigned>(point.y & 0xFFFF) << 16 | static_cast<unsigned>(point.x & 0xFFFF);
    const int position = static_cast<int>(packed);
    const LPARAM lParam = static_cast<LPARAM>(packed);
    if (pressed.msg == WM_MOUSEMOVE) {
        if (position == gadget->_oldcursorlp)
            return;
        gadget->_oldcursorlp = position;
        Driver::SystemEmitOSEvent(info.hwnd, pressed.msg, flags, lParam, gadget);
    } else if (pressed.button && !pressed.down && state.CaptureChanged) {
        EmitGadgetEvent(MouseUp, gadget, pressed.button, 0, 0, 0, {});
    } else if (pressed.button) {
        Driver::SystemEmitOSEvent(info.hwnd, pressed.msg, flags, lParam, gadget);
    }
}

} // namespace

LRESULT CALLBACK TWindowsGUIDriver::KeyboardProc(int code, WPARAM wParam, LPARAM lParam) {
    if (Shielded([&] { return Keyboard(code, wParam, lParam); }, LRESULT{0}))
        return 1;
    return CallNextHookEx(WindowsDriver().KeyboardHook, code, wParam, lParam);
}

LRESULT CALLBACK TWindowsGUIDriver::MouseProc(int code, WPARAM wParam, LPARAM lParam) {
    Shielded(
        [&] {
            Mouse(code, static_cast<UINT>(wParam), *reinterpret_cast<MOUSEHOOKSTRUCT*>(lParam));
            return 0;
        },
        0);
    return CallNextHookEx(WindowsDriver().MouseHook, code, wParam, lParam);
}

Ref<TEvent> TWindowsGUIDriver::HotkeyEventFromWp(int key) {
    int mods = CurrentModifiers();
    switch (key) {
    case VK_SHIFT:
        key = VK_LSHIFT;
        [[fallthrough]];
    case VK_LSHIFT:
    case VK_RSHIFT:
        mods &= ~1;
        break;
    case VK_CONTROL:
        key = VK_LCONTROL;
        [[fallthrough]];
    case VK_LCONTROL:
    case VK_RCONTROL:
        mods &= ~2;
        break;
    case VK_MENU:
        key = VK_LMENU;
        [[fallthrough]];
    case VK_LMENU:
    case VK_RMENU:
        mods &= ~4;
        break;
    case VK_LWIN:
    case VK_RWIN:
        mods &= ~8;
        break;
    }
    return FindHotKeyEvent(key, mods, HandleValue(GetForegroundWindow()));
}

int TWindowsGUIDriver::SystemEmitOSEvent(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam,
                                         const Ref<TGadget>& gadget) {
    WindowsDriverState& state = WindowsDriver();
    ++state.EmitDepth;
    const Ref<TGadget> source = gadget ? FindOutermostGadget(gadget) : Ref<TGadget>();
    const int result = Shielded(
        [&] { return TWin32SystemDriver::TranslateOSMessage(hwnd, msg, wParam, lParam, source); },
        0);
    --state.EmitDepth;
    return result;
}

} // namespace vandro

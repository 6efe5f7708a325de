// The one window procedure of the driver's classes and of every control a gadget subclassed:
// it finds the gadget through the handle registry and hands the message over.
#include "WindowsGUIDriver.h"
#include "WindowsPanel.h"

#include "events/windows/Win32SystemDriver.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetFunctions.h"

namespace vandro {

namespace {

using Driver = TWindowsGUIDriver;

Ref<TWindowsGadget> Registry(HWND hwnd) { return Driver::GadgetFromHwnd(hwnd); }
Ref<TWindowsGadget> Registry(LPARAM hwnd) { return Registry(reinterpret_cast<HWND>(hwnd)); }

LRESULT Tail(const Ref<TWindowsGadget>& chosen, HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const Ref<TWindowsGadget> gadget = chosen ? chosen : Registry(hwnd);
    if (gadget)
        return gadget->WndProc(hwnd, msg, wParam, lParam);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

// A label, button or slider: transparent text over the brush of the parent's background.
LRESULT ControlBrush(TWindowsGadget& control, HWND hwnd, HDC dc) {
    SetBkMode(dc, TRANSPARENT);
    if (control.FgColor() > -1)
        SetTextColor(dc, static_cast<COLORREF>(control.FgColor()));
    return reinterpret_cast<LRESULT>(control.CreateControlBrush(hwnd, dc));
}

// A text field or combo box keeps its own ground unless the program coloured it.
LRESULT FieldBrush(TWindowsGadget& control, HDC dc, bool& handled) {
    if (control.FgColor() > -1)
        SetTextColor(dc, static_cast<COLORREF>(control.FgColor()));
    handled = control.BgBrush() != nullptr;
    if (handled)
        SetBkColor(dc, static_cast<COLORREF>(control.BgColor()));
    return reinterpret_cast<LRESULT>(control.BgBrush());
}

LRESULT ControlColor(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const Ref<TWindowsGadget> control = Registry(lParam);
    const HDC dc = reinterpret_cast<HDC>(wParam);
    if (control) {
        switch (control->_class) {
        case ClassLabel:
        case ClassButton:
        case ClassSlider:
            return ControlBrush(*control, control->_hwnd, dc);
        case ClassPanel: {
            // A group panel's frame is the control asking, not the panel's own window.
            const auto panel = Cast<TWindowsPanel>(control);
            if (panel && panel->_type == PanelGroup)
                return ControlBrush(*control, reinterpret_cast<HWND>(lParam), dc);
            break;
        }
        case ClassTextField:
        case ClassComboBox: {
            bool handled = false;
            const LRESULT brush = FieldBrush(*control, dc, handled);
            if (handled)
                return brush;
            break;
        }
        }
    }
    return Tail({}, hwnd, msg, wParam, lParam);
}

LRESULT Command(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    Ref<TWindowsGadget> gadget;
    if (lParam) {
        gadget = Registry(lParam);
        if (!gadget)
            gadget = Registry(GetParent(reinterpret_cast<HWND>(lParam)));
    }
    if (!gadget)
        gadget = Registry(hwnd);
    if (!gadget)
        return DefWindowProcW(hwnd, msg, wParam, lParam);
    const LRESULT result = gadget->OnCommand(msg, wParam);
    if (result == 0 && gadget->_proc && gadget->_hwnd == hwnd)
        return CallWindowProcW(gadget->_proc, hwnd, msg, wParam, lParam);
    return result;
}

LRESULT Notification(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    const Ref<TWindowsGadget> gadget = header ? Registry(header->hwndFrom) : nullptr;
    if (!gadget)
        return Tail({}, hwnd, msg, wParam, lParam);
    if (header->code == TTN_GETDISPINFOW && !gadget->_wstrTooltip.empty())
        reinterpret_cast<NMTTDISPINFOW*>(lParam)->lpszText = gadget->_wstrTooltip.data();
    return gadget->OnNotify(wParam, lParam);
}

LRESULT Sized(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const Ref<TWindowsGadget> gadget = Registry(hwnd);
    if (gadget && gadget->_class != ClassWindow) {
        if (hwnd == HandleFrom<HWND>(gadget->Query(1)))
            gadget->RethinkClient(0);
        if (hwnd == HandleFrom<HWND>(gadget->Query(2)))
            gadget->LayoutKids();
    }
    return Tail(gadget, hwnd, msg, wParam, lParam);
}

LRESULT DrawItem(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const DRAWITEMSTRUCT item = *reinterpret_cast<const DRAWITEMSTRUCT*>(lParam);
    const Ref<TWindowsGadget> gadget = Registry(item.hwndItem);
    if (gadget && gadget->OnDrawItem(item))
        return 1;
    return Tail({}, hwnd, msg, wParam, lParam);
}

LRESULT KeyMessage(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    const Ref<TWindowsGadget> gadget = Registry(hwnd);
    if (gadget && (gadget->sensitivity & SensitiveKeys) && !(gadget->State() & StateDisabled))
        Driver::SystemEmitOSEvent(hwnd, msg, wParam, lParam, gadget);
    if (msg != WM_CHAR && msg != WM_SYSCHAR && Driver::HotkeyEventFromWp(static_cast<int>(wParam)))
        return 1;
    return Tail(gadget, hwnd, msg, wParam, lParam);
}

LRESULT Dispatch(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    WindowsDriverState& state = WindowsDriver();
    switch (msg) {
    case WM_MENUCHAR:
        return Driver::HotkeyEventFromWp(static_cast<int>(wParam & 0xFF))
                   ? MAKELRESULT(0, MNC_CLOSE)
                   : 0;
    case WM_SIZE:
        return Sized(hwnd, msg, wParam, lParam);
    case WM_CTLCOLORSTATIC:
    case WM_CTLCOLOREDIT:
    case WM_CTLCOLORBTN:
        return ControlColor(hwnd, msg, wParam, lParam);
    case WM_COMMAND:
    case WM_HSCROLL:
    case WM_VSCROLL:
        return Command(hwnd, msg, wParam, lParam);
    case WM_NOTIFY:
        return Notification(hwnd, msg, wParam, lParam);
    case WM_SYSCOMMAND:
        // The release of the Alt a hot key was pressed with.
        if ((wParam & 0xFFF0) == SC_KEYMENU && lParam == 0 && state.AltKeyTaken) {
            state.AltKeyTaken = false;
            return 0;
        }
        break;
    case WM_SETCURSOR:
        if (state.CurrentCursor) {
            SetCursor(state.CurrentCursor);
            return 1;
        }
        break;
    case WM_ACTIVATEAPP:
    case WM_ACTIVATE:
        Driver::SystemEmitOSEvent(hwnd, msg, wParam, lParam, {});
        break;
    case WM_DRAWITEM:
        return DrawItem(hwnd, msg, wParam, lParam);
    case WM_NEXTDLGCTL:
        // A panel or tab page is part of the window around it, which moves the focus.
        if ((GetWindowLongW(hwnd, GWL_STYLE) & WS_CHILD) &&
            (GetWindowLongW(hwnd, GWL_EXSTYLE) & WS_EX_CONTROLPARENT))
            return SendMessageW(GetParent(hwnd), msg, wParam, lParam);
        break;
    case WM_CAPTURECHANGED:
        state.CaptureChanged =
            reinterpret_cast<HWND>(lParam) == hwnd && state.EmitDepth == 0 ? 1 : 0;
        break;
    case WM_MOUSEWHEEL:
    case WM_MOUSELEAVE: {
        const Ref<TWindowsGadget> gadget = Registry(hwnd);
        if (gadget && (gadget->sensitivity & SensitiveMouse))
            Driver::SystemEmitOSEvent(hwnd, msg, wParam, lParam, gadget);
        return Tail(gadget, hwnd, msg, wParam, lParam);
    }
    case WM_KEYDOWN:
    case WM_KEYUP:
    case WM_CHAR:
    case WM_SYSKEYDOWN:
    case WM_SYSKEYUP:
    case WM_SYSCHAR:
        return KeyMessage(hwnd, msg, wParam, lParam);
    }
    return Tail({}, hwnd, msg, wParam, lParam);
}

} // namespace

LRESULT CALLBACK TWindowsGUIDriver::ClassWndProc(HWND hwnd, UINT msg, WPARAM wParam,
                                                 LPARAM lParam) {
    return Shielded([&] { return Dispatch(hwnd, msg, wParam, lParam); }, LRESULT{0});
}

} // namespace vandro

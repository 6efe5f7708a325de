#include "WindowsGadget.h"

#include "WindowsGUIDriver.h"
#include "events/windows/Win32Dpi.h"
#include "events/windows/Win32SystemDriver.h"

#include "gui/GadgetConstants.h"
#include "gui/GadgetEvents.h"
#include "gui/GadgetFunctions.h"
#include "gui/ToolkitStart.h"

#include <utility>
#include <vector>

namespace vandro {

namespace {

// The children that are native gadgets, taken before any of them can leave the group.
std::vector<Ref<TWindowsGadget>> NativeKids(const TGadget& gadget) {
    std::vector<Ref<TWindowsGadget>> found;
    for (const Object& kid : gadget.kids->ToArray())
        if (auto child = Cast<TWindowsGadget>(kid))
            found.push_back(child);
    return found;
}

} // namespace

int TWindowsGadget::NativeHandle(int client) { return HandleValue(client ? _hwndclient : _hwnd); }

int TWindowsGadget::Register(int gadgetClass, HWND hwnd, HWND hwndclient, int tooltips) {
    _class = gadgetClass;
    _hwnd = hwnd;
    _hwndclient = hwndclient;
    const Ref<TWindowsGadget> self(this);
    // A window that could not be made has nothing to register: an entry under 0 would keep
    // the gadget alive for good, since Free removes only the handles it has.
    if (hwnd)
        TWindowsGUIDriver::RegisterHwnd(hwnd, self);
    if (hwndclient)
        TWindowsGUIDriver::RegisterHwnd(hwndclient, self);
    const WindowsDriverState& state = WindowsDriver();
    const auto atom = static_cast<ATOM>(GetClassLongW(hwnd, GCW_ATOM));
    if (hwnd && atom != state.WindowClassAtom && atom != state.DialogClassAtom && !_proc)
        _proc = reinterpret_cast<WNDPROC>(SetWindowLongPtrW(
            hwnd, GWLP_WNDPROC, reinterpret_cast<LONG_PTR>(TWindowsGUIDriver::ClassWndProc)));
    if (tooltips)
        SetupToolTips();
    return 0;
}

int TWindowsGadget::FreeElement() {
    if (_tooltips) {
        TWindowsGUIDriver::RemoveHwnd(_tooltips);
        DestroyMadeWindow(std::exchange(_tooltips, nullptr));
    }
    SetTooltip(u"");
    if (_hwnd) {
        DestroyMadeWindow(_hwnd);
        TWindowsGUIDriver::RemoveHwnd(std::exchange(_hwnd, nullptr));
    }
    if (_hwndclient)
        TWindowsGUIDriver::RemoveHwnd(std::exchange(_hwndclient, nullptr));
    FlushBrushes(0);
    if (_iconBitmap && DestroyIcon(_iconBitmap))
        ++WindowsDriver().gdiReleased;
    _iconBitmap = nullptr;
    DeleteMade(std::exchange(_bitmap, nullptr));
    DeleteMade(std::exchange(_bgbrush, nullptr));
    TWindowsGUIDriver::CloseThemeHandle(std::exchange(_hTheme, nullptr));
    return 0;
}

int TWindowsGadget::ElementVisible() {
    return (GetWindowLongW(_hwnd, GWL_STYLE) & WS_VISIBLE) ? 1 : 0;
}

int TWindowsGadget::ShowText(const String& text) {
    SetWindowTextW(_hwnd, Wide(text).c_str());
    return 0;
}

String TWindowsGadget::GetText() {
    const int length = GetWindowTextLengthW(_hwnd);
    if (length <= 0)
        return {};
    std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
    const int copied = GetWindowTextW(_hwnd, text.data(), length + 1);
    text.resize(static_cast<std::size_t>(copied > 0 ? copied : 0));
    return FromWide(text.c_str());
}

Ref<TGuiFont> TWindowsGadget::NativeFont(const Ref<TGuiFont>& font) {
    return Cast<TWindowsFont>(font) ? font : PlatformDefaultFont();
}

int TWindowsGadget::ShowFont(const Ref<TGuiFont>& font) {
    const Ref<TGuiFont>& sent = font ? font : _font;
    const auto native = Cast<TWindowsFont>(sent);
    const HFONT shown =
        native ? native->HfontForDpi(WindowDpi(_hwnd)) : HandleFrom<HFONT>(sent->handle);
    SendMessageW(_hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(shown), 1);
    return 0;
}

HBRUSH TWindowsGadget::BgBrush() { return _bgbrush; }

int TWindowsGadget::ShowBackground(int on) {
    DeleteMade(std::exchange(_bgbrush, nullptr));
    if (on)
        _bgbrush = Made(CreateSolidBrush(static_cast<COLORREF>(_bgcolor)));
    return 0;
}

int TWindowsGadget::isTabbable() {
    const LONG style = GetWindowLongW(_hwnd, GWL_STYLE);
    return (style & (WS_CHILD | WS_TABSTOP)) == (WS_CHILD | WS_TABSTOP) ? 1 : 0;
}

int TWindowsGadget::isControl() { return (GetWindowLongW(_hwnd, GWL_STYLE) & WS_CHILD) ? 1 : 0; }

int TWindowsGadget::RethinkClient(int) { return 0; }
LRESULT TWindowsGadget::OnNotify(WPARAM, LPARAM) { return 0; }
LRESULT TWindowsGadget::OnCommand(UINT, WPARAM) { return 0; }
int TWindowsGadget::OnDrawItem(const DRAWITEMSTRUCT&) { return 0; }

LRESULT TWindowsGadget::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_WINDOWPOSCHANGED)
        FlushBrushes(1);
    if (_proc && hwnd == _hwnd)
        return CallWindowProcW(_proc, hwnd, msg, wParam, lParam);
    return DefWindowProcW(hwnd, msg, wParam, lParam);
}

int TWindowsGadget::ShowElement(int show) {
    ShowWindow(_hwnd, show ? SW_SHOW : SW_HIDE);
    return 0;
}

int TWindowsGadget::FocusElement() {
    SetFocus(_hwnd);
    return 0;
}

int TWindowsGadget::ShowEnabled(int enabled) {
    const BOOL wasDisabled = EnableWindow(_hwnd, enabled);
    return (wasDisabled != 0) == (enabled == 0) ? 0 : 1;
}

int TWindowsGadget::Activate(int command) {
    switch (command) {
    case ActivateFocus:
        if (isTabbable()) {
            DefDlgProcW(GetParent(_hwnd), WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(_hwnd), 1);
            return 1;
        }
        SetFocus(_hwnd);
        return 0;
    // The window around the control moves the focus to the tab stop before or after it, as it
    // does for Shift+Tab and Tab; the focus itself may be in another window.
    case ActivateBack:
    case ActivateForward: {
        const HWND dialog = NavigationWindow(GetParent(_hwnd));
        if (const HWND next = GetNextDlgTabItem(dialog, _hwnd, command == ActivateBack))
            SendMessageW(dialog, WM_NEXTDLGCTL, reinterpret_cast<WPARAM>(next), 1);
        return 0;
    }
    case ActivateRedraw:
        RefreshLook();
        RedrawWindow(_hwnd, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
        return 0;
    default:
        return 0;
    }
}

int TWindowsGadget::RefreshLook() {
    FlushBrushes(0);
    for (const Ref<TWindowsGadget>& child : NativeKids(*this))
        child->RefreshLook();
    return 0;
}

} // namespace vandro

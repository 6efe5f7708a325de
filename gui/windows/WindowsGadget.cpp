#include "WindowsGadget.h"

#include "WindowsGUIDriver.h"

#include "gui/GadgetConstants.h"
#include "gui/GadgetEvents.h"
#include "gui/GadgetFunctions.h"
#include "gui/HotKey.h"
#include "gui/ToolkitStart.h"

#include <utility>
#include <vector>

namespace vandro {

namespace {

COLORREF Packed(int red, int green, int blue) {
    return static_cast<COLORREF>(RGB(red, green, blue));
}

bool HasToggleItems(int gadgetClass) {
    return gadgetClass == ClassListBox || gadgetClass == ClassTabber ||
           gadgetClass == ClassToolbar || gadgetClass == ClassComboBox;
}

// The children that are native gadgets, taken before any of them can leave the group.
std::vector<Ref<TWindowsGadget>> NativeKids(const TGadget& gadget) {
    std::vector<Ref<TWindowsGadget>> found;
    for (const Object& kid : gadget.kids->ToArray())
        if (auto child = Cast<TWindowsGadget>(kid))
            found.push_back(child);
    return found;
}

} // namespace

int TWindowsGadget::Query(int which) {
    switch (which) {
    case 1:
        return HandleValue(_hwnd);
    case 2:
        return HandleValue(_hwndclient ? _hwndclient : _hwnd);
    default:
        return 0;
    }
}

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

int TWindowsGadget::Free() {
    if (_tooltips) {
        TWindowsGUIDriver::RemoveHwnd(_tooltips);
        DestroyMadeWindow(std::exchange(_tooltips, nullptr));
    }
    SetTooltip(u"");
    // The registry may hold the last reference to this gadget.
    const Ref<TWindowsGadget> self(this);
    if (_hwnd) {
        DestroyMadeWindow(_hwnd);
        TWindowsGUIDriver::RemoveHwnd(std::exchange(_hwnd, nullptr));
    }
    if (_hwndclient)
        TWindowsGUIDriver::RemoveHwnd(std::exchange(_hwndclient, nullptr));
    FlushBrushes(0);
    if (_hotkey)
        UnbindHotKey(std::exchange(_hotkey, nullptr));
    if (_iconBitmap && DestroyIcon(_iconBitmap))
        ++WindowsDriver().gdiReleased;
    _iconBitmap = nullptr;
    DeleteMade(std::exchange(_bitmap, nullptr));
    DeleteMade(std::exchange(_bgbrush, nullptr));
    TWindowsGUIDriver::CloseThemeHandle(std::exchange(_hTheme, nullptr));
    _font = nullptr;
    _setparent(nullptr, -1);
    return 0;
}

int TWindowsGadget::State() {
    const LONG style = GetWindowLongW(_hwnd, GWL_STYLE);
    return ((style & WS_VISIBLE) ? 0 : StateHidden) | (_enabled ? 0 : StateDisabled);
}

int TWindowsGadget::SetText(const String& text) {
    DeSensitize();
    SetWindowTextW(_hwnd, Wide(text).c_str());
    Sensitize();
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

int TWindowsGadget::SetFont(const Ref<TGuiFont>& font) {
    const Ref<TWindowsFont> native = Cast<TWindowsFont>(font);
    _font = native ? native : WindowsDriver().DefaultGadgetFont;
    const Ref<TGuiFont>& sent = font ? font : Ref<TGuiFont>(_font);
    SendMessageW(_hwnd, WM_SETFONT, reinterpret_cast<WPARAM>(HandleFrom<HFONT>(sent->handle)), 1);
    return 0;
}

int TWindowsGadget::FgColor() { return _fgcolor; }
int TWindowsGadget::BgColor() { return _bgcolor; }
HBRUSH TWindowsGadget::BgBrush() { return _bgbrush; }

int TWindowsGadget::SetColor(int red, int green, int blue) {
    DeleteMade(_bgbrush);
    _bgcolor = static_cast<int>(Packed(red, green, blue));
    _bgbrush = Made(CreateSolidBrush(static_cast<COLORREF>(_bgcolor)));
    Activate(ActivateRedraw);
    return 0;
}

int TWindowsGadget::RemoveColor() {
    DeleteMade(std::exchange(_bgbrush, nullptr));
    Activate(ActivateRedraw);
    return 0;
}

int TWindowsGadget::SetTextColor(int red, int green, int blue) {
    _fgcolor = static_cast<int>(Packed(red, green, blue));
    Activate(ActivateRedraw);
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

int TWindowsGadget::Sensitize() {
    _sensitive = 1;
    return 0;
}

int TWindowsGadget::DeSensitize() {
    _sensitive = 0;
    return 0;
}

int TWindowsGadget::PostGuiEvent(int id, int data, int mods, int x, int y, const Object& extra) {
    if (HasToggleItems(_class) && data > -1 && (ItemFlags(data) & ItemFlagToggle))
        SelectItem(data, 2);
    if (_sensitive)
        EmitGadgetEvent(id, Ref<TGadget>(this), data, mods, x, y, extra);
    return 0;
}

int TWindowsGadget::SetShow(int show) {
    if (show) {
        ShowWindow(_hwnd, SW_SHOW);
        return 0;
    }
    const Ref<TGadget> focused = parent ? CurrentDriver()->ActiveGadget() : nullptr;
    const bool hadFocus = focused && (focused.get() == this || HasDescendant(focused));
    if (hadFocus)
        parent->Activate(ActivateFocus);
    ShowWindow(_hwnd, SW_HIDE);
    // The parent may have handed the focus straight back inside: a hidden control keeps no focus.
    HWND focus = GetFocus();
    if (hadFocus && focus && (focus == _hwnd || IsChild(_hwnd, focus)))
        SetFocus(HandleFrom<HWND>(parent->Query(2)));
    return 0;
}

int TWindowsGadget::SetEnabled(int enable) {
    _enabled = enable;
    const int effective = _forcedisable ? 0 : enable;
    const BOOL wasDisabled = EnableWindow(_hwnd, effective);
    if ((wasDisabled != 0) == (effective == 0))
        return 0;
    PassEnabledToKids(effective);
    return 0;
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
    // The window around the control moves the focus, as it does for Tab and Shift+Tab.
    case ActivateBack:
        SendMessageW(GetParent(_hwnd), WM_NEXTDLGCTL, 1, 0);
        return 0;
    case ActivateForward:
        SendMessageW(GetParent(_hwnd), WM_NEXTDLGCTL, 0, 0);
        return 0;
    case ActivateRedraw:
        RefreshLook();
        RedrawWindow(_hwnd, nullptr, nullptr,
                     RDW_INVALIDATE | RDW_ERASE | RDW_ALLCHILDREN | RDW_UPDATENOW | RDW_FRAME);
        return 0;
    default:
        return 0;
    }
}

int TWindowsGadget::SetHotKey(int key, int modifiers) {
    const Ref<TGadget> self(this);
    _hotkey =
        RebindHotKey(_hotkey, key, modifiers, TEvent::Create(GadgetAction, self, 0, 0, 0, 0, {}),
                     HandleValue(TWindowsGUIDriver::GadgetWindowHwnd(self)));
    return 0;
}

int TWindowsGadget::RefreshLook() {
    FlushBrushes(0);
    for (const Ref<TWindowsGadget>& child : NativeKids(*this))
        child->RefreshLook();
    return 0;
}

} // namespace vandro

// The user of the Win32 platform, for the tests that run on every platform: it clicks, chooses
// from menus and closes windows with real input and messages, and reads what the native
// controls show.
#include "WindowsUser.h"
#include "WindowsUserKinds.h"
#include "WindowsUserMenu.h"

#include "gui/windows/WindowsButton.h"
#include "gui/windows/WindowsGUIDriver.h"
#include "gui/windows/WindowsHTMLView.h"
#include "gui/windows/WindowsLabel.h"
#include "gui/windows/WindowsMenu.h"
#include "gui/windows/WindowsWindow.h"

#include "events/EventIds.h"
#include "events/EventQueue.h"
#include "events/System.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetCreation.h"
#include "gui/GadgetFunctions.h"
#include "gui/WindowFunctions.h"
#include "tests/support/PlatformUser.h"

#include <array>
#include <deque>

namespace vandro {

namespace {

// What the platform is given to take a key stroke before the user looks.
constexpr int kKeySettleMs = 40;

// What the user does once the program next waits, one action a wait.
struct WaitingActions {
    std::deque<std::function<void()>> actions;
    UINT_PTR timer = 0;
    bool running = false;
};

WaitingActions& Waiting() {
    static WaitingActions waiting;
    return waiting;
}

// The program waits when it pumps with nothing queued; an action's own pumping is no wait.
void CALLBACK RunWhenWaiting(HWND, UINT, UINT_PTR, DWORD) {
    WaitingActions& waiting = Waiting();
    if (waiting.running || !IsSystemPumping() || PeekEvent())
        return;
    if (waiting.actions.empty()) {
        KillTimer(nullptr, waiting.timer);
        waiting.timer = 0;
        return;
    }
    const std::function<void()> action = std::move(waiting.actions.front());
    waiting.actions.pop_front();
    waiting.running = true;
    action();
    waiting.running = false;
}

template <class T> Ref<T> Real(const Ref<TGadget>& gadget) { return Cast<T>(RealGadget(gadget)); }

// The width of the window's icon of that kind, 0 without one.
int IconWidth(HWND hwnd, WPARAM kind) {
    const auto icon = reinterpret_cast<HICON>(SendMessageW(hwnd, WM_GETICON, kind, 0));
    ICONINFO info{};
    if (!icon || !GetIconInfo(icon, &info))
        return 0;
    BITMAP bitmap{};
    GetObjectW(info.hbmColor ? info.hbmColor : info.hbmMask, sizeof bitmap, &bitmap);
    if (info.hbmColor)
        DeleteObject(info.hbmColor);
    if (info.hbmMask)
        DeleteObject(info.hbmMask);
    return bitmap.bmWidth;
}

std::array<int, 4> ScreenRect(HWND hwnd) {
    RECT rect{};
    GetWindowRect(hwnd, &rect);
    return {static_cast<int>(rect.left), static_cast<int>(rect.top),
            static_cast<int>(rect.right - rect.left), static_cast<int>(rect.bottom - rect.top)};
}

// The colours a label's parent gives it to paint with: the text colour, and the background
// when the brush is a solid colour (a transparent-looking label paints its parent's pattern).
struct LabelColours {
    int text = -1;
    int back = -1;
};

LabelColours ColoursOf(HWND label) {
    LabelColours colours;
    const HDC dc = CreateCompatibleDC(nullptr);
    // A colour the system never gives by itself: unchanged means the label keeps its own.
    constexpr COLORREF kUntouched = RGB(1, 2, 3);
    ::SetTextColor(dc, kUntouched);
    const auto brush = reinterpret_cast<HBRUSH>(SendMessageW(GetParent(label), WM_CTLCOLORSTATIC,
                                                             reinterpret_cast<WPARAM>(dc),
                                                             reinterpret_cast<LPARAM>(label)));
    if (GetTextColor(dc) != kUntouched)
        colours.text = static_cast<int>(GetTextColor(dc));
    LOGBRUSH look{};
    if (brush && GetObjectW(brush, sizeof(look), &look) && look.lbStyle == BS_SOLID)
        colours.back = static_cast<int>(look.lbColor);
    DeleteDC(dc);
    return colours;
}

bool OwnerDrawn(HWND button) {
    return (GetWindowLongW(button, GWL_STYLE) & BS_TYPEMASK) == BS_OWNERDRAW;
}

// The native item's whole text: its own, then its shortcut.
String NativeMenuText(const TWindowsMenu& item) {
    wchar_t text[256] = {};
    GetMenuStringW(item._pmenu, static_cast<UINT>(item._item), text, 256, MF_BYPOSITION);
    return FromWide(text);
}

// Whether the item's native text ends with its shortcut text.
bool ShowsShortcut(const TWindowsMenu& item, const String& shown) {
    const String& shortcut = item._shortcut;
    return !shortcut.empty() && shown.size() >= shortcut.size() &&
           shown.compare(shown.size() - shortcut.size(), String::npos, shortcut) == 0;
}

bool MenuShown(const TWindowsMenu& item) {
    const auto* above = dynamic_cast<const TWindowsMenu*>(item.parent);
    return above && above->_hmenu && item._pmenu == above->_hmenu && IsMenu(item._pmenu);
}

class TWindowsPlatformUser : public TPlatformUser {
  public:
    int PressButton(const Ref<TGadget>& button) override {
        const auto element = Real<TWindowsButton>(button);
        if (!element || !Reachable(element->_hwnd))
            return 0;
        ClickAt(GetAncestor(element->_hwnd, GA_ROOT), CentreOf(element->_hwnd));
        PumpUntilEmitted(GadgetAction, element);
        return 1;
    }

    int ChooseMenu(const Ref<TGadget>& item) override {
        return ChooseFromMenuBar(Cast<TWindowsMenu>(item));
    }

    int CloseWindow(const Ref<TGadget>& window) override {
        const auto frame = Real<TWindowsWindow>(window);
        if (!frame || !Reachable(frame->_hwnd))
            return 0;
        // What the close box asks of the window.
        PostMessageW(frame->_hwnd, WM_SYSCOMMAND, SC_CLOSE, 0);
        PumpUntilEmitted(WindowClose, frame);
        return 1;
    }

    int TypeText(const Ref<TGadget>& gadget, const String& text) override {
        return TypeIntoText(gadget, text);
    }
    int DragSlider(const Ref<TGadget>& slider, int toHigh) override {
        return DragSliderThumb(slider, toHigh);
    }
    int PressSliderArrow(const Ref<TGadget>& slider, int up) override {
        return ClickStepperArrow(slider, up);
    }

    void WhenWaiting(std::function<void()> action) override {
        WaitingActions& waiting = Waiting();
        waiting.actions.push_back(std::move(action));
        if (!waiting.timer)
            waiting.timer = SetTimer(nullptr, 0, 10, RunWhenWaiting);
    }

    int Exists(const Ref<TGadget>& gadget) override {
        if (const auto menu = Cast<TWindowsMenu>(gadget))
            return MenuShown(*menu) ? 1 : 0;
        return ElementOf(gadget) ? 1 : 0;
    }

    String ShownText(const Ref<TGadget>& gadget) override {
        if (const auto menu = Cast<TWindowsMenu>(gadget)) {
            if (!MenuShown(*menu))
                return {};
            // An item's own text may have a tab too (a right-hand column without a shortcut).
            const String shown = NativeMenuText(*menu);
            return ShowsShortcut(*menu, shown)
                       ? shown.substr(0, shown.size() - menu->_shortcut.size())
                       : shown;
        }
        const HWND hwnd = ElementOf(gadget);
        if (!hwnd)
            return {};
        if (String hidden = PasswordShown(hwnd); !hidden.empty())
            return hidden;
        wchar_t text[512] = {};
        GetWindowTextW(hwnd, text, 512);
        return FromWide(text);
    }

    int ShownTextColor(const Ref<TGadget>& gadget) override {
        const HWND hwnd = ElementOf(gadget);
        if (const auto button = Real<TWindowsButton>(gadget))
            return hwnd && OwnerDrawn(hwnd) ? button->FgColor() : -1;
        if (Real<TWindowsLabel>(gadget) && hwnd)
            return ColoursOf(hwnd).text;
        return -1;
    }

    int ShownBackColor(const Ref<TGadget>& gadget) override {
        const HWND hwnd = ElementOf(gadget);
        if (const auto button = Real<TWindowsButton>(gadget))
            return hwnd && OwnerDrawn(hwnd) && button->BgBrush() ? button->BgColor() : -1;
        if (Real<TWindowsLabel>(gadget) && hwnd)
            return ColoursOf(hwnd).back;
        return -1;
    }

    Ref<TGuiFont> ShownFont(const Ref<TGadget>& gadget) override {
        const auto element = Real<TWindowsGadget>(gadget);
        const HWND hwnd = ElementOf(gadget);
        if (!element || !hwnd || !element->_font)
            return nullptr;
        // The font the control was given is the one it draws with.
        const auto shown = reinterpret_cast<HFONT>(SendMessageW(hwnd, WM_GETFONT, 0, 0));
        return shown == Cast<TWindowsFont>(element->_font)->Hfont() ? element->_font : nullptr;
    }

    int ShownState(const Ref<TGadget>& gadget) override {
        if (const auto menu = Cast<TWindowsMenu>(gadget)) {
            if (!MenuShown(*menu))
                return StateHidden;
            const UINT state =
                GetMenuState(menu->_pmenu, static_cast<UINT>(menu->_item), MF_BYPOSITION);
            return ((state & MF_CHECKED) ? StateChecked : 0) |
                   ((state & (MF_GRAYED | MF_DISABLED)) ? StateDisabled : 0);
        }
        const HWND hwnd = ElementOf(gadget);
        if (!hwnd)
            return StateHidden;
        int state = 0;
        if (!(GetWindowLongW(hwnd, GWL_STYLE) & WS_VISIBLE))
            state |= StateHidden;
        if (!IsWindowEnabled(hwnd))
            state |= StateDisabled;
        if (IsIconic(hwnd))
            state |= StateMinimized;
        if (IsZoomed(hwnd))
            state |= StateMaximized;
        if (Real<TWindowsButton>(gadget)) {
            const LRESULT check = SendMessageW(hwnd, BM_GETCHECK, 0, 0);
            if (check == BST_CHECKED)
                state |= StateChecked;
            else if (check == BST_INDETERMINATE)
                state |= StateChecked | StateIndeterminate;
        }
        return state;
    }

    int ShownLabelStyle(const Ref<TGadget>& label) override {
        const HWND hwnd = Real<TWindowsLabel>(label) ? ElementOf(label) : nullptr;
        if (!hwnd)
            return 0;
        const LONG native = GetWindowLongW(hwnd, GWL_STYLE);
        const LONG type = native & SS_TYPEMASK;
        int style = type == SS_RIGHT    ? LabelRightAligned
                    : type == SS_CENTER ? LabelCentred
                                        : LabelLeftAligned;
        if (type == SS_GRAYRECT)
            style |= LabelSeparator;
        else if (native & SS_SUNKEN)
            style |= LabelSunkenFrame;
        else if (native & WS_BORDER)
            style |= LabelPlainFrame;
        return style;
    }

    std::vector<Ref<TGadget>> ShownMenuItems(const Ref<TGadget>& menu) override {
        std::vector<Ref<TGadget>> items;
        const auto node = Cast<TWindowsMenu>(menu);
        if (!node || !node->_hmenu || !IsMenu(node->_hmenu))
            return items;
        // In the order the native menu has them.
        const int count = GetMenuItemCount(node->_hmenu);
        for (int position = 0; position < count; ++position)
            for (const Object& kid : node->kids->ToArray())
                if (auto item = Cast<TWindowsMenu>(kid);
                    item && item->_pmenu == node->_hmenu && item->_item == position)
                    items.push_back(item);
        return items;
    }

    String ShownShortcut(const Ref<TGadget>& item) override {
        const auto menu = Cast<TWindowsMenu>(item);
        if (!menu || !MenuShown(*menu))
            return {};
        return ShowsShortcut(*menu, NativeMenuText(*menu)) ? menu->_shortcut : String();
    }

    int MenuTag(const Ref<TGadget>& item) override {
        const auto menu = Cast<TWindowsMenu>(item);
        return menu ? menu->_tag : 0;
    }

    String ShownStatusField(const Ref<TGadget>& window, int field) override {
        const auto frame = Real<TWindowsWindow>(window);
        if (!frame || !frame->_status || !IsWindow(frame->_status))
            return {};
        const auto length = LOWORD(SendMessageW(frame->_status, SB_GETTEXTLENGTHW, 0, 0));
        std::wstring text(static_cast<std::size_t>(length) + 1, L'\0');
        SendMessageW(frame->_status, SB_GETTEXTW, 0, reinterpret_cast<LPARAM>(text.data()));
        String shown = FromWide(text.c_str());
        // The status line aligns its text at tabs: left, centred after one, right after two.
        for (int tab = 0; tab < field; ++tab) {
            const std::size_t next = shown.find(u'\t');
            if (next == String::npos)
                return {};
            shown = shown.substr(next + 1);
        }
        return field == 2 ? shown : shown.substr(0, shown.find(u'\t'));
    }

    int ShownProgress(const Ref<TGadget>& bar) override { return ProgressShown(bar); }
    String ClipboardText() override { return ClipboardHeld(); }
    void PutOnClipboard(const String& text) override { HoldOnClipboard(text); }

    Ref<TGadget> ActiveWindow() override {
        // The platform's active window, not the one the driver last heard of.
        const auto active =
            Cast<TWindowsWindow>(TWindowsGUIDriver::GadgetFromHwnd(GetActiveWindow()));
        return active ? Ref<TGadget>(active) : nullptr;
    }

    int FollowLink(const Ref<TGadget>& view, const String& address) override {
        const auto element = Real<TWindowsHTMLView>(view);
        // The browser's own window covers the host, so the host is not what a click meets.
        if (!element || !element->browser || !IsWindowVisible(element->_hwnd) ||
            !IsWindowEnabled(element->_hwnd))
            return 0;
        // The browser navigates by itself, as for a click in its page, not through the view.
        BSTR url = SysAllocString(Wide(address).c_str());
        VARIANT target{};
        target.vt = VT_BSTR;
        target.bstrVal = url;
        VARIANT empty{};
        element->browser->Navigate2(&target, &empty, &empty, &empty, &empty);
        SysFreeString(url);
        PumpFor(300);
        return 1;
    }

    void PickFromNextPopup(const Ref<TGadget>& item) override {
        const auto chosen = Cast<TWindowsMenu>(item);
        if (!chosen || !chosen->parent)
            return;
        // The keys wait in the queue for the pop-up's own loop: each Down moves to the next
        // item that can be chosen (past separators), Return chooses.
        int downs = 1;
        for (const Object& kid : chosen->parent->kids->ToArray()) {
            if (kid == Object(chosen))
                break;
            if (!Cast<TGadget>(kid)->GetText().empty())
                ++downs;
        }
        for (int down = 0; down < downs; ++down)
            TypeKey(VK_DOWN);
        TypeKey(VK_RETURN);
    }

    void AwaitDrawing(const Ref<TGadget>& gadget) override {
        if (const HWND hwnd = ElementOf(gadget))
            RedrawWindow(GetAncestor(hwnd, GA_ROOT), nullptr, nullptr,
                         RDW_UPDATENOW | RDW_ALLCHILDREN);
        PumpPending();
    }
    int RightClickText(const Ref<TGadget>& area) override { return RightClickIntoText(area); }
    int PressKey(int key, int modifiers) override {
        // The keys go to the window in the foreground: the user looks at the one with the focus.
        if (const HWND focus = GetFocus();
            focus && GetForegroundWindow() != GetAncestor(focus, GA_ROOT)) {
            SetForegroundWindow(GetAncestor(focus, GA_ROOT));
            PumpPending();
        }
        TypeKey(static_cast<WORD>(key), modifiers);
        PumpFor(kKeySettleMs);
        return 1;
    }
    Ref<TGadget> FocusedElement() override {
        for (HWND hwnd = GetFocus(); hwnd; hwnd = GetParent(hwnd))
            if (const auto gadget = TWindowsGUIDriver::GadgetFromHwnd(hwnd))
                return FindOutermostGadget(gadget);
        return {};
    }
    String ShownTooltip(const Ref<TGadget>& gadget) override {
        const auto element = Cast<TWindowsGadget>(RealGadget(gadget));
        if (!element || !element->_hwnd)
            return {};
        wchar_t text[1024] = L"";
        TOOLINFOW tool{};
        tool.cbSize = TTTOOLINFOW_V2_SIZE;
        tool.hwnd = GetParent(element->_hwnd);
        tool.uId = reinterpret_cast<UINT_PTR>(element->_hwnd);
        tool.lpszText = text;
        const HWND shared = WindowsDriver().ToolTipHwnd;
        if (!SendMessageW(shared, TTM_GETTOOLINFOW, 0, reinterpret_cast<LPARAM>(&tool)))
            return {};
        tool.lpszText = text;
        SendMessageW(shared, TTM_GETTEXTW, 1024, reinterpret_cast<LPARAM>(&tool));
        String shown;
        for (const wchar_t* at = text; *at; ++at)
            if (*at != L'\r')
                shown += static_cast<char16_t>(*at);
        return shown;
    }

    // The system raises what a window's change raises before the call that made it returns;
    // what it posts comes within a few messages.
    void Settle() override { PumpFor(50); }

    // Where the system puts the frame at the end of the user's drag.
    int MoveWindowFrame(const Ref<TGadget>& window, int x, int y) override {
        const auto frame = Real<TWindowsWindow>(window);
        if (!frame || !Reachable(frame->_hwnd))
            return 0;
        int w = GadgetWidth(frame), h = GadgetHeight(frame);
        if (frame->style & WindowClientCoords)
            WindowFrameRect(frame, x, y, w, h);
        SetWindowPos(frame->_hwnd, nullptr, x, y, 0, 0, SWP_NOSIZE | SWP_NOZORDER | SWP_NOACTIVATE);
        PumpUntilEmitted(WindowMove, frame);
        return 1;
    }

    int SizeWindowFrame(const Ref<TGadget>& window, int w, int h) override {
        const auto frame = Real<TWindowsWindow>(window);
        if (!frame || !Reachable(frame->_hwnd))
            return 0;
        int x = GadgetX(frame), y = GadgetY(frame);
        if (frame->style & WindowClientCoords)
            WindowFrameRect(frame, x, y, w, h);
        SetWindowPos(frame->_hwnd, nullptr, 0, 0, w, h, SWP_NOMOVE | SWP_NOZORDER | SWP_NOACTIVATE);
        PumpPending();
        return 1;
    }

    std::array<int, 4> ShownFrame(const Ref<TGadget>& window) override {
        const auto frame = Real<TWindowsWindow>(window);
        return frame && frame->_hwnd ? ScreenRect(frame->_hwnd) : std::array<int, 4>{};
    }

    std::array<int, 4> ShownClientArea(const Ref<TGadget>& window) override {
        const auto frame = Real<TWindowsWindow>(window);
        return frame && frame->_hwndclient ? ScreenRect(frame->_hwndclient) : std::array<int, 4>{};
    }

    int ShownAlpha(const Ref<TGadget>& window) override {
        const auto frame = Real<TWindowsWindow>(window);
        if (!frame || !frame->_hwnd)
            return 0;
        BYTE alpha = 255;
        DWORD flags = 0;
        if ((GetWindowLongW(frame->_hwnd, GWL_EXSTYLE) & WS_EX_LAYERED) &&
            GetLayeredWindowAttributes(frame->_hwnd, nullptr, &alpha, &flags) &&
            (flags & LWA_ALPHA))
            return alpha;
        return 255;
    }

    std::vector<int> ShownIconWidths(const Ref<TGadget>& window) override {
        const auto frame = Real<TWindowsWindow>(window);
        std::vector<int> widths;
        for (const WPARAM kind : {ICON_SMALL, ICON_BIG})
            if (const int width = frame && frame->_hwnd ? IconWidth(frame->_hwnd, kind) : 0)
                widths.push_back(width);
        return widths;
    }

    int ShownPointer(const Ref<TGadget>& window) override {
        const HWND hwnd = ElementOf(window);
        if (!hwnd)
            return 0;
        // What the window sets when the pointer moves over its client area.
        SendMessageW(hwnd, WM_SETCURSOR, reinterpret_cast<WPARAM>(hwnd),
                     MAKELPARAM(HTCLIENT, WM_MOUSEMOVE));
        const HCURSOR shown = GetCursor();
        const std::array<LPCWSTR, 14> shapes{
            IDC_ARROW,    IDC_IBEAM,    IDC_WAIT,        IDC_CROSS,  IDC_UPARROW,
            IDC_SIZENWSE, IDC_SIZENESW, IDC_SIZEWE,      IDC_SIZENS, IDC_SIZEALL,
            IDC_NO,       IDC_HAND,     IDC_APPSTARTING, IDC_HELP};
        for (std::size_t shape = 0; shape < shapes.size(); ++shape)
            if (shown == LoadCursorW(nullptr, shapes[shape]))
                return static_cast<int>(shape) + 1;
        return 0;
    }
    String PlatformUserName() override {
        wchar_t name[256] = L"";
        DWORD length = 256;
        return GetUserNameW(name, &length) ? FromWide(name) : String();
    }
    String PlatformComputerName() override {
        // The domain the user logged on to; on a machine outside a domain, the machine itself.
        wchar_t name[256] = L"";
        if (GetEnvironmentVariableW(L"USERDOMAIN", name, 256))
            return FromWide(name);
        DWORD length = 256;
        return GetComputerNameW(name, &length) ? FromWide(name) : String();
    }
};

} // namespace

const Ref<TPlatformUser>& PlatformUser() {
    static const Ref<TPlatformUser> user = New<TWindowsPlatformUser>();
    return user;
}

} // namespace vandro

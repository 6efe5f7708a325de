#include "WindowsToolbar.h"

#include "WindowsGUIDriver.h"
#include "WindowsIconStrip.h"
#include "WindowsWindow.h"

#include "events/EventIds.h"
#include "events/windows/Win32Dpi.h"
#include "gui/GadgetConstants.h"

namespace vandro {

namespace {

// WS_CHILD, WS_CLIPSIBLINGS, TBSTYLE_FLAT, TBSTYLE_TRANSPARENT.
constexpr DWORD kBarStyle = 0x44008800;
constexpr DWORD kBarExStyle = WS_EX_TOOLWINDOW | WS_EX_NOPARENTNOTIFY;
constexpr int kSeparatorIcon = -2;
// At 96 DPI: the icon without a strip, and the padding round it, the system's own there. The
// padding grows with the resolution, as the icons do.
constexpr int kIconSize = 16;
constexpr int kPaddingX = 7;
constexpr int kPaddingY = 6;

} // namespace

Ref<TWindowsGadget> TWindowsToolbar::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    // The bar sits in the window itself, above the client area it moves down.
    const HWND parent = group ? HandleFrom<HWND>(group->Query(1)) : nullptr;
    const HWND hwnd =
        MadeWindow(CreateWindowExW(kBarExStyle, TOOLBARCLASSNAMEW, L"", kBarStyle, 0, 0, 0, 0,
                                   parent, nullptr, GetModuleHandleW(nullptr), nullptr));
    SendMessageW(hwnd, TB_BUTTONSTRUCTSIZE, sizeof(TBBUTTON), 0);
    Register(ClassToolbar, hwnd, nullptr, 1);
    return Ref<TWindowsGadget>(this);
}

TWindowsGadget* TWindowsToolbar::Window() const { return dynamic_cast<TWindowsGadget*>(parent); }

void TWindowsToolbar::Fit() {
    ScaleButtons();
    SendMessageW(_hwnd, TB_AUTOSIZE, 0, 0);
    TWindowsGadget* window = Window();
    if (!window)
        return;
    RECT bar{};
    GetWindowRect(_hwnd, &bar);
    const int pixels = static_cast<int>(bar.bottom - bar.top);
    TakeBarSize(window->ClientWidth(), ToUnits(pixels, WindowDpi(_hwnd)));
    const bool shown = (GetWindowLongW(_hwnd, GWL_STYLE) & WS_VISIBLE) != 0;
    const int height = shown ? pixels : 0;
    if (window->_clientY != height)
        SetAside(*window, height);
}

SIZE TWindowsToolbar::ButtonSize(int dpi) const {
    int w = ToDevice(kIconSize, dpi), h = w;
    if (const HIMAGELIST icons = ImageListOf(_icons, dpi))
        ImageList_GetIconSize(icons, &w, &h);
    return SIZE{w + ToDevice(kPaddingX, dpi), h + ToDevice(kPaddingY, dpi)};
}

void TWindowsToolbar::ScaleButtons() {
    // The window may have moved to a monitor of another resolution since the icons were shown.
    const int dpi = WindowDpi(_hwnd);
    const HIMAGELIST icons = ImageListOf(_icons, dpi);
    if (reinterpret_cast<HIMAGELIST>(SendMessageW(_hwnd, TB_GETIMAGELIST, 0, 0)) != icons)
        SendMessageW(_hwnd, TB_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(icons));
    const SIZE button = ButtonSize(dpi);
    SendMessageW(_hwnd, TB_SETBUTTONSIZE, 0, MAKELPARAM(button.cx, button.cy));
}

int TWindowsToolbar::HeightForDpi(int dpi) {
    if (!(GetWindowLongW(_hwnd, GWL_STYLE) & WS_VISIBLE))
        return 0;
    // The bar's own edges stay as they are; its buttons follow the resolution.
    RECT bar{};
    GetWindowRect(_hwnd, &bar);
    const auto now = static_cast<DWORD>(SendMessageW(_hwnd, TB_GETBUTTONSIZE, 0, 0));
    return static_cast<int>(bar.bottom - bar.top) - HIWORD(now) + ButtonSize(dpi).cy;
}

void TWindowsToolbar::SetAside(TWindowsGadget& window, int height) {
    if (auto* frame = dynamic_cast<TWindowsWindow*>(&window)) {
        frame->SetToolbarRoom(height);
        return;
    }
    window._clientY = height;
    window.RethinkClient(1);
}

int TWindowsToolbar::Free() {
    TWindowsGadget* window = Window();
    const int answer = TPlatformItemGadget::Free();
    if (window)
        SetAside(*window, 0);
    return answer;
}

void TWindowsToolbar::ShowIconStrip() { Fit(); }

void TWindowsToolbar::Renumber() {
    const int count = static_cast<int>(SendMessageW(_hwnd, TB_BUTTONCOUNT, 0, 0));
    for (int i = 0; i < count; ++i)
        SendMessageW(_hwnd, TB_SETCMDID, static_cast<WPARAM>(i), static_cast<LPARAM>(i + 1));
    TOOLINFOW tool{sizeof(TOOLINFOW)};
    while (SendMessageW(_tooltips, TTM_ENUMTOOLSW, 0, reinterpret_cast<LPARAM>(&tool)))
        SendMessageW(_tooltips, TTM_DELTOOLW, 0, reinterpret_cast<LPARAM>(&tool));
    for (int i = 0; i < count && i < ItemCount(); ++i) {
        if (ItemTip(i).empty())
            continue;
        TOOLINFOW tip{sizeof(TOOLINFOW)};
        tip.uFlags = TTF_SUBCLASS;
        tip.hwnd = _hwnd;
        tip.uId = static_cast<UINT_PTR>(i + 1);
        tip.lpszText = LPSTR_TEXTCALLBACKW;
        SendMessageW(_hwnd, TB_GETITEMRECT, static_cast<WPARAM>(i),
                     reinterpret_cast<LPARAM>(&tip.rect));
        SendMessageW(_tooltips, TTM_ADDTOOLW, 0, reinterpret_cast<LPARAM>(&tip));
    }
}

void TWindowsToolbar::ClearNativeItems() {
    DeSensitize();
    while (SendMessageW(_hwnd, TB_DELETEBUTTON, 0, 0)) {
    }
    Sensitize();
    Renumber();
    Fit();
}

bool TWindowsToolbar::IsSeparatorIcon(int icon) const {
    const Ref<TWindowsIconStrip> icons = Cast<TWindowsIconStrip>(_icons);
    return icon == kSeparatorIcon || (icons && icons->IsBlankIcon(icon));
}

void TWindowsToolbar::ShowNativeItem(int index, bool added, const String&, const String&,
                                     int icon) {
    TBBUTTON button{};
    button.fsState = TBSTATE_ENABLED;
    if (!added) {
        SendMessageW(_hwnd, TB_GETBUTTON, static_cast<WPARAM>(index),
                     reinterpret_cast<LPARAM>(&button));
        if (((button.fsStyle & BTNS_SEP) != 0) == IsSeparatorIcon(icon)) {
            TBBUTTONINFOW info{sizeof(TBBUTTONINFOW)};
            info.dwMask = TBIF_IMAGE | TBIF_BYINDEX;
            info.iImage = icon < 0 ? I_IMAGENONE : icon;
            SendMessageW(_hwnd, TB_SETBUTTONINFOW, static_cast<WPARAM>(index),
                         reinterpret_cast<LPARAM>(&info));
            Renumber();
            return;
        }
        // A separator keeps its width where a button keeps its image: a new button of the other
        // kind, with the same states, takes its place.
        DeSensitize();
        SendMessageW(_hwnd, TB_DELETEBUTTON, static_cast<WPARAM>(index), 0);
        Sensitize();
    }
    const bool separator = IsSeparatorIcon(icon);
    button.iBitmap = separator ? 0 : icon;
    button.idCommand = index + 1;
    button.fsStyle = separator ? BTNS_SEP : BTNS_BUTTON;
    DeSensitize();
    SendMessageW(_hwnd, TB_INSERTBUTTONW, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&button));
    Sensitize();
    Renumber();
    Fit();
}

void TWindowsToolbar::RemoveNativeItem(int index) {
    DeSensitize();
    SendMessageW(_hwnd, TB_DELETEBUTTON, static_cast<WPARAM>(index), 0);
    Sensitize();
    Renumber();
    Fit();
}

void TWindowsToolbar::ShowItemState(int index, int state) {
    const auto id = static_cast<WPARAM>(index + 1);
    SendMessageW(_hwnd, TB_ENABLEBUTTON, id, (state & ItemStateDisabled) ? FALSE : TRUE);
    SendMessageW(_hwnd, TB_CHECKBUTTON, id, (state & ItemStateSelected) ? TRUE : FALSE);
}

int TWindowsToolbar::NativeItemState(int index) {
    const auto native = SendMessageW(_hwnd, TB_GETSTATE, static_cast<WPARAM>(index + 1), 0);
    if (native == -1)
        return 0;
    return ((native & TBSTATE_ENABLED) ? 0 : ItemStateDisabled) |
           ((native & TBSTATE_CHECKED) ? ItemStateSelected : 0);
}

LRESULT TWindowsToolbar::OnCommand(UINT msg, WPARAM wParam) {
    if (msg != WM_COMMAND)
        return 0;
    const int index = LOWORD(wParam) - 1;
    if (index < 0 || index >= ItemCount())
        return 0;
    PostGuiEvent(GadgetAction, index, 0, 0, 0, ExtraOfItem(index));
    return 1;
}

LRESULT TWindowsToolbar::OnNotify(WPARAM, LPARAM lParam) {
    auto* tip = reinterpret_cast<NMTTDISPINFOW*>(lParam);
    if (tip->hdr.code != TTN_GETDISPINFOW)
        return 0;
    const int index = static_cast<int>(tip->hdr.idFrom) - 1;
    _tipbuffer.clear();
    if (index >= 0 && index < ItemCount())
        _tipbuffer = Wide(ShownItemText(index, ItemTip(index)));
    tip->lpszText = const_cast<wchar_t*>(_tipbuffer.c_str());
    return 0;
}

} // namespace vandro

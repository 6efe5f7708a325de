#include "WindowsTabber.h"

#include "WindowsGUIDriver.h"
#include "WindowsIconStrip.h"

#include "events/EventIds.h"
#include "events/windows/Win32Dpi.h"
#include "gui/GadgetConstants.h"

#include <algorithm>

namespace vandro {

namespace {

// WS_CHILD, WS_CLIPSIBLINGS, WS_CLIPCHILDREN, WS_TABSTOP, TCS_TOOLTIPS, TCS_HOTTRACK.
constexpr DWORD kTabStyle = 0x46018040;
// The page area: WS_CHILD, WS_VISIBLE, WS_CLIPSIBLINGS, WS_CLIPCHILDREN.
constexpr DWORD kPageStyle = 0x56000000;

} // namespace

Ref<TWindowsGadget> TWindowsTabber::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    const HWND parent = group ? HandleFrom<HWND>(group->Query(2)) : nullptr;
    const HMODULE module = GetModuleHandleW(nullptr);
    const HWND tabs =
        MadeWindow(CreateWindowExW(WS_EX_CONTROLPARENT, WC_TABCONTROLW, L"", kTabStyle, 0, 0, 0, 0,
                                   parent, nullptr, module, nullptr));
    const std::wstring className = Wide(TWindowsGUIDriver::ClassName());
    const HWND page =
        MadeWindow(CreateWindowExW(WS_EX_CONTROLPARENT, className.c_str(), L"", kPageStyle, 0, 0, 0,
                                   0, tabs, nullptr, module, nullptr));
    Register(ClassTabber, tabs, page, 1);
    SendMessageW(tabs, TCM_SETTOOLTIPS, reinterpret_cast<WPARAM>(_tooltips), 0);
    ShowPlaceholder();
    return Ref<TWindowsGadget>(this);
}

int TWindowsTabber::Free() {
    // The control would take the page area with it, uncounted.
    if (_hwndclient)
        DestroyMadeWindow(_hwndclient);
    return TPlatformItemGadget::Free();
}

RECT TWindowsTabber::PageRect(int w, int h) {
    RECT rect{0, 0, w, h};
    SendMessageW(_hwnd, TCM_ADJUSTRECT, FALSE, reinterpret_cast<LPARAM>(&rect));
    return rect;
}

RECT TWindowsTabber::PageRectInUnits() {
    // The control measures its tabs in the pixels of the window's resolution.
    const int dpi = WindowDpi(_hwnd);
    return ToUnits(PageRect(ToDevice(width, dpi), ToDevice(height, dpi)), dpi);
}

int TWindowsTabber::ClientWidth() {
    const RECT rect = PageRectInUnits();
    return std::max(0, static_cast<int>(rect.right - rect.left));
}

int TWindowsTabber::ClientHeight() {
    const RECT rect = PageRectInUnits();
    return std::max(0, static_cast<int>(rect.bottom - rect.top));
}

int TWindowsTabber::RethinkClient(int redraw) {
    RECT client{};
    GetClientRect(_hwnd, &client);
    const RECT rect = PageRect(client.right, client.bottom);
    MoveWindow(_hwndclient, rect.left, rect.top, std::max(0L, rect.right - rect.left),
               std::max(0L, rect.bottom - rect.top), redraw);
    return 0;
}

void TWindowsTabber::ShowIconStrip() {
    SendMessageW(_hwnd, TCM_SETIMAGELIST, 0,
                 reinterpret_cast<LPARAM>(ImageListOf(_icons, WindowDpi(_hwnd))));
    RethinkClient(1);
}

void TWindowsTabber::SendTab(UINT message, int index, const std::wstring& text, int icon) {
    TCITEMW item{};
    item.mask = TCIF_TEXT | TCIF_IMAGE;
    item.pszText = const_cast<wchar_t*>(text.c_str());
    item.iImage = icon;
    DeSensitize();
    SendMessageW(_hwnd, message, static_cast<WPARAM>(index), reinterpret_cast<LPARAM>(&item));
    Sensitize();
}

void TWindowsTabber::ShowPlaceholder() {
    SendTab(TCM_INSERTITEMW, 0, _blank, -1);
    _selected = -1;
}

void TWindowsTabber::ClearNativeItems() {
    DeSensitize();
    SendMessageW(_hwnd, TCM_DELETEALLITEMS, 0, 0);
    Sensitize();
    ShowPlaceholder();
    RethinkClient(1);
}

void TWindowsTabber::ShowNativeItem(int index, bool added, const String& text, const String&,
                                    int icon) {
    // The first real tab takes the placeholder's place.
    if (added && ShownItemCount() == 1) {
        DeSensitize();
        SendMessageW(_hwnd, TCM_DELETEALLITEMS, 0, 0);
        Sensitize();
    }
    SendTab(added ? TCM_INSERTITEMW : TCM_SETITEMW, index, Wide(text), icon);
    if (added)
        SettleCurrentTab();
    RethinkClient(1);
}

void TWindowsTabber::RemoveNativeItem(int index) {
    DeSensitize();
    SendMessageW(_hwnd, TCM_DELETEITEM, static_cast<WPARAM>(index), 0);
    Sensitize();
    if (ShownItemCount() == 0)
        ShowPlaceholder();
    SettleCurrentTab();
    RethinkClient(1);
}

void TWindowsTabber::ShowCurrentTab(int index) {
    DeSensitize();
    SendMessageW(_hwnd, TCM_SETCURSEL, static_cast<WPARAM>(index), 0);
    Sensitize();
}

int TWindowsTabber::NativeCurrentTab() {
    return static_cast<int>(SendMessageW(_hwnd, TCM_GETCURSEL, 0, 0));
}

LRESULT TWindowsTabber::OnNotify(WPARAM, LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    switch (header->code) {
    case TCN_SELCHANGE:
        UserChoseTab(NativeCurrentTab());
        return 0;
    case NM_RCLICK: {
        TCHITTESTINFO hit{};
        ::GetCursorPos(&hit.pt);
        ScreenToClient(_hwnd, &hit.pt);
        const int index =
            static_cast<int>(SendMessageW(_hwnd, TCM_HITTEST, 0, reinterpret_cast<LPARAM>(&hit)));
        const POINT at = UnitsOfPoint(_hwnd, hit.pt);
        if (index >= 0 && index < ShownItemCount())
            PostGuiEvent(GadgetMenu, index, 0, at.x, at.y, ExtraOfItem(index));
        return 0;
    }
    case TTN_GETDISPINFOW: {
        auto* tip = reinterpret_cast<NMTTDISPINFOW*>(lParam);
        const int index = static_cast<int>(header->idFrom);
        _tipbuffer.clear();
        if (index >= 0 && index < ShownItemCount() && index < ItemCount())
            _tipbuffer = Wide(ShownItemText(index, ItemTip(index)));
        tip->lpszText = const_cast<wchar_t*>(_tipbuffer.c_str());
        return 0;
    }
    default:
        return 0;
    }
}

} // namespace vandro

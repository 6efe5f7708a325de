#include "WindowsListBox.h"

#include "WindowsBindings.h"
#include "WindowsGUIDriver.h"

#include "events/EventIds.h"
#include "events/windows/Win32Dpi.h"
#include "gui/GadgetConstants.h"

#include <algorithm>
#include <utility>

namespace vandro {

namespace {

// WS_CHILD, WS_CLIPSIBLINGS, WS_TABSTOP with the report view's own bits.
constexpr DWORD kListStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_TABSTOP | LVS_REPORT |
                             LVS_SHOWSELALWAYS | LVS_SHAREIMAGELISTS | LVS_NOCOLUMNHEADER;

} // namespace

int UseExplorerTheme(HWND hwnd) {
    const auto& setTheme = Bindings().SetWindowTheme;
    if (!WindowsDriver().ExplorerStyle || setTheme.IsNull())
        return 0;
    setTheme(hwnd, WindowsDriver().explorerTheme.c_str(), nullptr);
    return 1;
}

Ref<TWindowsGadget> TWindowsListBox::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    const DWORD native = kListStyle | ((style & ListBoxMultipleSelection) ? 0 : LVS_SINGLESEL);
    const HWND parent = group ? HandleFrom<HWND>(group->Query(2)) : nullptr;
    const HWND hwnd =
        MadeWindow(CreateWindowExW(WS_EX_CLIENTEDGE, WC_LISTVIEWW, L"", native, 0, 0, 0, 0, parent,
                                   nullptr, GetModuleHandleW(nullptr), nullptr));
    DWORD extended = LVS_EX_FULLROWSELECT | LVS_EX_INFOTIP;
    if (TWindowsGUIDriver::CheckCommonControlVersion() >= 1)
        extended |= LVS_EX_DOUBLEBUFFER;
    SendMessageW(hwnd, LVM_SETEXTENDEDLISTVIEWSTYLE, extended, extended);
    LVCOLUMNW column{};
    column.mask = LVCF_WIDTH;
    column.cx = 100;
    SendMessageW(hwnd, LVM_INSERTCOLUMNW, 0, reinterpret_cast<LPARAM>(&column));
    UseExplorerTheme(hwnd);
    Register(ClassListBox, hwnd, nullptr, 0);
    SetIconStrip(nullptr);
    return Ref<TWindowsGadget>(this);
}

void TWindowsListBox::ShowIconStrip() {
    _shownicons = Cast<TWindowsIconStrip>(_icons);
    if (!_shownicons)
        _shownicons = TWindowsIconStrip::CreateBlank();
    SendMessageW(_hwnd, LVM_SETIMAGELIST, LVSIL_SMALL,
                 reinterpret_cast<LPARAM>(_shownicons->ImageListAt(WindowDpi(_hwnd))));
}

int TWindowsListBox::SendItem(UINT message, int index, const String& text, int icon) {
    const std::wstring wide = Wide(text);
    LVITEMW item{};
    item.mask = LVIF_TEXT | LVIF_IMAGE | LVIF_DI_SETITEM;
    item.iItem = index;
    item.pszText = const_cast<wchar_t*>(wide.c_str());
    item.iImage = icon;
    DeSensitize();
    const auto answer =
        static_cast<int>(SendMessageW(_hwnd, message, 0, reinterpret_cast<LPARAM>(&item)));
    Sensitize();
    return answer;
}

void TWindowsListBox::FitColumn() {
    SendMessageW(_hwnd, LVM_SETCOLUMNWIDTH, 0, LVSCW_AUTOSIZE_USEHEADER);
}

void TWindowsListBox::ClearNativeItems() {
    DeSensitize();
    SendMessageW(_hwnd, LVM_DELETEALLITEMS, 0, 0);
    Sensitize();
    _selected = -1;
}

void TWindowsListBox::ShowNativeItem(int index, bool added, const String& text, const String&,
                                     int icon) {
    SendItem(added ? LVM_INSERTITEMW : LVM_SETITEMW, index, text, icon);
    if (!added)
        return;
    FitColumn();
    SettleSelection(false);
}

void TWindowsListBox::RemoveNativeItem(int index) {
    DeSensitize();
    SendMessageW(_hwnd, LVM_DELETEITEM, static_cast<WPARAM>(index), 0);
    Sensitize();
    FitColumn();
    SettleSelection(false);
}

void TWindowsListBox::ShowItemState(int index, int state) {
    LVITEMW item{};
    item.stateMask = LVIS_SELECTED;
    item.state = (state & ItemStateSelected) ? LVIS_SELECTED : 0;
    DeSensitize();
    SendMessageW(_hwnd, LVM_SETITEMSTATE, static_cast<WPARAM>(index),
                 reinterpret_cast<LPARAM>(&item));
    if (state & ItemStateSelected)
        SendMessageW(_hwnd, LVM_ENSUREVISIBLE, static_cast<WPARAM>(index), FALSE);
    Sensitize();
    SettleSelection(false);
}

int TWindowsListBox::NativeItemState(int index) {
    const auto state =
        SendMessageW(_hwnd, LVM_GETITEMSTATE, static_cast<WPARAM>(index), LVIS_SELECTED);
    return (state & LVIS_SELECTED) ? ItemStateSelected : 0;
}

int TWindowsListBox::NativeSelectedItem() {
    return static_cast<int>(
        SendMessageW(_hwnd, LVM_GETNEXTITEM, static_cast<WPARAM>(-1), LVNI_SELECTED));
}

LRESULT TWindowsListBox::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (hwnd != _hwnd)
        return TWindowsGadget::WndProc(hwnd, msg, wParam, lParam);
    switch (msg) {
    case kListSelectionMessage:
        if (_rightclick)
            _heldsettle = true;
        else
            SettleSelection(true);
        return 0;
    case WM_RBUTTONDOWN: {
        // The control selects the item under the pointer before it reports the click; the
        // program hears of the menu first, then of the selection.
        _rightclick = true;
        const LRESULT result = TWindowsGadget::WndProc(hwnd, msg, wParam, lParam);
        if (!(GetKeyState(VK_RBUTTON) & 0x8000))
            EndRightClick();
        return result;
    }
    case WM_RBUTTONUP: {
        const LRESULT result = TWindowsGadget::WndProc(hwnd, msg, wParam, lParam);
        EndRightClick();
        return result;
    }
    default:
        return TWindowsGadget::WndProc(hwnd, msg, wParam, lParam);
    }
}

void TWindowsListBox::EndRightClick() {
    _rightclick = false;
    if (std::exchange(_heldsettle, false))
        SettleSelection(true);
}

LRESULT TWindowsListBox::OnNotify(WPARAM, LPARAM lParam) {
    const auto* header = reinterpret_cast<const NMHDR*>(lParam);
    switch (header->code) {
    case LVN_ITEMCHANGED: {
        const auto* change = reinterpret_cast<const NMLISTVIEW*>(lParam);
        if ((change->uChanged & LVIF_STATE) && _sensitive)
            PostMessageW(_hwnd, kListSelectionMessage, 0, 0);
        return 0;
    }
    case NM_CLICK: {
        const auto* click = reinterpret_cast<const NMITEMACTIVATE*>(lParam);
        if (click->iItem == -1 && _selected != -1 && !(style & ListBoxMultipleSelection)) {
            _selected = -1;
            PostGuiEvent(GadgetSelect, -1, 0, 0, 0, {});
        }
        return 0;
    }
    case NM_DBLCLK: {
        const auto* click = reinterpret_cast<const NMITEMACTIVATE*>(lParam);
        PostGuiEvent(GadgetAction, click->iItem, 0, 0, 0, ExtraOfItem(click->iItem));
        return 0;
    }
    case NM_RCLICK: {
        const auto* click = reinterpret_cast<const NMITEMACTIVATE*>(lParam);
        const POINT at = UnitsOfPoint(_hwnd, click->ptAction);
        PostGuiEvent(GadgetMenu, click->iItem, 0, at.x, at.y, ExtraOfItem(click->iItem));
        EndRightClick();
        return 0;
    }
    case LVN_GETINFOTIPW: {
        auto* tip = reinterpret_cast<NMLVGETINFOTIPW*>(lParam);
        if (tip->iItem < 0 || tip->iItem >= ItemCount() || tip->cchTextMax <= 0)
            return 0;
        const std::wstring text = Wide(ShownItemText(tip->iItem, ItemTip(tip->iItem)));
        const std::size_t room = static_cast<std::size_t>(tip->cchTextMax) - 1;
        const std::size_t length = std::min(room, text.size());
        text.copy(tip->pszText, length);
        tip->pszText[length] = L'\0';
        return 0;
    }
    default:
        return 0;
    }
}

} // namespace vandro

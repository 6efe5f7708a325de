#include "WindowsComboBox.h"

#include "WindowsGUIDriver.h"
#include "WindowsIconStrip.h"

#include "events/windows/Win32Dpi.h"
#include "gui/GadgetConstants.h"

#include <utility>

namespace vandro {

namespace {

// WS_CHILD, WS_CLIPSIBLINGS, WS_CLIPCHILDREN, WS_TABSTOP, CBS_AUTOHSCROLL.
constexpr DWORD kComboStyle = 0x46010040;
constexpr int kDropHeight = 180;

void AddTabStop(HWND hwnd) {
    SetWindowLongW(hwnd, GWL_STYLE, GetWindowLongW(hwnd, GWL_STYLE) | WS_TABSTOP);
}

bool IsListKey(WPARAM key) {
    return key == VK_UP || key == VK_DOWN || key == VK_PRIOR || key == VK_NEXT || key == VK_F4;
}

// The field hands the keys of the list to the inner combo, which chooses with them or opens
// its list, as the field of a plain combo box does; the field would keep them to itself.
LRESULT CALLBACK PassListKeys(HWND field, UINT msg, WPARAM wParam, LPARAM lParam, UINT_PTR,
                              DWORD_PTR combo) {
    if (msg == WM_KEYDOWN && IsListKey(wParam))
        return SendMessageW(reinterpret_cast<HWND>(combo), msg, wParam, lParam);
    if (msg == WM_NCDESTROY)
        RemoveWindowSubclass(field, PassListKeys, 0);
    return DefSubclassProc(field, msg, wParam, lParam);
}

} // namespace

Ref<TWindowsGadget> TWindowsComboBox::Create(const Ref<TGadget>& group, int style,
                                             const String& text) {
    this->style = style;
    const DWORD native =
        kComboStyle | ((style & ComboBoxEditable) ? CBS_DROPDOWN : CBS_DROPDOWNLIST);
    const HWND parent = group ? HandleFrom<HWND>(group->Query(2)) : nullptr;
    const HWND hwnd = MadeWindow(CreateWindowExW(0, WC_COMBOBOXEXW, Wide(text).c_str(), native, 0,
                                                 0, 0, kDropHeight, parent, nullptr,
                                                 GetModuleHandleW(nullptr), nullptr));
    Register(ClassComboBox, hwnd, nullptr, 0);
    const Ref<TWindowsGadget> self(this);
    _comboHwnd = reinterpret_cast<HWND>(SendMessageW(hwnd, CBEM_GETCOMBOCONTROL, 0, 0));
    if (_comboHwnd) {
        AddTabStop(_comboHwnd);
        TWindowsGUIDriver::RegisterHwnd(_comboHwnd, self);
    }
    if (style & ComboBoxEditable)
        _editHwnd = reinterpret_cast<HWND>(SendMessageW(hwnd, CBEM_GETEDITCONTROL, 0, 0));
    if (_editHwnd) {
        AddTabStop(_editHwnd);
        TWindowsGUIDriver::RegisterHwnd(_editHwnd, self);
        SetWindowSubclass(_editHwnd, PassListKeys, 0, reinterpret_cast<DWORD_PTR>(_comboHwnd));
    }
    SetColor(255, 255, 255);
    return self;
}

int TWindowsComboBox::Free() {
    const Ref<TWindowsGadget> self(this);
    if (_editHwnd)
        TWindowsGUIDriver::RemoveHwnd(std::exchange(_editHwnd, nullptr));
    if (_comboHwnd)
        TWindowsGUIDriver::RemoveHwnd(std::exchange(_comboHwnd, nullptr));
    return TPlatformItemGadget::Free();
}

int TWindowsComboBox::Rethink() { return QueueResize(_hwnd, xpos, ypos, width, kDropHeight); }

void TWindowsComboBox::ShowIconStrip() {
    SendMessageW(_hwnd, CBEM_SETIMAGELIST, 0,
                 reinterpret_cast<LPARAM>(ImageListOf(_icons, WindowDpi(_hwnd))));
}

int TWindowsComboBox::SendItem(UINT message, int index, const String& text, int icon) {
    const std::wstring wide = Wide(text);
    COMBOBOXEXITEMW item{};
    item.mask = CBEIF_TEXT;
    item.iItem = index;
    item.pszText = const_cast<wchar_t*>(wide.c_str());
    if (icon >= 0) {
        item.mask |= CBEIF_IMAGE | CBEIF_SELECTEDIMAGE;
        item.iImage = icon;
        item.iSelectedImage = icon;
    }
    DeSensitize();
    const auto answer =
        static_cast<int>(SendMessageW(_hwnd, message, 0, reinterpret_cast<LPARAM>(&item)));
    Sensitize();
    return answer;
}

int TWindowsComboBox::NativeChosenItem() {
    return static_cast<int>(SendMessageW(_hwnd, CB_GETCURSEL, 0, 0));
}

void TWindowsComboBox::ClearNativeItems() {
    DeSensitize();
    SendMessageW(_hwnd, CB_RESETCONTENT, 0, 0);
    Sensitize();
    SettleChoice();
}

void TWindowsComboBox::ShowNativeItem(int index, bool added, const String& text, const String&,
                                      int icon) {
    SendItem(added ? CBEM_INSERTITEMW : CBEM_SETITEMW, index, text, icon);
    if (added)
        SettleChoice();
}

void TWindowsComboBox::RemoveNativeItem(int index) {
    DeSensitize();
    SendMessageW(_hwnd, CB_DELETESTRING, static_cast<WPARAM>(index), 0);
    Sensitize();
    SettleChoice();
}

void TWindowsComboBox::ShowChosenItem(int index) {
    DeSensitize();
    SendMessageW(_hwnd, CB_SETCURSEL, static_cast<WPARAM>(index), 0);
    Sensitize();
}

void TWindowsComboBox::LetGoOfChoice() {
    if (NativeChosenItem() < 0)
        return;
    // The control clears the field along with its choice: the typed text goes back in.
    const int length = GetWindowTextLengthW(_editHwnd);
    std::wstring typed(static_cast<std::size_t>(length) + 1, L'\0');
    GetWindowTextW(_editHwnd, typed.data(), length + 1);
    DWORD start = 0, end = 0;
    SendMessageW(_editHwnd, EM_GETSEL, reinterpret_cast<WPARAM>(&start),
                 reinterpret_cast<LPARAM>(&end));
    DeSensitize();
    SendMessageW(_hwnd, CB_SETCURSEL, static_cast<WPARAM>(-1), 0);
    SetWindowTextW(_editHwnd, typed.c_str());
    SendMessageW(_editHwnd, EM_SETSEL, start, end);
    SendMessageW(_editHwnd, EM_SETMODIFY, FALSE, 0);
    Sensitize();
}

LRESULT TWindowsComboBox::OnCommand(UINT msg, WPARAM wParam) {
    if (msg != WM_COMMAND || !_sensitive)
        return 0;
    switch (HIWORD(wParam)) {
    case CBN_SELCHANGE:
        UserChoseItem(NativeChosenItem());
        return 0;
    case CBN_EDITCHANGE:
        // The inner combo and the control both pass one edit on. Only the user's edits mark
        // the field modified (a choice or the program's text does not): the first passes.
        if (_editHwnd && SendMessageW(_editHwnd, EM_GETMODIFY, 0, 0)) {
            SendMessageW(_editHwnd, EM_SETMODIFY, FALSE, 0);
            LetGoOfChoice();
            UserEdited();
        }
        return 0;
    case CBN_CLOSEUP:
        // Opening the list took the focus from the field to the inner combo: typing goes on in
        // the field.
        if (_editHwnd && GetFocus() == _comboHwnd)
            SetFocus(_editHwnd);
        return 0;
    default:
        return 0;
    }
}

} // namespace vandro

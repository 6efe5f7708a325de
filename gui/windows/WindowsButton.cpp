#include "WindowsButton.h"

#include "WindowsBindings.h"
#include "WindowsGUIDriver.h"
#include "WindowsGraphic.h"

#include "gui/GadgetConstants.h"

namespace vandro {

namespace {

// WS_CHILD, WS_CLIPSIBLINGS, WS_TABSTOP, BS_MULTILINE.
constexpr DWORD kButtonStyle = 0x44012000;

} // namespace

int TWindowsButton::Free() {
    if (_buttonImageList.himl)
        ImageList_Destroy(_buttonImageList.himl);
    _buttonImageList = BUTTON_IMAGELIST{};
    return TWindowsGadget::Free();
}

int TWindowsButton::NativeCheck() {
    const LRESULT check = SendMessageW(_hwnd, BM_GETCHECK, 0, 0);
    return check == BST_CHECKED ? 1 : check == BST_INDETERMINATE ? 2 : 0;
}

void TWindowsButton::ShowUnthemed() {
    const auto& setTheme = Bindings().SetWindowTheme;
    if (!setTheme.IsNull())
        setTheme(_hwnd, WindowsDriver().noTheme.c_str(), WindowsDriver().noTheme.c_str());
}

void TWindowsButton::ShowOwnerDrawn(bool on) {
    const LONG native = GetWindowLongW(_hwnd, GWL_STYLE);
    if (on) {
        // A card gets its colours on every turn: a style that stays as it is costs nothing.
        if ((native & BS_TYPEMASK) != BS_OWNERDRAW)
            SetWindowLongW(_hwnd, GWL_STYLE, native | BS_OWNERDRAW);
        if (!_hTheme)
            _hTheme = TWindowsGUIDriver::GetThemeHandle(_hwnd, u"Button");
        return;
    }
    SetWindowLongW(_hwnd, GWL_STYLE, native & ~BS_OWNERDRAW);
    // The theme belongs to the owner drawing: closed with it rather than left open.
    if (_hTheme)
        TWindowsGUIDriver::CloseThemeHandle(_hTheme);
    _hTheme = nullptr;
}

int TWindowsButton::ShowImage(const Ref<TPixmap>& pixmap, bool imageOnly) {
    LONG native = GetWindowLongW(_hwnd, GWL_STYLE);
    if (_buttonImageList.himl)
        ImageList_Destroy(_buttonImageList.himl);
    _buttonImageList.himl = pixmap ? BuildImageList(pixmap) : nullptr;
    _buttonImageList.uAlign =
        imageOnly ? BUTTON_IMAGELIST_ALIGN_CENTER : BUTTON_IMAGELIST_ALIGN_LEFT;
    if (!SendMessageW(_hwnd, BCM_SETIMAGELIST, 0, reinterpret_cast<LPARAM>(&_buttonImageList))) {
        // Controls without image lists show a plain bitmap instead.
        if (_buttonImageList.himl)
            ImageList_Destroy(_buttonImageList.himl);
        _buttonImageList.himl = nullptr;
        if (_bitmap)
            DeleteMade(_bitmap);
        _bitmap = pixmap ? TWindowsGraphic::BitmapFromPixmap(pixmap, 1) : nullptr;
        SendMessageW(_hwnd, BM_SETIMAGE, IMAGE_BITMAP, reinterpret_cast<LPARAM>(_bitmap));
    }
    if (!pixmap || !imageOnly) {
        native &= ~BS_BITMAP;
        TWindowsGadget::SetText(_strButtonText);
    } else {
        native |= BS_BITMAP;
        TWindowsGadget::SetText(u"");
    }
    SetWindowLongW(_hwnd, GWL_STYLE, native);
    InvalidateRect(_hwnd, nullptr, FALSE);
    return 1;
}

HIMAGELIST TWindowsButton::BuildImageList(const Ref<TPixmap>& pixmap) {
    HIMAGELIST list = nullptr;
    if (TWindowsGUIDriver::CheckCommonControlVersion() != 0 &&
        (pixmap->format == 5 || pixmap->format == 6)) {
        list = ImageList_Create(pixmap->width, pixmap->height, ILC_COLOR32, 0, 1);
        if (list) {
            const HBITMAP colour = TWindowsGraphic::BitmapFromPixmap(pixmap, 1);
            ImageList_Add(list, colour, nullptr);
            DeleteMade(colour);
        }
    }
    if (!list) {
        const HBITMAP colour = TWindowsGraphic::BitmapFromPixmap(pixmap, 0);
        const HBITMAP mask = TWindowsGraphic::BitmapMaskFromPixmap(pixmap);
        list = ImageList_Create(pixmap->width, pixmap->height, ILC_COLOR24 | ILC_MASK, 0, 1);
        if (list)
            ImageList_Add(list, colour, mask);
        DeleteMade(mask);
        DeleteMade(colour);
    }
    return list;
}

void TWindowsButton::ShowCheck(int check) {
    const WPARAM native = check == 0 ? BST_UNCHECKED : check == 2 ? BST_INDETERMINATE : BST_CHECKED;
    SendMessageW(_hwnd, BM_SETCHECK, native, 0);
}

Ref<TWindowsGadget> TWindowsButton::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    DWORD native = kButtonStyle;
    int id = 0;
    switch (Kind()) {
    case ButtonCheckBox:
        native |= BS_3STATE | ((style & ButtonPushLike) ? BS_PUSHLIKE : 0);
        break;
    case ButtonRadio:
        // Not an automatic one: its automatic group would reach into the panels beside it.
        native |= BS_RADIOBUTTON | ((style & ButtonPushLike) ? BS_PUSHLIKE : 0);
        break;
    case ButtonOk:
        native |= BS_DEFPUSHBUTTON;
        id = IDOK;
        break;
    case ButtonCancel:
        id = IDCANCEL;
        break;
    default:
        break;
    }
    const HWND parent = group ? HandleFrom<HWND>(group->Query(2)) : nullptr;
    const HWND hwnd =
        MadeWindow(CreateWindowExW(0, L"BUTTON", L"", native, 0, 0, 0, 0, parent,
                                   HandleFrom<HMENU>(id), GetModuleHandleW(nullptr), nullptr));
    Register(ClassButton, hwnd, nullptr, 0);
    return Ref<TWindowsGadget>(this);
}

LRESULT TWindowsButton::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_MOUSEMOVE:
        if (!_mouseoverbutton) {
            _mouseoverbutton = 1;
            InvalidateRect(_hwnd, nullptr, FALSE);
            TRACKMOUSEEVENT track{sizeof(TRACKMOUSEEVENT), TME_LEAVE, _hwnd, 0};
            _TrackMouseEvent(&track);
        }
        break;
    case WM_MOUSELEAVE:
        if (_mouseoverbutton) {
            _mouseoverbutton = 0;
            InvalidateRect(_hwnd, nullptr, FALSE);
        }
        break;
    case WM_LBUTTONDBLCLK:
        // The second click of a double click is a press of its own.
        PostMessageW(_hwnd, WM_LBUTTONDOWN, wParam, lParam);
        break;
    case WM_THEMECHANGED:
        if (_hTheme) {
            TWindowsGUIDriver::CloseThemeHandle(_hTheme);
            _hTheme = TWindowsGUIDriver::GetThemeHandle(_hwnd, u"BUTTON");
        }
        break;
    case WM_ERASEBKGND:
        return 1;
    default:
        break;
    }
    return TWindowsGadget::WndProc(hwnd, msg, wParam, lParam);
}

LRESULT TWindowsButton::OnCommand(UINT, WPARAM wParam) {
    if (HIWORD(wParam) != BN_CLICKED)
        return 0;
    if (Kind() == ButtonCheckBox) {
        // A three-state box does not turn itself; a click never leaves it indeterminate.
        const int check = State() & (StateChecked | StateIndeterminate);
        if (check == 0 || check == (StateChecked | StateIndeterminate))
            SetSelected(1);
        else if (check == StateChecked)
            SetSelected(0);
    }
    RaiseAction();
    // A click starts the tip over.
    if (const String tip = GetTooltip(); !tip.empty()) {
        SetTooltip(u"");
        SetTooltip(tip);
    }
    return 0;
}

} // namespace vandro

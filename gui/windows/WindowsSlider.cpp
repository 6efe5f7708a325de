#include "WindowsSlider.h"

#include "WindowsGUIDriver.h"

#include "gui/GadgetConstants.h"

#include <algorithm>

namespace vandro {

namespace {

constexpr DWORD kSliderStyle = WS_CHILD | WS_CLIPSIBLINGS | WS_CLIPCHILDREN;

} // namespace

Ref<TWindowsGadget> TWindowsSlider::Create(const Ref<TGadget>& group, int style, const String&) {
    TakeStyle(style);
    const wchar_t* className = nullptr;
    DWORD native = kSliderStyle;
    DWORD exStyle = 0;
    switch (_slidertype) {
    case SliderScrollBar:
        className = L"SCROLLBAR";
        native |= _ishorizontal ? SBS_HORZ : SBS_VERT;
        break;
    case SliderTrackBar:
        className = TRACKBAR_CLASSW;
        native |= WS_TABSTOP | TBS_AUTOTICKS | (_ishorizontal ? TBS_HORZ : TBS_VERT);
        exStyle = WS_EX_COMPOSITED;
        break;
    case SliderStepper:
        className = UPDOWN_CLASSW;
        native |= _ishorizontal ? UDS_HORZ : 0;
        break;
    default:
        // No control: the gadget answers its class and keeps its values, and nothing else.
        _class = ClassSlider;
        return Ref<TWindowsGadget>(this);
    }
    const HWND parent = group ? HandleFrom<HWND>(group->Query(2)) : nullptr;
    const HWND hwnd =
        MadeWindow(CreateWindowExW(exStyle, className, L"", native, 0, 0, 0, 0, parent, nullptr,
                                   GetModuleHandleW(nullptr), nullptr));
    Register(ClassSlider, hwnd, nullptr, 0);
    return Ref<TWindowsGadget>(this);
}

void TWindowsSlider::ShowRange(int lowest, int highest) {
    switch (_slidertype) {
    case SliderScrollBar: {
        SCROLLINFO info{sizeof info,
                        SIF_RANGE | SIF_PAGE,
                        0,
                        _total - 1,
                        static_cast<UINT>(std::max(_visible, 0)),
                        0,
                        0};
        SendMessageW(_hwnd, SBM_SETSCROLLINFO, TRUE, reinterpret_cast<LPARAM>(&info));
        break;
    }
    case SliderTrackBar:
        SendMessageW(_hwnd, TBM_SETRANGEMIN, FALSE, lowest);
        SendMessageW(_hwnd, TBM_SETRANGEMAX, TRUE, highest);
        break;
    case SliderStepper:
        SendMessageW(_hwnd, UDM_SETRANGE32, static_cast<WPARAM>(lowest), highest);
        break;
    }
}

void TWindowsSlider::ShowValue(int value) {
    switch (_slidertype) {
    case SliderScrollBar:
        SendMessageW(_hwnd, SBM_SETPOS, static_cast<WPARAM>(value), TRUE);
        break;
    case SliderTrackBar:
        SendMessageW(_hwnd, TBM_SETPOS, TRUE, value);
        break;
    case SliderStepper:
        SendMessageW(_hwnd, UDM_SETPOS32, 0, value);
        break;
    }
}

int TWindowsSlider::NativeValue() {
    switch (_slidertype) {
    case SliderScrollBar:
        return static_cast<int>(SendMessageW(_hwnd, SBM_GETPOS, 0, 0));
    case SliderTrackBar:
        return static_cast<int>(SendMessageW(_hwnd, TBM_GETPOS, 0, 0));
    case SliderStepper:
        return static_cast<int>(SendMessageW(_hwnd, UDM_GETPOS32, 0, 0));
    default:
        return _value;
    }
}

int TWindowsSlider::ScrolledTo(int request) {
    SCROLLINFO info{sizeof info, SIF_ALL};
    SendMessageW(_hwnd, SBM_GETSCROLLINFO, 0, reinterpret_cast<LPARAM>(&info));
    const int page = std::max(static_cast<int>(info.nPage), 1);
    switch (request) {
    case SB_LINEUP:
        return info.nPos - 1;
    case SB_LINEDOWN:
        return info.nPos + 1;
    case SB_PAGEUP:
        return info.nPos - page;
    case SB_PAGEDOWN:
        return info.nPos + page;
    case SB_THUMBTRACK:
    case SB_THUMBPOSITION:
        return info.nTrackPos;
    case SB_TOP:
        return info.nMin;
    case SB_BOTTOM:
        return info.nMax;
    default:
        return info.nPos;
    }
}

LRESULT TWindowsSlider::OnCommand(UINT msg, WPARAM wParam) {
    if (msg != WM_HSCROLL && msg != WM_VSCROLL)
        return 0;
    if (_slidertype == SliderScrollBar)
        SendMessageW(_hwnd, SBM_SETPOS, static_cast<WPARAM>(ScrolledTo(LOWORD(wParam))), TRUE);
    UserMoved(GetProp());
    return 0;
}

int TWindowsSlider::RefreshLook() {
    TWindowsGadget::RefreshLook();
    if (_slidertype == SliderTrackBar)
        InvalidateRect(_hwnd, nullptr, TRUE);
    return 0;
}

} // namespace vandro

#include "WindowsLabel.h"

#include "WindowsGUIDriver.h"

namespace vandro {

namespace {

// WS_CHILD, WS_CLIPSIBLINGS, SS_NOPREFIX, SS_NOTIFY.
constexpr DWORD kLabelStyle = 0x44000180;

DWORD NativeStyle(int alignment, int frame) {
    const DWORD align = alignment == LabelRightAligned ? SS_RIGHT
                        : alignment == LabelCentred    ? SS_CENTER
                                                       : SS_LEFT;
    switch (frame) {
    case LabelPlainFrame:
        return align | WS_BORDER;
    case LabelSunkenFrame:
        return align | SS_SUNKEN;
    case LabelSeparator:
        return align | SS_SUNKEN | SS_GRAYRECT;
    default:
        return align;
    }
}

} // namespace

Ref<TWindowsGadget> TWindowsLabel::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    const DWORD native = kLabelStyle | NativeStyle(Alignment(), Frame());
    const HWND parent = group ? HandleFrom<HWND>(group->Query(2)) : nullptr;
    const HWND hwnd = MadeWindow(CreateWindowExW(0, L"STATIC", L"", native, 0, 0, 0, 0, parent,
                                                 nullptr, GetModuleHandleW(nullptr), nullptr));
    Register(ClassLabel, hwnd, nullptr, 0);
    return Ref<TWindowsGadget>(this);
}

LRESULT TWindowsLabel::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    if (msg == WM_ERASEBKGND)
        return 1;
    return TWindowsGadget::WndProc(hwnd, msg, wParam, lParam);
}

} // namespace vandro

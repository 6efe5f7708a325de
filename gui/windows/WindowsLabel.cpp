#include "WindowsLabel.h"

#include "WindowsGUIDriver.h"

#include "gui/GadgetConstants.h"

namespace vandro {

namespace {

// WS_CHILD, WS_CLIPSIBLINGS, SS_NOPREFIX, SS_NOTIFY.
constexpr DWORD kLabelStyle = 0x44000180;

DWORD Alignment(int style) {
    switch (style & 0x18) {
    case LabelRightAligned:
        return SS_RIGHT;
    case LabelCentred:
        return SS_CENTER;
    default:
        return SS_LEFT;
    }
}

DWORD Frame(int style) {
    switch (style & 7) {
    case LabelPlainFrame:
        return WS_BORDER;
    case LabelSunkenFrame:
        return SS_SUNKEN;
    case LabelSeparator:
        return SS_SUNKEN | SS_GRAYRECT;
    default:
        return 0;
    }
}

} // namespace

int TWindowsLabel::SetArea(int x, int y, int w, int h) {
    if (IsSeparator()) {
        if (w > h)
            h = 2;
        else
            w = 2;
    }
    return TWindowsGadget::SetArea(x, y, w, h);
}

int TWindowsLabel::SetText(const String& text) {
    if (IsSeparator())
        return 0;
    return TWindowsGadget::SetText(text);
}

int TWindowsLabel::Class() { return ClassLabel; }

Ref<TWindowsGadget> TWindowsLabel::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    const DWORD native = kLabelStyle | Alignment(style) | Frame(style);
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

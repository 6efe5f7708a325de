#include "WindowsProgressBar.h"

#include "WindowsGUIDriver.h"

#include "gui/GadgetConstants.h"
#include "gui/kinds/ProgressPercent.h"

namespace vandro {

namespace {

// WS_CHILD, WS_CLIPSIBLINGS, PBS_SMOOTH.
constexpr DWORD kBarStyle = 0x44000001;

} // namespace

Ref<TWindowsGadget> TWindowsProgressBar::Create(const Ref<TGadget>& group, int style,
                                                const String&) {
    this->style = style;
    const HWND parent = group ? HandleFrom<HWND>(group->Query(2)) : nullptr;
    const HWND hwnd =
        MadeWindow(CreateWindowExW(0, PROGRESS_CLASSW, L"", kBarStyle, 0, 0, 0, 0, parent, nullptr,
                                   GetModuleHandleW(nullptr), nullptr));
    SendMessageW(hwnd, PBM_SETRANGE32, 0, 100);
    Register(ClassProgressBar, hwnd, nullptr, 0);
    return Ref<TWindowsGadget>(this);
}

int TWindowsProgressBar::SetColor(int red, int green, int blue) {
    TWindowsGadget::SetColor(red, green, blue);
    SendMessageW(_hwnd, PBM_SETBKCOLOR, 0, static_cast<LPARAM>(BgColor()));
    return 0;
}

int TWindowsProgressBar::SetTextColor(int red, int green, int blue) {
    TWindowsGadget::SetTextColor(red, green, blue);
    SendMessageW(_hwnd, PBM_SETBARCOLOR, 0, static_cast<LPARAM>(FgColor()));
    return 0;
}

int TWindowsProgressBar::Class() { return ClassProgressBar; }

int TWindowsProgressBar::SetValue(float fraction) {
    SendMessageW(_hwnd, PBM_SETPOS, static_cast<WPARAM>(ProgressPercent(fraction)), 0);
    return 0;
}

} // namespace vandro

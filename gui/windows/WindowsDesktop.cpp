#include "WindowsDesktop.h"

#include "WindowsBindings.h"
#include "events/windows/Win32Dpi.h"

#include "gui/GadgetConstants.h"

namespace vandro {

TWindowsDesktop::TWindowsDesktop() {
    const HWND desktop = GetDesktopWindow();
    Register(ClassDesktop, desktop, nullptr, 0);
    RECT screen{};
    GetClientRect(desktop, &screen);
    // The rectangle only: the desktop window itself is not the toolkit's to move.
    const int dpi = SystemDpi();
    SetRect(0, 0, ToUnits(screen.right - screen.left, dpi),
            ToUnits(screen.bottom - screen.top, dpi));
    LockLayout();
}

int TWindowsDesktop::ClientWidth() {
    const int whole = TWindowsGadget::ClientWidth();
    RECT area{};
    if (whole == width && WorkArea(area))
        return area.right - area.left;
    return whole;
}

int TWindowsDesktop::ClientHeight() {
    const int whole = TWindowsGadget::ClientHeight();
    RECT area{};
    if (whole == height && WorkArea(area))
        return area.bottom - area.top;
    return whole;
}

bool TWindowsDesktop::WorkArea(RECT& area) const {
    const auto& query = Bindings().SystemParametersInfoW;
    if (query.IsNull() || !query(SPI_GETWORKAREA, 0, &area, 0))
        return false;
    area = ToUnits(area, SystemDpi());
    return true;
}

} // namespace vandro

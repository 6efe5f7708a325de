#include "WindowsDpi.h"

#include "WindowsBindings.h"
#include "WindowsGadget.h"

#include <map>

namespace vandro {

namespace {

constexpr int kProgramIcon = 101;

struct ProgramIcons {
    HICON big = nullptr;
    HICON small = nullptr;
};
std::map<int, ProgramIcons> programIcons;
std::map<int, HFONT> statusFonts;

HICON LoadProgramIcon(int size) {
    return static_cast<HICON>(LoadImageW(GetModuleHandleW(nullptr), MAKEINTRESOURCEW(kProgramIcon),
                                         IMAGE_ICON, size, size, 0));
}

bool IsProgramIcon(HICON icon) {
    for (const auto& [dpi, icons] : programIcons)
        if (icon == icons.big || icon == icons.small)
            return true;
    return false;
}

} // namespace

void StartDpiAwareness() {
    const WindowsBindings& f = Bindings();
    if (!f.SetProcessDpiAwarenessContext.IsNull()) {
        if (!f.SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE_V2))
            f.SetProcessDpiAwarenessContext(DPI_AWARENESS_CONTEXT_PER_MONITOR_AWARE);
    } else if (!f.SetProcessDPIAware.IsNull()) {
        f.SetProcessDPIAware();
    }
    RereadSystemDpi();
}

void AdoptWindowDpi(HWND frame) {
    const auto& query = Bindings().GetDpiForWindow;
    const UINT dpi = query.IsNull() ? 0 : query(frame);
    SetWindowDpi(frame, dpi ? static_cast<int>(dpi) : SystemDpi());
}

void ShowProgramIcons(HWND frame, int dpi) {
    // At the system's resolution the class's icon fits already.
    const auto shown = reinterpret_cast<HICON>(SendMessageW(frame, WM_GETICON, ICON_BIG, 0));
    if (shown ? !IsProgramIcon(shown) : dpi == SystemDpi())
        return;
    auto [found, added] = programIcons.try_emplace(dpi);
    if (added)
        found->second = ProgramIcons{LoadProgramIcon(SystemMetricForDpi(SM_CXICON, dpi)),
                                     LoadProgramIcon(SystemMetricForDpi(SM_CXSMICON, dpi))};
    if (!found->second.big)
        return;
    SendMessageW(frame, WM_SETICON, ICON_BIG, reinterpret_cast<LPARAM>(found->second.big));
    SendMessageW(frame, WM_SETICON, ICON_SMALL, reinterpret_cast<LPARAM>(found->second.small));
}

int ChangeWindowDpi(HWND frame, WPARAM wParam) {
    const int dpi = LOWORD(wParam);
    if (dpi <= 0)
        return 0;
    SetWindowDpi(frame, dpi);
    ShowProgramIcons(frame, dpi);
    return dpi;
}

void ShowStatusFont(HWND status, int dpi) {
    HFONT font = nullptr;
    if (dpi != SystemDpi()) {
        HFONT& made = statusFonts[dpi];
        NONCLIENTMETRICSW metrics{};
        metrics.cbSize = sizeof metrics;
        const auto& query = Bindings().SystemParametersInfoW;
        if (!made && !query.IsNull() &&
            query(SPI_GETNONCLIENTMETRICS, sizeof metrics, &metrics, 0)) {
            metrics.lfStatusFont.lfHeight = MulDiv(metrics.lfStatusFont.lfHeight, dpi, SystemDpi());
            made = CreateFontIndirectW(&metrics.lfStatusFont);
        }
        font = made;
    }
    // No font brings back the line's own, made for the system's resolution.
    SendMessageW(status, WM_SETFONT, reinterpret_cast<WPARAM>(font), TRUE);
    SendMessageW(status, WM_SIZE, 0, 0);
}

void ShowFontsAgain(const Ref<TGadget>& group) {
    for (const Object& kid : group->kids->ToArray())
        if (auto gadget = Cast<TWindowsGadget>(kid)) {
            if (gadget->_hwnd && gadget->_font)
                gadget->SetFont(gadget->_font);
            ShowFontsAgain(gadget);
        }
}

void SetTipWidth(HWND tooltips, int dpi) {
    SendMessageW(tooltips, TTM_SETMAXTIPWIDTH, 0, ToDevice(300, dpi));
}

RECT FrameWidthsForDpi(DWORD style, BOOL menu, DWORD exstyle, int dpi) {
    RECT frame{0, 0, 0, 0};
    const auto& adjust = Bindings().AdjustWindowRectExForDpi;
    if (adjust.IsNull() || !adjust(&frame, style, menu, exstyle, static_cast<UINT>(dpi)))
        AdjustWindowRectEx(&frame, style, menu, exstyle);
    return frame;
}

int SystemMetricForDpi(int index, int dpi) {
    const auto& metric = Bindings().GetSystemMetricsForDpi;
    if (!metric.IsNull())
        return metric(index, static_cast<UINT>(dpi));
    return MulDiv(GetSystemMetrics(index), dpi, SystemDpi());
}

RECT UnitsFromPlacement(int x, int y, int w, int h, int dpi) {
    const int left = ToUnits(x, dpi);
    const int top = ToUnits(y, dpi);
    return RECT{left, top, left + ToUnits(w, dpi), top + ToUnits(h, dpi)};
}

} // namespace vandro

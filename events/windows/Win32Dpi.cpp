#include "Win32Dpi.h"

#include <unordered_map>

namespace vandro {

namespace {

struct DpiState {
    int system = 0;
    // Only the windows at another resolution than the system's: while there are none, no window
    // needs looking up. A window property would cost a server round trip for every conversion.
    std::unordered_map<HWND, int> windows;
};
DpiState dpiState;

} // namespace

int SystemDpi() {
    if (!dpiState.system) {
        const HDC screen = GetDC(nullptr);
        dpiState.system = GetDeviceCaps(screen, LOGPIXELSX);
        ReleaseDC(nullptr, screen);
        if (dpiState.system <= 0)
            dpiState.system = kUnitDpi;
    }
    return dpiState.system;
}

void RereadSystemDpi() { dpiState.system = 0; }

int WindowDpi(HWND hwnd) {
    if (dpiState.windows.empty())
        return SystemDpi();
    const HWND root = hwnd ? GetAncestor(hwnd, GA_ROOT) : nullptr;
    const auto found = dpiState.windows.find(root ? root : hwnd);
    return found != dpiState.windows.end() ? found->second : SystemDpi();
}

void SetWindowDpi(HWND root, int dpi) {
    if (dpi > 0 && dpi != SystemDpi())
        dpiState.windows[root] = dpi;
    else
        dpiState.windows.erase(root);
}

int ToDevice(int units, int dpi) { return dpi == kUnitDpi ? units : MulDiv(units, dpi, kUnitDpi); }

int ToUnits(int pixels, int dpi) {
    return dpi == kUnitDpi ? pixels : MulDiv(pixels, kUnitDpi, dpi);
}

RECT ToDevice(const RECT& units, int dpi) {
    return RECT{ToDevice(units.left, dpi), ToDevice(units.top, dpi), ToDevice(units.right, dpi),
                ToDevice(units.bottom, dpi)};
}

RECT ToUnits(const RECT& pixels, int dpi) {
    return RECT{ToUnits(pixels.left, dpi), ToUnits(pixels.top, dpi), ToUnits(pixels.right, dpi),
                ToUnits(pixels.bottom, dpi)};
}

POINT UnitsOfPoint(HWND hwnd, POINT pixels) {
    const int dpi = WindowDpi(hwnd);
    return POINT{ToUnits(pixels.x, dpi), ToUnits(pixels.y, dpi)};
}

float PointsFromUnits(int units) { return static_cast<float>(units) * 72.0f / kUnitDpi; }

} // namespace vandro

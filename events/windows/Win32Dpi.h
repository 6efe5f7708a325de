// The resolution each of the program's top-level windows is shown at, and the conversion
// between the toolkit's units (pixels at 96 DPI, what the program lays out in) and the device
// pixels of a window. A window and everything inside it share its frame's resolution.
#pragma once

#include "events/windows/Win32.h"

namespace vandro {

// The resolution of the toolkit's units.
constexpr int kUnitDpi = 96;

// The screen's resolution when the process started: what a window has until it says otherwise.
int SystemDpi();
// The process has declared how it is aware of resolutions: the screen's is read again when
// next asked, as what it was told before (96 while unaware) may not be the screen's.
void RereadSystemDpi();
// The resolution of the top-level window around hwnd; the system's for a window not recorded.
int WindowDpi(HWND hwnd);
// Records the resolution of a top-level window; 0 forgets the window.
void SetWindowDpi(HWND root, int dpi);

// Rounded to the nearest pixel, halves away from zero, as MulDiv does.
int ToDevice(int units, int dpi);
int ToUnits(int pixels, int dpi);
// Edge by edge, so that neighbours stay neighbours at any scale.
RECT ToDevice(const RECT& units, int dpi);
RECT ToUnits(const RECT& pixels, int dpi);
// A point in a window's client pixels, in the units of the window's resolution.
POINT UnitsOfPoint(HWND hwnd, POINT pixels);
// Units as typographic points, 72 an inch, whatever the resolution.
float PointsFromUnits(int units);

} // namespace vandro

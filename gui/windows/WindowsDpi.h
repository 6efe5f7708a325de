// The driver's side of high resolutions: the process declares itself aware of each monitor's
// resolution, a window starts at its monitor's and follows WM_DPICHANGED, and the frame and
// system metrics are read for the window's resolution where the system can tell them apart.
// The conversions themselves are events/windows/Win32Dpi.h's.
#pragma once

#include "events/windows/Win32Dpi.h"

#include "gui/Gadget.h"

namespace vandro {

// Per-monitor awareness (v2, else v1), else system awareness, for programs without a manifest
// that asks for it. A system that already decided refuses: that is no failure.
void StartDpiAwareness();
// Records a new top-level window at its monitor's resolution.
void AdoptWindowDpi(HWND frame);
// The program's icon (resource 101) at the sizes of that resolution, from the icon file's
// nearest sizes, unless the window shows an icon the program set; loaded once per resolution
// and kept. At the system's resolution the class's icon serves.
void ShowProgramIcons(HWND frame, int dpi);
// The window moved to a monitor of another resolution: records it (from the message, as the
// window may still answer the old one) and answers it, 0 for none.
int ChangeWindowDpi(HWND frame, WPARAM wParam);

// The status line's font at that resolution, made once per resolution and kept; the line
// keeps the font it was made with otherwise.
void ShowStatusFont(HWND status, int dpi);

// Every gadget inside shows its font again, made for the window's resolution now.
void ShowFontsAgain(const Ref<TGadget>& group);

// A tooltip window wraps its tips at 300 units, in the pixels of that resolution.
void SetTipWidth(HWND tooltips, int dpi);

// What AdjustWindowRectEx adds around a client area, at that resolution.
RECT FrameWidthsForDpi(DWORD style, BOOL menu, DWORD exstyle, int dpi);
// GetSystemMetrics at that resolution.
int SystemMetricForDpi(int index, int dpi);
// A position and a size in device pixels to the toolkit's units, the size converted on its
// own so that a size the program set comes back whole.
RECT UnitsFromPlacement(int x, int y, int w, int h, int dpi);

} // namespace vandro

// The platform functions that older systems lack, looked up by name once: each is the null
// function when its library or the function is missing, and callers test for that before
// calling (no themes, no work-area query, no translucency, no resolution per window).
#pragma once

#include "events/windows/Win32.h"

#include "runtime/Function.h"

namespace vandro {

struct WindowsBindings {
    // user32
    Function<BOOL(HWND, COLORREF, BYTE, DWORD)> SetLayeredWindowAttributes;
    Function<BOOL(UINT, UINT, PVOID, UINT)> SystemParametersInfoW;
    Function<BOOL(DPI_AWARENESS_CONTEXT)> SetProcessDpiAwarenessContext;
    Function<BOOL()> SetProcessDPIAware;
    Function<UINT(HWND)> GetDpiForWindow;
    Function<int(int, UINT)> GetSystemMetricsForDpi;
    Function<BOOL(RECT*, DWORD, BOOL, DWORD, UINT)> AdjustWindowRectExForDpi;
    // uxtheme
    Function<HRESULT(HWND, HDC, const RECT*)> DrawThemeParentBackground;
    Function<HRESULT(HWND, LPCWSTR, LPCWSTR)> SetWindowTheme;
    Function<HTHEME(HWND, LPCWSTR)> OpenThemeData;
    Function<HRESULT(HTHEME, int, LOGFONTW*)> GetThemeSysFont;
    Function<HRESULT(HTHEME, HDC, int, int, const RECT*, const RECT*)> DrawThemeBackground;
    Function<HRESULT(HTHEME)> CloseThemeData;
    Function<HRESULT(HTHEME, HDC, int, int, LPCWSTR, int, DWORD, DWORD, const RECT*)> DrawThemeText;
    Function<HRESULT(HTHEME, HDC, int, int, const RECT*, RECT*)> GetThemeBackgroundContentRect;
    Function<BOOL(HTHEME, int, int)> IsThemeBackgroundPartiallyTransparent;
};

// Loads the libraries and looks the functions up; runs once. The libraries stay loaded.
void StartWindowsBindings();
// Writable, so that a test can take a function away and see the fallback.
WindowsBindings& Bindings();

} // namespace vandro

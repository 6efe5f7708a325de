#include "WindowsCanvasGraphics.h"

#include "events/windows/Win32.h"

namespace vandro {

Ref<TWindowsCanvasGraphics> TWindowsCanvasGraphics::Attach(int hwnd, int flags) {
    auto graphics = New<TWindowsCanvasGraphics>();
    graphics->_hwnd = hwnd;
    graphics->_flags = flags;
    return graphics;
}

int TWindowsCanvasGraphics::FillRect(int x, int y, int w, int h, int colour) {
    const HWND hwnd = HandleFrom<HWND>(_hwnd);
    if (!hwnd)
        return 0;
    const HDC dc = GetDC(hwnd);
    SetDCBrushColor(dc, static_cast<COLORREF>(colour));
    const RECT area{x, y, x + w, y + h};
    ::FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    ReleaseDC(hwnd, dc);
    return 1;
}

int TWindowsCanvasGraphics::WriteText(int x, int y, const String& text, int colour) {
    const HWND hwnd = HandleFrom<HWND>(_hwnd);
    if (!hwnd)
        return 0;
    const HDC dc = GetDC(hwnd);
    SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, static_cast<COLORREF>(colour));
    const HGDIOBJ old = SelectObject(dc, GetStockObject(DEFAULT_GUI_FONT));
    const std::wstring wide = Wide(text);
    TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
    SelectObject(dc, old);
    ReleaseDC(hwnd, dc);
    return 1;
}

int TWindowsCanvasGraphics::Detach() {
    _hwnd = 0;
    return 0;
}

} // namespace vandro

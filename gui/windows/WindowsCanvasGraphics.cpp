#include "WindowsCanvasGraphics.h"

#include "WindowsFont.h"
#include "WindowsGUIDriver.h"
#include "WindowsGraphic.h"

namespace vandro {

Ref<TWindowsCanvasGraphics> TWindowsCanvasGraphics::Attach(int hwnd) {
    auto graphics = New<TWindowsCanvasGraphics>();
    graphics->_hwnd = hwnd;
    return graphics;
}

template <typename Draw> int TWindowsCanvasGraphics::Drawn(Draw draw) {
    const HWND hwnd = HandleFrom<HWND>(_hwnd);
    if (!hwnd)
        return 0;
    const HDC dc = GetDC(hwnd);
    draw(dc);
    ReleaseDC(hwnd, dc);
    return 1;
}

int TWindowsCanvasGraphics::FillRect(int x, int y, int w, int h, int colour) {
    return Drawn([&](HDC dc) {
        SetDCBrushColor(dc, static_cast<COLORREF>(colour));
        const RECT area{x, y, x + w, y + h};
        ::FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    });
}

int TWindowsCanvasGraphics::FrameRect(int x, int y, int w, int h, int colour) {
    return Drawn([&](HDC dc) {
        SetDCBrushColor(dc, static_cast<COLORREF>(colour));
        const RECT area{x, y, x + w, y + h};
        ::FrameRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
    });
}

int TWindowsCanvasGraphics::DrawLine(int x1, int y1, int x2, int y2, int colour) {
    return Drawn([&](HDC dc) {
        SetDCPenColor(dc, static_cast<COLORREF>(colour));
        const HGDIOBJ old = SelectObject(dc, GetStockObject(DC_PEN));
        MoveToEx(dc, x1, y1, nullptr);
        LineTo(dc, x2, y2);
        // GDI leaves out the last pixel of a line.
        SetPixelV(dc, x2, y2, static_cast<COLORREF>(colour));
        SelectObject(dc, old);
    });
}

int TWindowsCanvasGraphics::DrawString(int x, int y, const String& text, const Ref<TGuiFont>& font,
                                       int colour) {
    return Drawn([&](HDC dc) {
        SetBkMode(dc, TRANSPARENT);
        ::SetTextColor(dc, static_cast<COLORREF>(colour));
        const auto own = Cast<TWindowsFont>(font);
        const HGDIOBJ chosen = own && own->Hfont() ? static_cast<HGDIOBJ>(own->Hfont())
                                                   : GetStockObject(DEFAULT_GUI_FONT);
        const HGDIOBJ old = SelectObject(dc, chosen);
        const std::wstring wide = Wide(text);
        TextOutW(dc, x, y, wide.c_str(), static_cast<int>(wide.size()));
        SelectObject(dc, old);
    });
}

int TWindowsCanvasGraphics::DrawPixmap(const Ref<TPixmap>& pixmap, int x, int y) {
    if (!pixmap || pixmap->width <= 0 || pixmap->height <= 0)
        return _hwnd ? 1 : 0;
    return Drawn([&](HDC dc) {
        const bool alpha = TWindowsGraphic::HasAlphaFormat(pixmap);
        const HBITMAP bitmap = alpha ? TWindowsGraphic::PreMultipliedBitmapFromPixmap32(pixmap)
                                     : TWindowsGraphic::BitmapFromPixmap(pixmap, 0);
        if (!bitmap)
            return;
        const HDC source = CreateCompatibleDC(dc);
        const HGDIOBJ old = SelectObject(source, bitmap);
        const int w = pixmap->width, h = pixmap->height;
        if (alpha)
            AlphaBlend(dc, x, y, w, h, source, 0, 0, w, h, TWindowsGraphic::kPerPixelBlend);
        else
            BitBlt(dc, x, y, w, h, source, 0, 0, SRCCOPY);
        SelectObject(source, old);
        DeleteDC(source);
        DeleteMade(bitmap);
    });
}

int TWindowsCanvasGraphics::Detach() {
    _hwnd = 0;
    return 0;
}

} // namespace vandro

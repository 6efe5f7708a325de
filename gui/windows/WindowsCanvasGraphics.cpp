#include "WindowsCanvasGraphics.h"

#include "WindowsFont.h"
#include "WindowsGUIDriver.h"
#include "WindowsGraphic.h"

#include "events/windows/Win32Dpi.h"

#include <algorithm>
#include <cstdlib>

namespace vandro {

Ref<TWindowsCanvasGraphics> TWindowsCanvasGraphics::Attach(int hwnd) {
    auto graphics = New<TWindowsCanvasGraphics>();
    graphics->_hwnd = hwnd;
    return graphics;
}

namespace {

// The device pixels a rectangle of units covers.
RECT PaintedArea(int x, int y, int w, int h, int dpi) {
    return ToDevice(RECT{x, y, x + w, y + h}, dpi);
}

void PaintArea(HDC dc, const RECT& area, int colour) {
    SetDCBrushColor(dc, static_cast<COLORREF>(colour));
    ::FillRect(dc, &area, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void FrameArea(HDC dc, int dpi, int x, int y, int w, int h, int colour) {
    if (w <= 0 || h <= 0)
        return;
    // Each side one unit wide, as many pixels as that unit covers.
    PaintArea(dc, PaintedArea(x, y, w, 1, dpi), colour);
    PaintArea(dc, PaintedArea(x, y + h - 1, w, 1, dpi), colour);
    PaintArea(dc, PaintedArea(x, y, 1, h, dpi), colour);
    PaintArea(dc, PaintedArea(x + w - 1, y, 1, h, dpi), colour);
}

void DrawLineOn(HDC dc, int dpi, int x1, int y1, int x2, int y2, int colour) {
    if (x1 == x2 || y1 == y2) {
        // Straight lines cover whole units, both ends included.
        PaintArea(dc,
                  PaintedArea(std::min(x1, x2), std::min(y1, y2), std::abs(x2 - x1) + 1,
                              std::abs(y2 - y1) + 1, dpi),
                  colour);
        return;
    }
    // A slanted one runs between the centres of its end units, a unit wide.
    const int wide = ToDevice(1, dpi);
    const int half = wide / 2;
    const int fromX = ToDevice(x1, dpi) + half, fromY = ToDevice(y1, dpi) + half;
    const int toX = ToDevice(x2, dpi) + half, toY = ToDevice(y2, dpi) + half;
    if (wide == 1) {
        SetDCPenColor(dc, static_cast<COLORREF>(colour));
        const HGDIOBJ old = SelectObject(dc, GetStockObject(DC_PEN));
        MoveToEx(dc, fromX, fromY, nullptr);
        LineTo(dc, toX, toY);
        // GDI leaves out the last pixel of a line.
        SetPixelV(dc, toX, toY, static_cast<COLORREF>(colour));
        SelectObject(dc, old);
        return;
    }
    const LOGBRUSH brush{BS_SOLID, static_cast<COLORREF>(colour), 0};
    const HPEN pen = Made(ExtCreatePen(PS_GEOMETRIC | PS_SOLID | PS_ENDCAP_SQUARE | PS_JOIN_MITER,
                                       static_cast<DWORD>(wide), &brush, 0, nullptr));
    const HGDIOBJ old = SelectObject(dc, pen);
    MoveToEx(dc, fromX, fromY, nullptr);
    LineTo(dc, toX, toY);
    SelectObject(dc, old);
    DeleteMade(pen);
}

void WriteText(HDC dc, int dpi, int x, int y, const String& text, const Ref<TGuiFont>& font,
               int colour) {
    SetBkMode(dc, TRANSPARENT);
    ::SetTextColor(dc, static_cast<COLORREF>(colour));
    // Fonts are made for the screen's resolution; the window's may differ.
    const auto own = Cast<TWindowsFont>(font);
    const HGDIOBJ chosen = own && own->Hfont() ? static_cast<HGDIOBJ>(own->HfontForDpi(dpi))
                                               : GetStockObject(DEFAULT_GUI_FONT);
    const HGDIOBJ old = SelectObject(dc, chosen);
    const std::wstring wide = Wide(text);
    TextOutW(dc, ToDevice(x, dpi), ToDevice(y, dpi), wide.c_str(), static_cast<int>(wide.size()));
    SelectObject(dc, old);
}

void DrawPicture(HDC dc, int dpi, const Ref<TPixmap>& pixmap, int x, int y) {
    const bool alpha = TWindowsGraphic::HasAlphaFormat(pixmap);
    const HBITMAP bitmap = alpha ? TWindowsGraphic::PreMultipliedBitmapFromPixmap32(pixmap)
                                 : TWindowsGraphic::BitmapFromPixmap(pixmap, 0);
    if (!bitmap)
        return;
    const HDC source = CreateCompatibleDC(dc);
    const HGDIOBJ old = SelectObject(source, bitmap);
    const int w = pixmap->width, h = pixmap->height;
    const RECT area = PaintedArea(x, y, w, h, dpi);
    const int dw = area.right - area.left, dh = area.bottom - area.top;
    if (alpha) {
        AlphaBlend(dc, area.left, area.top, dw, dh, source, 0, 0, w, h,
                   TWindowsGraphic::kPerPixelBlend);
    } else {
        // Enlarged smoothly rather than in blocks.
        const int mode = SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, area.left, area.top, dw, dh, source, 0, 0, w, h, SRCCOPY);
        SetStretchBltMode(dc, mode);
    }
    SelectObject(source, old);
    DeleteDC(source);
    DeleteMade(bitmap);
}

} // namespace

int TWindowsCanvasGraphics::Paint(const TPaintCall& call) {
    const HWND hwnd = HandleFrom<HWND>(_hwnd);
    if (!hwnd)
        return 0;
    // An empty pixmap draws nothing, without the device context.
    if (call.kind == TPaintKind::DrawPixmap &&
        (!call.pixmap || call.pixmap->width <= 0 || call.pixmap->height <= 0))
        return 1;
    const HDC dc = GetDC(hwnd);
    const int dpi = WindowDpi(hwnd);
    switch (call.kind) {
    case TPaintKind::FillRect:
        PaintArea(dc, PaintedArea(call.x, call.y, call.w, call.h, dpi), call.colour);
        break;
    case TPaintKind::FrameRect:
        FrameArea(dc, dpi, call.x, call.y, call.w, call.h, call.colour);
        break;
    case TPaintKind::DrawLine:
        DrawLineOn(dc, dpi, call.x, call.y, call.w, call.h, call.colour);
        break;
    case TPaintKind::DrawString:
        WriteText(dc, dpi, call.x, call.y, call.text, call.font, call.colour);
        break;
    case TPaintKind::DrawPixmap:
        DrawPicture(dc, dpi, call.pixmap, call.x, call.y);
        break;
    }
    ReleaseDC(hwnd, dc);
    return 1;
}

int TWindowsCanvasGraphics::Detach() {
    _hwnd = 0;
    return 0;
}

} // namespace vandro

// A plain panel's background: its colour (or the parent's background), its image in one of
// five layouts and its opacity over the parent. A back buffer is used only when there is an
// image or the panel is not opaque; otherwise the fill goes straight to the target.
#include "WindowsPanel.h"

#include "WindowsGUIDriver.h"
#include "WindowsGraphic.h"

#include "events/windows/Win32Dpi.h"

namespace vandro {

namespace {

RECT UpdateRect(HDC dc, HWND hwnd, int w, int h) {
    RECT update{};
    if (GetUpdateRect(hwnd, &update, FALSE))
        return update;
    GetClipBox(dc, &update);
    if (IsRectEmpty(&update))
        update = RECT{0, 0, w, h};
    return update;
}

} // namespace

int TWindowsPanel::PaintBackground(HDC dc, HWND hwnd) {
    RECT window{};
    GetWindowRect(hwnd, &window);
    const int w = window.right - window.left;
    const int h = window.bottom - window.top;
    const RECT update = UpdateRect(dc, hwnd, w, h);
    const bool isClient = hwnd == _hwndclient && _type == PanelGroup;
    const bool hasImage = _bitmap && _bitmapwidth > 0 && _bitmapheight > 0;
    const bool buffered = !isClient && (hasImage || _alpha < 1.0f);

    HDC target = dc;
    HBITMAP buffer = nullptr;
    HGDIOBJ oldBuffer = nullptr;
    if (buffered) {
        target = CreateCompatibleDC(dc);
        buffer = CreateCompatibleBitmap(dc, w, h);
        oldBuffer = SelectObject(target, buffer);
    }
    const HBRUSH brush = BgBrush();
    if (brush && !isClient)
        FillRect(target, &update, brush);
    else
        DrawParentBackground(target, hwnd, 0);
    if (!buffered)
        return 1;

    if (hasImage)
        DrawImage(target, w, h);
    if (_alpha < 1.0f) {
        DrawParentBackground(dc, hwnd, 0);
        const auto constant = static_cast<BYTE>(PanelOpacity(_alpha));
        const BLENDFUNCTION blend{AC_SRC_OVER, 0, constant, 0};
        const int uw = update.right - update.left;
        const int uh = update.bottom - update.top;
        AlphaBlend(dc, update.left, update.top, uw, uh, target, update.left, update.top, uw, uh,
                   blend);
    } else {
        BitBlt(dc, 0, 0, w, h, target, 0, 0, SRCCOPY);
    }
    SelectObject(target, oldBuffer);
    DeleteObject(buffer);
    DeleteDC(target);
    return 1;
}

void TWindowsPanel::DrawImage(HDC target, int panelWidth, int panelHeight) {
    // The image covers the same units as at 96 DPI.
    const int dpi = WindowDpi(_hwnd);
    const int imageWidth = ToDevice(_bitmapwidth, dpi);
    const int imageHeight = ToDevice(_bitmapheight, dpi);
    TImagePlace placed;
    if (!PlacePanelImage(_bitmapflags & 7, panelWidth, panelHeight, imageWidth, imageHeight,
                         placed))
        return;
    const HDC source = CreateCompatibleDC(target);
    const HGDIOBJ old = SelectObject(source, _bitmap);
    SetStretchBltMode(target, HALFTONE);
    if ((_bitmapflags & 7) == PanelImageTiled) {
        for (int y = 0; y < panelHeight; y += imageHeight)
            for (int x = 0; x < panelWidth; x += imageWidth)
                Blit(target, source, x, y, imageWidth, imageHeight);
    } else {
        Blit(target, source, placed.x, placed.y, placed.w, placed.h);
    }
    SelectObject(source, old);
    DeleteDC(source);
}

void TWindowsPanel::Blit(HDC target, HDC source, int x, int y, int w, int h) {
    const bool ownSize = w == _bitmapwidth && h == _bitmapheight;
    if (_hasalpha)
        AlphaBlend(target, x, y, w, h, source, 0, 0, _bitmapwidth, _bitmapheight,
                   TWindowsGraphic::kPerPixelBlend);
    else if (ownSize)
        BitBlt(target, x, y, w, h, source, 0, 0, SRCCOPY);
    else
        StretchBlt(target, x, y, w, h, source, 0, 0, _bitmapwidth, _bitmapheight, SRCCOPY);
}

} // namespace vandro

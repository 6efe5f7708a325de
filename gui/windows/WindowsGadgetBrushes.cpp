// Controls without a background colour of their own look transparent: they paint with a
// brush that repeats the part of the parent's background under them.
#include "WindowsGadget.h"

#include "WindowsBindings.h"
#include "WindowsDpi.h"
#include "WindowsGUIDriver.h"

#include <algorithm>

namespace vandro {

namespace {

// Where the parent's drawing starts when it has a sunken or raised edge.
POINT EdgeOffset(HWND parent, LONG edges) {
    if (GetWindowLongW(parent, GWL_EXSTYLE) & edges)
        return {-SystemMetricForDpi(SM_CXEDGE, WindowDpi(parent)),
                -SystemMetricForDpi(SM_CYEDGE, WindowDpi(parent))};
    return {0, 0};
}

// The parent's background, painted into a bitmap of the given size.
class ParentCanvas {
  public:
    ParentCanvas(HWND parent, int width, int height) {
        HDC screen = GetDC(parent);
        dc_ = CreateCompatibleDC(screen);
        bitmap_ = CreateCompatibleBitmap(screen, std::max(width, 1), std::max(height, 1));
        ReleaseDC(parent, screen);
        old_ = SelectObject(dc_, bitmap_);
        SendMessageW(parent, WM_ERASEBKGND, reinterpret_cast<WPARAM>(dc_), 0);
    }
    ~ParentCanvas() {
        SelectObject(dc_, old_);
        DeleteObject(bitmap_);
        DeleteDC(dc_);
    }
    ParentCanvas(const ParentCanvas&) = delete;
    ParentCanvas& operator=(const ParentCanvas&) = delete;

    HDC dc() const { return dc_; }

  private:
    HDC dc_;
    HBITMAP bitmap_;
    HGDIOBJ old_;
};

} // namespace

HBRUSH TWindowsGadget::CreateControlBrush(HWND hwnd, HDC dc) {
    if (_hbrush)
        return _hbrush;
    if (BgBrush()) {
        if (dc)
            SetBkColor(dc, static_cast<COLORREF>(BgColor()));
        return BgBrush();
    }
    HWND parent = GetParent(hwnd);
    const POINT offset = EdgeOffset(parent, WS_EX_CLIENTEDGE | WS_EX_WINDOWEDGE);
    RECT control{};
    RECT outer{};
    GetWindowRect(hwnd, &control);
    GetWindowRect(parent, &outer);
    const int w = control.right - control.left;
    const int h = control.bottom - control.top;
    const ParentCanvas canvas(parent, outer.right - outer.left, outer.bottom - outer.top);
    HDC copyDc = CreateCompatibleDC(canvas.dc());
    _hbitmap = Made(CreateCompatibleBitmap(canvas.dc(), std::max(w, 1), std::max(h, 1)));
    HGDIOBJ old = SelectObject(copyDc, _hbitmap);
    BitBlt(copyDc, 0, 0, w, h, canvas.dc(), control.left - outer.left + offset.x,
           control.top - outer.top + offset.y, SRCCOPY);
    SelectObject(copyDc, old);
    DeleteDC(copyDc);
    _hbrush = Made(CreatePatternBrush(_hbitmap));
    return _hbrush;
}

int TWindowsGadget::FlushBrushes(int) {
    const bool cached = _hbrush || _hbitmap;
    DeleteMade(std::exchange(_hbrush, nullptr));
    DeleteMade(std::exchange(_hbitmap, nullptr));
    return cached ? 1 : 0;
}

HBRUSH TWindowsGadget::DrawBackground(HDC dc, HWND hwnd) {
    if (BgBrush()) {
        SetBkColor(dc, static_cast<COLORREF>(BgColor()));
        return BgBrush();
    }
    return DrawParentBackground(dc, hwnd, 0);
}

HBRUSH TWindowsGadget::DrawParentBackground(HDC dc, HWND hwnd, int flag) {
    RECT client{};
    RECT parentClient{};
    RECT window{};
    HWND parent = GetParent(hwnd);
    GetClientRect(hwnd, &client);
    GetClientRect(parent, &parentClient);
    GetWindowRect(hwnd, &window);
    const int saved = SaveDC(dc);
    if (!Bindings().DrawThemeParentBackground.IsNull() && flag == 0) {
        Bindings().DrawThemeParentBackground(hwnd, dc, &client);
    } else {
        const POINT offset = EdgeOffset(parent, WS_EX_CLIENTEDGE);
        MapWindowPoints(HWND_DESKTOP, parent, reinterpret_cast<POINT*>(&window), 2);
        const int x = window.left + client.left;
        const int y = window.top + client.top;
        InvalidateRect(parent, nullptr, FALSE);
        const ParentCanvas canvas(parent, parentClient.right, parentClient.bottom);
        BitBlt(dc, 0, 0, client.right - client.left, client.bottom - client.top, canvas.dc(),
               x + offset.x, y + offset.y, SRCCOPY);
    }
    RestoreDC(dc, saved);
    return static_cast<HBRUSH>(GetStockObject(NULL_BRUSH));
}

} // namespace vandro

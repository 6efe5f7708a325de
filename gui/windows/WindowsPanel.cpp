#include "WindowsPanel.h"

#include "WindowsCanvasGraphics.h"
#include "WindowsGUIDriver.h"
#include "WindowsGraphic.h"
#include "events/windows/Win32Dpi.h"

#include "events/EventIds.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetFunctions.h"

#include <utility>

namespace vandro {

namespace {

// WS_CHILD, WS_CLIPSIBLINGS, WS_CLIPCHILDREN.
constexpr DWORD kPanelStyle = 0x46000000;
// The same with BS_GROUPBOX, for a group panel's frame.
constexpr DWORD kFrameStyle = 0x46000007;
// The frame's inner client: WS_CHILD, WS_VISIBLE, WS_CLIPSIBLINGS, WS_CLIPCHILDREN.
constexpr DWORD kClientStyle = 0x56000000;

HWND MakeChild(DWORD exStyle, const wchar_t* className, DWORD style, HWND parent) {
    return MadeWindow(CreateWindowExW(exStyle, className, L"", style, 0, 0, 0, 0, parent, nullptr,
                                      GetModuleHandleW(nullptr), nullptr));
}

} // namespace

Ref<TWindowsGadget> TWindowsPanel::Create(const Ref<TGadget>& group, int style, const String&) {
    this->style = style;
    const HWND parent = group ? HandleFrom<HWND>(group->Query(2)) : nullptr;
    const std::wstring className = Wide(TWindowsGUIDriver::ClassName());
    _type = TypeOfStyle(style);
    if (_type == PanelGroup) {
        const HWND frame = MakeChild(WS_EX_CONTROLPARENT, L"BUTTON", kFrameStyle, parent);
        const HWND client = MakeChild(WS_EX_CONTROLPARENT, className.c_str(), kClientStyle, frame);
        Register(ClassPanel, frame, client, 0);
    } else {
        DWORD exStyle = WS_EX_CONTROLPARENT;
        DWORD native = kPanelStyle;
        if ((style & 3) == PanelSunkenBorder)
            exStyle |= WS_EX_CLIENTEDGE;
        if ((style & 3) == PanelRaisedBorder) {
            exStyle |= WS_EX_WINDOWEDGE;
            native |= WS_DLGFRAME;
        }
        Register(ClassPanel, MakeChild(exStyle, className.c_str(), native, parent), nullptr, 0);
    }
    if (style & PanelActive)
        sensitivity = 3;
    return Ref<TWindowsGadget>(this);
}

int TWindowsPanel::Free() {
    // The frame would take the client with it, uncounted.
    if (_type == PanelGroup && _hwndclient)
        DestroyMadeWindow(_hwndclient);
    return TWindowsGadget::Free();
}

int TWindowsPanel::Activate(int command) {
    if (_type == PanelCanvas && command == ActivateRedraw) {
        InvalidateRect(_hwnd, nullptr, FALSE);
        return 1;
    }
    return TWindowsGadget::Activate(command);
}

void TWindowsPanel::ShowBackground(const Ref<TPixmap>& pixmap) {
    DeleteMade(std::exchange(_bitmap, nullptr));
    if (pixmap) {
        _hasalpha = 0;
        if (TWindowsGraphic::HasAlphaFormat(pixmap)) {
            _bitmap = TWindowsGraphic::PreMultipliedBitmapFromPixmap32(pixmap);
            _hasalpha = _bitmap ? 1 : 0;
        }
        if (!_bitmap)
            _bitmap = TWindowsGraphic::BitmapFromPixmap(pixmap, 0);
        _bitmapwidth = pixmap->width;
        _bitmapheight = pixmap->height;
    }
}

int TWindowsPanel::Class() { return _type == PanelCanvas ? ClassCanvas : ClassPanel; }

Ref<TCanvasPainter> TWindowsPanel::NewPainter() {
    return TWindowsCanvasGraphics::Attach(HandleValue(_hwnd));
}

int TWindowsPanel::RethinkClient(int repaint) {
    if (_type != PanelGroup)
        return 0;
    RECT area = ToDevice(RECT{4, 16, 4 + ClientWidth(), 16 + ClientHeight()}, WindowDpi(_hwnd));
    OffsetRect(&area, _clientX, _clientY);
    MoveWindow(_hwndclient, area.left, area.top, area.right - area.left, area.bottom - area.top,
               repaint);
    return 0;
}

LRESULT TWindowsPanel::WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) {
    switch (msg) {
    case WM_PAINT:
        if (_type != PanelCanvas)
            break;
        PostGuiEvent(GadgetPaint, 0, 0, 0, 0, {});
        ValidateRect(hwnd, nullptr);
        return 1;
    case WM_LBUTTONDOWN:
        SetFocus(HandleFrom<HWND>(Query(2)));
        break;
    case WM_ERASEBKGND:
        if (_type == PanelCanvas)
            return 1;
        return PaintBackground(reinterpret_cast<HDC>(wParam), hwnd);
    }
    return TWindowsGadget::WndProc(hwnd, msg, wParam, lParam);
}

int TWindowsPanel::FlushBrushes(int recurse) {
    const int flushed = TWindowsGadget::FlushBrushes(recurse);
    if (recurse)
        for (const Object& kid : kids->ToArray())
            if (auto child = Cast<TWindowsGadget>(kid))
                child->FlushBrushes(recurse);
    return flushed;
}

} // namespace vandro

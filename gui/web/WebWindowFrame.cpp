// A window's frame: its measures, where it is on the page, its size limits, minimised and
// maximised, and the events the user's drags raise.
#include "WebDom.h"
#include "WebGUIDriver.h"
#include "WebWindow.h"
#include "WebWindowDom.h"

#include "events/System.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetCreation.h"
#include "gui/GadgetFunctions.h"
#include "gui/WindowFunctions.h"

#include <emscripten/emscripten.h>

#include <algorithm>

namespace vandro {

int TWebWindow::Border() const {
    return (style & (WindowTitleBar | WindowResizable)) ? kWebBorder : 0;
}

int TWebWindow::DecorationAbove() const {
    return Border() + ((style & WindowTitleBar) ? kWebTitleBar : 0) +
           ((style & WindowMenuBar) ? kWebMenuBar : 0) + _toolbarRoom;
}

int TWebWindow::DecorationBelow() const {
    return Border() + ((style & WindowStatusBar) ? kWebStatusLine : 0);
}

void TWebWindow::AddFrame(int& x, int& y, int& w, int& h) {
    x -= Border();
    y -= DecorationAbove();
    w += 2 * Border();
    h += DecorationAbove() + DecorationBelow();
}

int TWebWindow::ClientWidth() {
    return (style & WindowClientCoords) ? width : std::max(width - 2 * Border(), 0);
}

int TWebWindow::ClientHeight() {
    return (style & WindowClientCoords)
               ? height
               : std::max(height - DecorationAbove() - DecorationBelow(), 0);
}

int TWebWindow::Rethink() {
    if (!_hwnd)
        return 0;
    HoldToSizeLimits();
    int x = xpos, y = ypos, w = width, h = height;
    ConvertToContainerDimensions(x, y, w, h);
    vandro_dom_place(_hwnd, x, y, std::max(w, 0), std::max(h, 0));
    return RethinkClient(0);
}

int TWebWindow::RethinkClient(int) {
    if (_hwndclient)
        vandro_dom_place(_hwndclient, 0, 0, ClientWidth(), ClientHeight());
    return LayoutKids();
}

void TWebWindow::ApplySizeLimits(bool maximum) {
    if (maximum)
        _maximizebox = false;
    ShowFrameState();
}

void TWebWindow::ShowFrameState() {
    if (!_hwnd)
        return;
    int minW = 0, minH = 0, maxW = -1, maxH = -1;
    if (!FrameSizeLimits(minW, minH, maxW, maxH))
        maxW = maxH = -1;
    const bool sizable = (style & WindowResizable) && !FixedSize();
    vandro_window_rules(_hwnd, sizable ? 1 : 0, _maximizebox ? 1 : 0, minW, minH, maxW, maxH);
    vandro_window_state(_hwnd, _windowstate);
}

int TWebWindow::State() { return TWebGadget::State() | _windowstate; }

void TWebWindow::UserPlaced(int x, int y, int w, int h) {
    if (_windowstate)
        return;
    ClampToSizeLimits(w, h);
    PlaceFrame(x, y, w, h);
}

// The frame's rectangle becomes the window's in its own measure: the client area's with style
// WindowClientCoords.
void TWebWindow::PlaceFrame(int x, int y, int w, int h) {
    vandro_dom_place(_hwnd, x, y, w, h);
    if (style & WindowClientCoords) {
        x += Border();
        y += DecorationAbove();
        w -= 2 * Border();
        h -= DecorationAbove() + DecorationBelow();
    }
    TakeFrameRect(x, y, w, h);
}

// A minimised window keeps its rectangle; maximised it fills the desktop, within its limits.
void TWebWindow::Maximize() {
    const bool wasMinimized = _windowstate & StateMinimized;
    const bool wasMaximized = _windowstate & StateMaximized;
    _windowstate = StateMaximized;
    if (wasMaximized && wasMinimized) {
        ShowFrameState();
        return;
    }
    if (!wasMaximized) {
        int x = xpos, y = ypos;
        _restoreW = width;
        _restoreH = height;
        ConvertToContainerDimensions(x, y, _restoreW, _restoreH);
        _restoreX = x;
        _restoreY = y;
    }
    const Ref<TGadget> desktop = Desktop();
    int w = GadgetClientWidth(desktop), h = GadgetClientHeight(desktop);
    ClampToSizeLimits(w, h);
    ShowFrameState();
    PlaceFrame(0, 0, w, h);
}

void TWebWindow::Restore() {
    const int was = _windowstate;
    _windowstate = (was & StateMinimized) ? (was & StateMaximized) : 0;
    ShowFrameState();
    if (was == StateMaximized)
        PlaceFrame(_restoreX, _restoreY, _restoreW, _restoreH);
}

} // namespace vandro

using namespace vandro;

extern "C" {

EMSCRIPTEN_KEEPALIVE int vandro_web_window_placed(int handle, int x, int y, int w, int h) {
    if (const auto window = Cast<TWebWindow>(GadgetFromHandle(handle)))
        Shielded([&] { window->UserPlaced(x, y, w, h); });
    return 0;
}

// The title bar's boxes, a double click on it and the bar of minimised windows.
EMSCRIPTEN_KEEPALIVE int vandro_web_window_command(int handle, int command) {
    if (const auto window = Cast<TWebWindow>(GadgetFromHandle(handle)))
        Shielded([&] { window->Activate(command); });
    return 0;
}
}

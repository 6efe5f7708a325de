// A window's frame: its measures, where it is on the screen, the client area inside it, and
// the events its moves and sizes raise.
#include "HeadlessWindow.h"

#include "HeadlessGUIDriver.h"

#include "gui/WindowFunctions.h"

#include <algorithm>

namespace vandro {

namespace {

constexpr int kCaption = 20;
constexpr int kSizingBorder = 4;
constexpr int kDialogBorder = 3;
constexpr int kMenuBar = 20;
constexpr int kStatusLine = 22;

} // namespace

int THeadlessWindow::Caption() const { return (style & WindowTitleBar) ? kCaption : 0; }

int THeadlessWindow::Border() const {
    if (_thickframe)
        return kSizingBorder;
    return (style & WindowTitleBar) ? kDialogBorder : 0;
}

int THeadlessWindow::MenuHeight() const { return _menubar != MenuBarNone ? kMenuBar : 0; }

int THeadlessWindow::StatusHeight() const { return (style & WindowStatusBar) ? kStatusLine : 0; }

int THeadlessWindow::Rethink() {
    int x = xpos, y = ypos, w = width, h = height;
    ConvertToContainerDimensions(x, y, w, h);
    MoveFrame(x, y, w, h);
    return RethinkClient(1);
}

int THeadlessWindow::ClientWidth() {
    if (style & WindowClientCoords)
        return width;
    return std::max(_nativeW - 2 * Border() - _clientX, 0);
}

int THeadlessWindow::ClientHeight() {
    if (style & WindowClientCoords)
        return height;
    const int frame = 2 * Border() + Caption() + MenuHeight();
    return std::max(height - frame - _clientY - StatusHeight(), 0);
}

int THeadlessWindow::RethinkClient(int) { return LayoutKids(); }

void THeadlessWindow::SetToolbarRoom(int room) {
    if (_clientY == room)
        return;
    _clientY = room;
    if (style & WindowClientCoords)
        Rethink();
    else
        RethinkClient(0);
}

void THeadlessWindow::AddFrame(int& x, int& y, int& w, int& h) {
    const int top = Border() + Caption() + MenuHeight();
    x -= _clientX + Border();
    y -= _clientY + top;
    w += _clientX + 2 * Border();
    h += StatusHeight() + _clientY + top + Border();
}

void THeadlessWindow::ApplySizeLimits(bool maximum) {
    if (maximum)
        _maximizebox = 0;
    const int before = _thickframe;
    if (FixedSize())
        _thickframe = 0;
    else if (style & WindowResizable)
        _thickframe = 1;
    if (_thickframe != before)
        Rethink();
}

void THeadlessWindow::MoveFrame(int x, int y, int w, int h) {
    ClampToSizeLimits(w, h);
    _nativeX = x;
    _nativeY = y;
    _nativeW = std::max(w, 0);
    _nativeH = std::max(h, 0);
    if (Alive())
        TakeNativeRect();
}

void THeadlessWindow::TakeNativeRect() {
    if (_minimized)
        return;
    if (style & WindowClientCoords) {
        const auto [x, y, w, h] = ClientOnScreen();
        TakeFrameRect(x, y, w, h);
    } else {
        TakeFrameRect(_nativeX, _nativeY, _nativeW, _nativeH);
    }
}

std::array<int, 4> THeadlessWindow::ClientOnScreen() const {
    const int top = Border() + Caption() + MenuHeight();
    return {_nativeX + Border() + _clientX, _nativeY + top + _clientY,
            _nativeW - 2 * Border() - _clientX,
            _nativeH - top - Border() - StatusHeight() - _clientY};
}

void THeadlessWindow::Maximize() {
    if (_minimized) {
        _minimized = 0;
        if (_maximized)
            return;
    }
    if (_maximized)
        return;
    _restoreX = _nativeX;
    _restoreY = _nativeY;
    _restoreW = _nativeW;
    _restoreH = _nativeH;
    _maximized = 1;
    int w = kScreenWidth, h = kWorkAreaHeight;
    ClampToSizeLimits(w, h);
    _nativeX = 0;
    _nativeY = 0;
    _nativeW = w;
    _nativeH = h;
    TakeNativeRect();
}

void THeadlessWindow::Restore() {
    if (_minimized) {
        _minimized = 0;
        return;
    }
    if (!_maximized)
        return;
    _maximized = 0;
    _nativeX = _restoreX;
    _nativeY = _restoreY;
    _nativeW = _restoreW;
    _nativeH = _restoreH;
    TakeNativeRect();
}

} // namespace vandro

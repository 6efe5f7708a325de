// What the user does with a window: close, activate, resize or move it.
#include "HeadlessGUIDriver.h"
#include "HeadlessWindow.h"

#include "gui/WindowFunctions.h"

namespace vandro {

int THeadlessWindow::UserClose() {
    if (!Reachable())
        return 0;
    PostGuiEvent(WindowClose, 0, 0, 0, 0, {});
    return 1;
}

int THeadlessWindow::UserActivate() {
    if (!Reachable())
        return 0;
    BecomeActive();
    return 1;
}

int THeadlessWindow::BecomeActive() {
    if (Headless().activeWindow == this)
        return 0;
    Headless().activeWindow = this;
    PostGuiEvent(WindowActivate, 0, 0, 0, 0, {});
    return 0;
}

int THeadlessWindow::UserResize(int w, int h) {
    if (!Reachable() || !_thickframe || _minimized || _maximized)
        return 0;
    int x = xpos, y = ypos;
    ConvertToContainerDimensions(x, y, w, h);
    MoveFrame(x, y, w, h);
    return 1;
}

int THeadlessWindow::UserMove(int x, int y) {
    if (!Reachable() || !(style & WindowTitleBar) || _minimized || _maximized)
        return 0;
    int w = width, h = height;
    ConvertToContainerDimensions(x, y, w, h);
    MoveFrame(x, y, w, h);
    return 1;
}

} // namespace vandro

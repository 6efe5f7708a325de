#include "HeadlessWindow.h"

#include "HeadlessGUIDriver.h"
#include "HeadlessMenu.h"

#include "gui/GadgetConstants.h"
#include "gui/GadgetFunctions.h"
#include "gui/WindowFunctions.h"

namespace vandro {

THeadlessWindow::~THeadlessWindow() {
    if (Headless().activeWindow == this)
        Headless().activeWindow = nullptr;
}

int THeadlessWindow::Activate(int command) {
    if (!Alive())
        return 0;
    switch (command) {
    case ActivateFocus: {
        Ref<TGadget> target = FirstTabStop(*this);
        FocusNative(target ? target : Ref<TGadget>(this));
        return 0;
    }
    case ActivateMinimize:
        _visible = 1;
        _minimized = 1;
        return 0;
    case ActivateMaximize:
        _visible = 1;
        Maximize();
        return 0;
    case ActivateRestore:
        _visible = 1;
        Restore();
        return 0;
    case ActivateRedraw:
        ++_redraws;
        return 0;
    default:
        return 0;
    }
}

int THeadlessWindow::State() {
    return THeadlessGadget::State() | (_minimized ? StateMinimized : 0) |
           (_maximized ? StateMaximized : 0);
}

int THeadlessWindow::SetAlpha(float alpha) {
    _layered = alpha == 1.0f ? 0 : 1;
    _alpha = _layered ? AlphaByte(alpha) : 255;
    return Activate(ActivateRedraw);
}

int THeadlessWindow::SetTooltip(const String&) { return 0; }

int THeadlessWindow::SetPixmap(const Ref<TPixmap>& pixmap, int flags) {
    if (!(flags & 8))
        return 0;
    _icon = pixmap;
    return 1;
}

int THeadlessWindow::SetShow(int show) {
    const bool appears = show && Alive() && !_visible;
    THeadlessGadget::SetShow(show);
    if (!appears)
        return 0;
    // Hidden, it stopped being active (while it stays the last window activated): coming back
    // activates it again.
    if (Headless().activeWindow == this)
        Headless().activeWindow = nullptr;
    BecomeActive();
    return 0;
}

int THeadlessWindow::SetEnabled(int enabled) {
    _enabled = enabled;
    if (Alive())
        _nativeEnabled = enabled ? 1 : 0;
    return 0;
}

Ref<TGadget> THeadlessWindow::Create(const Ref<TGadget>&, int style, const String&) {
    this->style = style;
    Register(ClassWindow, 1);
    _thickframe = (style & WindowResizable) ? 1 : 0;
    _maximizebox = (style & WindowTitleBar) && (style & WindowResizable) ? 1 : 0;
    _menubar = (style & WindowMenuBar) ? MenuBarPlaceholder : MenuBarNone;
    return Ref<TGadget>(this);
}

int THeadlessWindow::ReleaseNative() {
    if (_menu)
        _menu->Close();
    _menubar = MenuBarNone;
    if (Headless().activeWindow == this)
        Headless().activeWindow = nullptr;
    return THeadlessGadget::ReleaseNative();
}

} // namespace vandro

#include "WebWindow.h"

#include "WebButton.h"
#include "WebDom.h"
#include "WebGUIDriver.h"
#include "WebPixels.h"
#include "WebWindowDom.h"

#include "events/Event.h"
#include "events/web/WebSystem.h"
#include "graphics/Pixmap.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetFunctions.h"
#include "gui/HotKey.h"
#include "gui/ToolkitStart.h"
#include "gui/WindowFunctions.h"
#include "gui/kinds/StatusLine.h"

namespace vandro {

namespace {

constexpr int kTab = 0x09;
constexpr int kEnter = 0x0D;
constexpr int kSpace = 0x20;
constexpr int kLeft = 0x25;
constexpr int kDown = 0x28;

} // namespace

TWebWindow::~TWebWindow() {
    TWebState& state = WebDriver();
    if (state.activeWindow == this)
        state.activeWindow = nullptr;
    if (state.popupWindow == this)
        state.popupWindow = nullptr;
}

Ref<TGadget> TWebWindow::Create(const Ref<TGadget>&, int style, const String&) {
    this->style = style;
    const int handle = NewElementHandle();
    const int client = NewElementHandle();
    vandro_dom_make_window(handle, client, style);
    vandro_window_frame(handle, style);
    Register(ClassWindow, handle, client);
    // The frame shows once the program has placed it.
    _shown = 0;
    _maximizebox = (style & WindowTitleBar) && (style & WindowResizable);
    ShowFrameState();
    return Ref<TGadget>(this);
}

int TWebWindow::CleanUp() {
    // Off the page, the frame's gadgets go without the page checking its focus and layout for
    // each.
    if (_hwnd)
        vandro_dom_detach(_hwnd);
    return TWebGadget::CleanUp();
}

int TWebWindow::Free() {
    const Ref<TGadget> self(this);
    if (_menu)
        _menu->Close();
    if (WebDriver().activeWindow == this)
        WebDriver().activeWindow = nullptr;
    // A minimised window takes its bar with it.
    if (_hwnd)
        vandro_window_state(_hwnd, 0);
    return TWebGadget::Free();
}

int TWebWindow::ShowText(const String& text) {
    if (_hwnd)
        vandro_dom_set_text(_hwnd, text.data(), static_cast<int>(text.size()));
    // The bar of a minimised window shows its title too.
    ShowFrameState();
    return 0;
}

int TWebWindow::SetPixmap(const Ref<TPixmap>& pixmap, int flags) {
    if (!(flags & 8) || !_hwnd)
        return 0;
    const std::vector<unsigned char> rgba = RgbaBytes(pixmap);
    if (!rgba.empty())
        vandro_window_icon(_hwnd, rgba.data(), pixmap->width, pixmap->height, pixmap->width * 4);
    else
        vandro_window_icon(_hwnd, nullptr, 0, 0, 0);
    return 1;
}

int TWebWindow::SetTooltip(const String&) { return 0; }

int TWebWindow::SetAlpha(float alpha) {
    if (_hwnd)
        vandro_dom_set_opacity(_hwnd, AlphaByte(alpha));
    return 0;
}

int TWebWindow::SetShow(int show) {
    // Hidden, it stopped being active (while it stays the last window activated): coming back
    // activates it again.
    if (show && !_shown && WebDriver().activeWindow == this)
        WebDriver().activeWindow = nullptr;
    ShowElement(show);
    ShowFrameState();
    if (show)
        Activated();
    return 0;
}

int TWebWindow::FocusElement() {
    if (_hwnd)
        vandro_dom_focus(_hwnd);
    return 0;
}

int TWebWindow::Activate(int command) {
    if (!_hwnd)
        return 0;
    switch (command) {
    case ActivateFocus:
        if (const auto target = FirstTabStop(*this))
            target->Activate(ActivateFocus);
        else
            FocusElement();
        Activated();
        return 0;
    case ActivateMinimize:
    case ActivateMaximize:
    case ActivateRestore:
        // As on the desktop, a hidden window shows in its new state.
        if (!_shown)
            ShowElement(1);
        if (command == ActivateMinimize) {
            _windowstate |= StateMinimized;
            ShowFrameState();
            return 0;
        }
        if (command == ActivateMaximize)
            Maximize();
        else
            Restore();
        Activated();
        return 0;
    case ActivateRedraw:
        return TWebGadget::Activate(command);
    default:
        return 0;
    }
}

void TWebWindow::Activated() {
    TWebState& state = WebDriver();
    if (!_hwnd || state.activeWindow == this)
        return;
    if (state.activeWindow)
        vandro_dom_set_active(state.activeWindow->_hwnd, 0);
    state.activeWindow = this;
    vandro_dom_set_active(_hwnd, 1);
    PostGuiEvent(WindowActivate, 0, 0, 0, 0, {});
}

bool TWebWindow::KeyPressed(int key, int modifiers) {
    if (key < 1 || key > 255)
        return false;
    if (FireHotKey(FindHotKeyEvent(key, modifiers & ~ModifierOfKey(key), _hwnd)))
        return true;
    const Ref<TGadget> focus = CurrentDriver()->ActiveGadget();
    if (key == kTab && !(modifiers & ~1)) {
        const Ref<TGadget> from = focus && focus.get() != this ? focus : Ref<TGadget>(this);
        if (const auto next = NextTabStop(from, modifiers & 1))
            next->Activate(ActivateFocus);
        return true;
    }
    const auto button = Cast<TWebButton>(focus);
    // Space and Enter press the focused push button as the key goes down, here rather than by
    // the browser's own activation, which waits for the key to come up and needs the page to
    // hold the system's focus.
    if ((key == kSpace || key == kEnter) && !modifiers && button && button->IsPushElement()) {
        button->Pressed();
        return true;
    }
    // As in a dialog, the arrows move among push buttons in the order they were made: right
    // and down to the next, left and up to the one before, round within their group.
    if (key < kLeft || key > kDown || modifiers || !button || button->Kind() == ButtonRadio)
        return false;
    const auto next = SiblingTabStop(button, key == kLeft + 2 || key == kDown);
    if (!next)
        return false;
    next->Activate(ActivateFocus);
    return true;
}

void TWebWindow::ShowStatusText(const String& shown) {
    if (!_hwnd)
        return;
    for (int field = 0; field < 3; ++field) {
        const String text = StatusField(shown, field);
        vandro_dom_set_status(_hwnd, field, text.data(), static_cast<int>(text.size()));
    }
}

void TWebWindow::ShowMenuBar() {
    if (_hwnd && (style & WindowMenuBar))
        vandro_dom_window_menu(_hwnd, _menu ? _menu->_menuHandle : 0);
}

void TWebWindow::TrackPopup(TWebMenu& popup) {
    TWebState& state = WebDriver();
    state.popupWindow = this;
    _popupOpen = true;
    vandro_dom_menu_popup(popup._menuHandle);
    // The choice is raised while the menu is open; the menu closes after it.
    while (_popupOpen)
        vandro_wait_input();
    state.popupWindow = nullptr;
}

} // namespace vandro

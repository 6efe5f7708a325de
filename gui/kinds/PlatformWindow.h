// What every platform's top-level window does the same way: it keeps its size limits, its menu
// tree, its status text and the extra of the pop-up menu being shown, raises "MenuAction" for
// its menu commands, is not laid out by its group, takes no mouse sensitivity, and turns a client
// rectangle into the frame's only with style WindowClientCoords. The platform fills in the native
// half: show the status text, apply the size limits, track a pop-up menu, show the menu bar the
// tree was opened into, and add its frame's measures to a client rectangle.
//
// A mixin over the platform's gadget base, like TPlatformItemGadget and for the same reason:
//     class TWindowsWindow : public TPlatformWindow<TWindowsGadget, TWindowsMenu> { ... };
#pragma once

#include "PlatformGadget.h"
#include "StatusLine.h"
#include "events/EventIds.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetFunctions.h"
#include "gui/MenuGadget.h"
#include "gui/WindowFunctions.h"

#include <algorithm>
#include <cmath>
#include <type_traits>

namespace vandro {

template <class Base, class Menu> class TPlatformWindow : public Base {
    static_assert(std::is_base_of_v<TPlatformGadget, Base>);
    static_assert(std::is_base_of_v<TMenuGadget, Menu>);

  public:
    // The TGadget slots it overrides, in slot order.
    // A window is not laid out by its group.
    int DoLayout() override { return 0; }
    // Windows take no mouse events of their own.
    int SetSensitivity(int flags) override {
        return TGadget::SetSensitivity(flags & ~SensitiveMouse);
    }
    int Class() override { return ClassWindow; }
    // The text as set, without the spaces a resizable window pads it with; "" without a status
    // line.
    String GetStatusText() override {
        return (this->style & WindowStatusBar) ? _statustext : String();
    }
    int SetStatusText(const String& text) override {
        if (!(this->style & WindowStatusBar))
            return 0;
        _statustext = text;
        ShowStatusText(ShownStatusText(text, this->style));
        return 0;
    }
    // The root of the window's menu tree, made on first use.
    Ref<TGadget> GetMenu() override { return WindowMenuRoot(*this, _menu); }
    // Shows the menu until the user chose an item or dismissed it; a choice raises its
    // "MenuAction" with extra as the event's extra.
    int PopupMenu(const Ref<TGadget>& menu, const Object& extra) override {
        const auto popup = Cast<Menu>(menu);
        if (!popup || !this->NativeHandle(0))
            return 0;
        const Ref<TGadget> self(this);
        ShowPopupMenu(*popup, popupextra, extra, [&] { TrackPopup(*popup); });
        return 0;
    }
    // Rebuilds the menu bar from the menu tree.
    int UpdateMenu() override {
        if (!this->NativeHandle(0))
            return 0;
        if (_menu) {
            _menu->FreeKids();
            _menu->Open(0);
        }
        ShowMenuBar();
        return 0;
    }
    int SetMinimumSize(int width, int height) override {
        _minwidth = width;
        _minheight = height;
        ApplySizeLimits(false);
        return 0;
    }
    // A window with a maximum size loses its maximise box.
    int SetMaximumSize(int width, int height) override {
        _maxwidth = width;
        _maxheight = height;
        ApplySizeLimits(true);
        return 0;
    }

    // The TPlatformGadget slots it overrides.
    int isControl() override { return 0; }
    // A platform whose frame is measured in other units converts.
    int AddWindowFrame(int& x, int& y, int& w, int& h) override {
        AddFrame(x, y, w, h);
        return 1;
    }

    // Its own.
    // A menu command of the window's menus: "MenuAction" with the menu's tag, whatever the
    // window's event gate says.
    int HandleMenuEvent(int id) { return EmitMenuAction(id, popupextra); }
    // With style WindowClientCoords turns a client rectangle into the frame's; answers 1 then,
    // else 0. A platform whose frame is measured in other units converts first.
    virtual int ConvertToContainerDimensions(int& x, int& y, int& w, int& h) {
        if (!(this->style & WindowClientCoords))
            return 0;
        AddFrame(x, y, w, h);
        return 1;
    }
    // Takes the rectangle the platform reports as the gadget's: the children follow a new size,
    // and "WindowMove" and "WindowSize" tell what changed.
    void TakeFrameRect(int x, int y, int w, int h) {
        const bool moved = x != this->xpos || y != this->ypos;
        const bool sized = std::max(w, 0) != this->width || std::max(h, 0) != this->height;
        if (!moved && !sized)
            return;
        this->SetRect(x, y, w, h);
        if (sized)
            this->RethinkClient(0);
        if (moved)
            this->PostGuiEvent(WindowMove, 0, 0, this->xpos, this->ypos, {});
        if (sized)
            this->PostGuiEvent(WindowSize, 0, 0, this->width, this->height, {});
    }
    // The alpha byte a window of this opacity is shown with; out of 0 to 1 it is clamped, where
    // the byte would wrap round.
    static int AlphaByte(float alpha) {
        if (!(alpha > 0))
            return 0;
        return static_cast<int>(std::fmin(alpha, 1.0f) * 255) & 255;
    }
    // A frame size held to the size limits, as the platform holds the window's.
    void ClampToSizeLimits(int& w, int& h) {
        int minW = 0, minH = 0, maxW = 0, maxH = 0;
        const bool bounded = FrameSizeLimits(minW, minH, maxW, maxH);
        w = std::max(w, minW);
        h = std::max(h, minH);
        if (bounded) {
            w = std::min(w, maxW);
            h = std::min(h, maxH);
        }
    }
    // The program's own shape held to the size limits at once, for a platform that holds the
    // window to them only later: the gadget answers the size the window gets, and "WindowSize"
    // says that it is not the size asked for.
    void HoldToSizeLimits() {
        int x = 0, y = 0, w = this->width, h = this->height;
        ConvertToContainerDimensions(x, y, w, h);
        int heldW = w, heldH = h;
        ClampToSizeLimits(heldW, heldH);
        if (heldW != w || heldH != h)
            TakeFrameRect(this->xpos, this->ypos, this->width + heldW - w,
                          this->height + heldH - h);
    }
    // A maximum is kept only when it is not below the minimum.
    bool HasMaximumSize() const { return _maxwidth >= _minwidth && _maxheight >= _minheight; }
    // Limits that meet leave the window no room to be resized.
    bool FixedSize() const { return _maxwidth == _minwidth && _maxheight == _minheight; }
    // The limits as the frame's sizes; the maximum only where HasMaximumSize, answered.
    bool FrameSizeLimits(int& minW, int& minH, int& maxW, int& maxH) {
        int x = 0, y = 0;
        minW = _minwidth;
        minH = _minheight;
        ConvertToContainerDimensions(x, y, minW, minH);
        if (!HasMaximumSize())
            return false;
        maxW = _maxwidth;
        maxH = _maxheight;
        ConvertToContainerDimensions(x, y, maxW, maxH);
        return true;
    }

    int _minwidth = 0;
    int _minheight = 0;
    int _maxwidth = -1;
    int _maxheight = -1;
    Ref<Menu> _menu;
    String _statustext;
    // The extra of the pop-up menu being shown.
    Object popupextra;

  protected:
    // The native half. Shows the status line's text, laid out by ShownStatusText.
    virtual void ShowStatusText(const String& shown) = 0;
    // Applies _minwidth … _maxheight; maximum is true when the maximum was set.
    virtual void ApplySizeLimits(bool maximum) = 0;
    // Shows the opened pop-up menu until it closes; a choice calls HandleMenuEvent.
    virtual void TrackPopup(Menu& popup) = 0;
    // Shows the menu bar _menu was opened into (none without _menu).
    virtual void ShowMenuBar() = 0;
    // Turns a client rectangle into the frame's: the caption, menu bar, borders, toolbar and
    // status line around it.
    virtual void AddFrame(int& x, int& y, int& w, int& h) = 0;
};

} // namespace vandro

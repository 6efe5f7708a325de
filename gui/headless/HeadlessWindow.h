// A top-level window: a frame with an optional title bar, sizing border, menu bar and status
// line around a client area that holds its gadgets. It raises the window events and, for its
// menus, "MenuAction".
//
// The _native fields hold the frame on the screen. The frame's measures: a caption of 20 pixels
// with a title bar, a border of 4 pixels with a sizing border or else 3 with a title bar, a menu
// bar of 20 and a status line of 22.
#pragma once

#include "HeadlessGadget.h"
#include "HeadlessMenu.h"

#include "graphics/Pixmap.h"
#include "gui/kinds/PlatformWindow.h"

#include <array>

namespace vandro {

// What the window shows as its menu bar.
enum HeadlessMenuBar : int {
    MenuBarNone = 0,
    // The one empty item a window with a menu bar has before its first RefreshWindowMenu.
    MenuBarPlaceholder = 1,
    // The items of the window's menu tree, as built by the last RefreshWindowMenu.
    MenuBarTree = 2,
};

class THeadlessWindow : public TPlatformWindow<THeadlessGadget, THeadlessMenu> {
  public:
    ~THeadlessWindow() override;

    // The TGadget slots it overrides, in slot order.
    int Rethink() override;
    int ClientWidth() override;
    int ClientHeight() override;
    int Activate(int command) override;
    int State() override;
    int SetAlpha(float alpha) override;
    int SetTooltip(const String& tip) override;
    int SetPixmap(const Ref<TPixmap>& pixmap, int flags) override;
    int SetShow(int show) override;
    int SetEnabled(int enabled) override;

    // The THeadlessGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int RethinkClient(int redraw) override;
    int ReleaseNative() override;

    // What the user does with the window. Each answers 1 when the window let it happen.
    int UserClose();
    // In the window's own coordinates: the client area's with style 0x20, else the frame's.
    int UserResize(int w, int h);
    int UserMove(int x, int y);
    int UserActivate();

    // The status line's text as shown: the part before the first tab (left-aligned), between
    // the first and second (centred) and after the second (right-aligned).
    String StatusField(int field) const;
    // This window becomes the active one, raising "WindowActivate" when it was not.
    int BecomeActive();
    // A toolbar takes this much of the top: from the client area, or, where the program gives
    // the client area's rectangle, from a frame that grows around it.
    void SetToolbarRoom(int room);
    // Where the client area is on the screen inside the frame: x, y, width, height.
    std::array<int, 4> ClientOnScreen() const;

    int _menubar = MenuBarNone;
    String _shownStatus;
    int _minimized = 0;
    int _maximized = 0;
    // The frame to go back to from maximised.
    int _restoreX = 0;
    int _restoreY = 0;
    int _restoreW = 0;
    int _restoreH = 0;
    int _thickframe = 0;
    int _maximizebox = 0;
    // 255 unless the window is translucent.
    int _alpha = 255;
    int _layered = 0;
    Ref<TPixmap> _icon;
    int _clientX = 0;
    // The height of a toolbar above the client area.
    int _clientY = 0;

  protected:
    // The TPlatformWindow hooks.
    void ShowStatusText(const String& shown) override;
    // A window whose limits meet loses its sizing border; a resizable one gets it back.
    void ApplySizeLimits(bool maximum) override;
    // Lets the user pick the next queued choice.
    void TrackPopup(THeadlessMenu& popup) override;
    void ShowMenuBar() override;
    void AddFrame(int& x, int& y, int& w, int& h) override;

  private:
    int Caption() const;
    int Border() const;
    int MenuHeight() const;
    int StatusHeight() const;
    // Moves the frame as the platform would, within the minimum and maximum sizes, then takes
    // the rectangle it reports back as the gadget's and raises the events for what changed.
    void MoveFrame(int x, int y, int w, int h);
    void TakeNativeRect();
    void Maximize();
    void Restore();
};

} // namespace vandro

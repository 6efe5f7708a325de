// A top-level window: a region of the page with a title bar and close box, an optional menu bar,
// the client area that holds its gadgets and an optional status line of three fields. The user
// moves it by its title bar and, where its style lets them, sizes it by its edges and corners,
// minimises it to a bar along the bottom of the page and maximises it to fill the desktop. It
// raises the window events and, for its menus, "MenuAction"; its keys give the hot keys their
// turn and move the focus as on the desktop platforms.
#pragma once

#include "WebGadget.h"
#include "WebMenu.h"

#include "gui/kinds/PlatformWindow.h"

namespace vandro {

class TWebWindow : public TPlatformWindow<TWebGadget, TWebMenu> {
  public:
    ~TWebWindow() override;

    // The TGadget slots it overrides, in slot order.
    int CleanUp() override;
    int Free() override;
    // The frame goes where the rectangle puts it: the client area's rectangle with style
    // WindowClientCoords, the frame's without.
    int Rethink() override;
    int ClientWidth() override;
    int ClientHeight() override;
    // 0 focuses its first tab stop, or the window itself without one.
    int Activate(int command) override;
    int State() override;
    int SetAlpha(float alpha) override;
    int SetTooltip(const String& tip) override;
    // With flag 8 the window's icon, shown in its title bar.
    int SetPixmap(const Ref<TPixmap>& pixmap, int flags) override;
    // Shown, the window comes to the front and becomes the active one.
    int SetShow(int show) override;

    // The TWebGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int RethinkClient(int redraw) override;
    int ShowText(const String& text) override;
    int FocusElement() override;

    // Its own operations.
    // The user's press or focus went into the window: it becomes the active one.
    void Activated();
    // A key went down in the window: its hot keys take it first, then the arrows move among
    // push buttons and Tab round the tab stops. Answers whether the key is used up.
    bool KeyPressed(int key, int modifiers);
    // The pop-up menu being shown closed.
    void PopupClosed() { _popupOpen = false; }
    // The user dragged the frame to this rectangle of the page.
    void UserPlaced(int x, int y, int w, int h);

    // The height its toolbar takes between the menu bar and the client area, 0 for none.
    int _toolbarRoom = 0;

  protected:
    // The TPlatformWindow hooks.
    void ShowStatusText(const String& shown) override;
    // The page holds the user's drags to the limits; a window whose limits meet loses its
    // sizing edges, and one with a maximum its maximise box.
    void ApplySizeLimits(bool maximum) override;
    // At the pointer, until the user chose or dismissed it.
    void TrackPopup(TWebMenu& popup) override;
    void ShowMenuBar() override;
    // The border, title bar, menu bar and toolbar above, the status line below.
    void AddFrame(int& x, int& y, int& w, int& h) override;

  private:
    // A window without title bar and sizing edges has no border either.
    int Border() const;
    int DecorationAbove() const;
    int DecorationBelow() const;
    // Places the frame at the rectangle of the page and takes it as the window's.
    void PlaceFrame(int x, int y, int w, int h);
    void Maximize();
    void Restore();
    // Tells the page the window's state, its drag rules and whether it is shown.
    void ShowFrameState();

    bool _popupOpen = false;
    // StateMinimized and StateMaximized.
    int _windowstate = 0;
    // The frame to go back to from maximised.
    int _restoreX = 0;
    int _restoreY = 0;
    int _restoreW = 0;
    int _restoreH = 0;
    bool _maximizebox = false;
};

} // namespace vandro

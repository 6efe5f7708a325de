// A top-level window: a GtkWindow holding, top to bottom, an optional menu bar, the client
// area (a GtkFixed that holds its gadgets) and an optional status line of three fields. It
// raises the window events and, for its menus, "MenuAction".
#pragma once

#include "GtkGadget.h"
#include "GtkMenu.h"

#include "graphics/Pixmap.h"
#include "gui/kinds/PlatformWindow.h"

#include <array>
#include <chrono>

namespace vandro {

class TGtkWindow : public TPlatformWindow<TGtkGadget, TGtkMenu> {
  public:
    ~TGtkWindow() override;

    // The TGadget slots it overrides, in slot order.
    // The window leaves the screen before its gadgets are freed one by one.
    int CleanUp() override;
    int Free() override;
    int Rethink() override;
    int ClientWidth() override;
    int ClientHeight() override;
    int Activate(int command) override;
    int State() override;
    int SetAlpha(float alpha) override;
    int SetTooltip(const String& tip) override;
    // With flag 8 the window's icon.
    int SetPixmap(const Ref<TPixmap>& pixmap, int flags) override;
    // Shown, the window is presented and becomes the active one.
    int SetShow(int show) override;
    int SetEnabled(int enabled) override;

    // The TGtkGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int RethinkClient(int redraw) override;
    int ShowText(const String& text) override;
    String LookCss() override;
    // The window takes the keys while it is active and none of its gadgets has the focus.
    int HasKeyFocus() override;
    // None of its gadgets has the focus.
    int FocusElement() override;

    // Its own operations.
    // Connects the window's signals: the handlers in GtkWindowEvents.cpp.
    void ListenToEvents(GtkWidget* window, GtkWidget* client);
    // Takes where the platform put the window and raises "WindowMove" and "WindowSize" for
    // what changed.
    void TakeNativeRect();
    // The window manager drew its frame otherwise than before.
    void DecorationsChanged();
    // The window manager minimised, maximised or restored the window.
    void StateChanged(const GdkEventWindowState& change);
    // This window became active (or stopped being active).
    void ActiveChanged();
    // A key went down: a hot key of the window's takes it first. Answers whether the key is
    // used up.
    bool HotKeyPressed(const GdkEventKey& key);
    // An arrow key on a push button moves the focus to the next or the previous one.
    bool ArrowPressed(const GdkEventKey& key);
    // Tab and Shift+Tab move the focus round the window's tab stops in the order they were
    // made, not the order GTK would give them by place.
    bool TabPressed(const GdkEventKey& key);
    // The platform makes the window the active one before it goes on, as the Windows platform
    // does; a window manager that refuses the focus lets it go on after half a second.
    void WaitUntilActive();
    // Files dropped at (x, y) of the client area.
    void FilesDropped(const gchar* const* uris, int x, int y);
    // The labels of the status line's fields, null without one.
    GtkWidget* StatusLabel(int field) const;
    // The menu bar shown now, null without one.
    GtkWidget* MenuBar() const { return _menubar; }
    // Puts the toolbar's bar between the menu bar and the client area (null: the bar went).
    void HoldToolbar(GtkWidget* bar);
    // The height the toolbar takes from the window, 0 for none or a hidden one.
    int ToolbarHeight() const;

    GtkWidget* _box = nullptr;
    GtkWidget* _menubar = nullptr;
    GtkWidget* _toolbar = nullptr;
    GtkWidget* _status = nullptr;
    std::array<GtkWidget*, 3> _fields{};
    float _alpha = 1.0f;

  protected:
    // The TPlatformWindow hooks.
    void ShowStatusText(const String& shown) override;
    // The limits as the window's geometry hints, in the window's own measure; a window whose
    // limits meet cannot be resized at all.
    void ApplySizeLimits(bool maximum) override;
    // At the pointer, modal as the platform's pop-up menus are.
    void TrackPopup(TGtkMenu& popup) override;
    void ShowMenuBar() override;
    // The menu bar above and the status line below the client area.
    void AddFrame(int& x, int& y, int& w, int& h) override;

  private:
    // What the window manager's frame adds around the window: left, right, top, bottom; none
    // without a window manager.
    std::array<int, 4> Decorations();
    // The window manager, when there is one, has put its frame around the window.
    static bool Framed(GdkWindow* native);
    // Where the realised window's frame is now: x, y, width, height.
    std::array<int, 4> NativeFrame();
    // The frame reported is a step towards the one the program asked for.
    bool OnItsWay(const std::array<int, 4>& frame);
    // Looks at the frame again once the program's own placement has had its time: the user may
    // have moved the window meanwhile, and no further report may come.
    void RecheckWhenDue();
    int MenuHeight() const;
    int StatusHeight() const;
    void Present();
    // Moves the frame at (x, y) onto the desktop's work area, and the window's position with it.
    void KeepOnWorkArea(int& x, int& y, int w, int h);

    // A window shown for the first time maps its client area when GTK next runs, with all the
    // program put in it meanwhile, rather than each gadget as it comes; 0 once it is mapped.
    guint _reveal = 0;
    // StateMinimized and StateMaximized as the program set them or the window manager last
    // reported them: the manager carries a request out later, the program reads it back at once.
    int _windowstate = 0;
    // The window manager was asked for the frame it will put around the window.
    bool _askedDecorations = false;
    // The window manager framed the shown window, which then reports its real places and sizes.
    bool _framed = false;
    // The frame the program asked for last, and until when the window may still be on its way
    // there.
    std::array<int, 4> _asked{};
    std::chrono::steady_clock::time_point _askedUntil;
    // The decorations that frame was measured with.
    std::array<int, 4> _askedWith{};
    guint _recheck = 0;
};

} // namespace vandro

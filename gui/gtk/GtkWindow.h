// A top-level window: a GtkWindow holding, top to bottom, an optional menu bar, the client
// area (a GtkFixed that holds its gadgets) and an optional status line of three fields. It
// raises the window events and, for its menus, "MenuAction".
#pragma once

#include "GtkGadget.h"

#include "graphics/Pixmap.h"

#include <array>

namespace vandro {

class TGtkMenu;

class TGtkWindow : public TGtkGadget {
  public:
    ~TGtkWindow() override;

    // The TGadget slots it overrides, in slot order.
    int DoLayout() override;
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
    // Windows take no mouse events of their own.
    int SetSensitivity(int flags) override;
    int Class() override;
    // The text as set, without the spaces a resizable window pads it with.
    String GetStatusText() override;
    int SetStatusText(const String& text) override;
    // The root of the window's menu tree, made on first use.
    Ref<TGadget> GetMenu() override;
    // Shows the pop-up menu at the pointer until it closes; a choice raises its "MenuAction"
    // with extra as the event's extra.
    int PopupMenu(const Ref<TGadget>& menu, const Object& extra) override;
    // Rebuilds the menu bar from the menu tree.
    int UpdateMenu() override;
    int SetMinimumSize(int width, int height) override;
    int SetMaximumSize(int width, int height) override;

    // The TGtkGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int isControl() override;
    int RethinkClient(int redraw) override;
    int ShowText(const String& text) override;
    String LookCss() override;
    // The window takes the keys while it is active and none of its gadgets has the focus.
    int HasKeyFocus() override;

    // Its own operations.
    // A menu command of the window's menus: "MenuAction" with the menu's tag.
    virtual int HandleMenuEvent(int id);
    // Turns a client rectangle into the window's for a window with client coordinates.
    virtual int ConvertToContainerDimensions(int& x, int& y, int& w, int& h);

    // Takes where the platform put the window and raises "WindowMove" and "WindowSize" for
    // what changed.
    void TakeNativeRect();
    // This window became active (or stopped being active).
    void ActiveChanged();
    // A key went down: a hot key of the window's takes it first. Answers whether the key is
    // used up.
    bool HotKeyPressed(const GdkEventKey& key);
    // An arrow key on a push button moves the focus to the next or the previous one.
    bool ArrowPressed(const GdkEventKey& key);
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

    int _minwidth = 0;
    int _minheight = 0;
    int _maxwidth = -1;
    int _maxheight = -1;
    Ref<TGtkMenu> _menu;
    String _statustext;
    Object popupextra;
    GtkWidget* _box = nullptr;
    GtkWidget* _menubar = nullptr;
    GtkWidget* _toolbar = nullptr;
    GtkWidget* _status = nullptr;
    std::array<GtkWidget*, 3> _fields{};
    float _alpha = 1.0f;

  private:
    int MenuHeight() const;
    int StatusHeight() const;
    void ApplySizeHints();
    void WaitUntilActive();
    void Present();
};

} // namespace vandro

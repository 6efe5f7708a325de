// Gadget class 1: a top-level window, or one owned by another window, with an optional title
// bar, sizing border, menu bar and status line around a client-area child window that holds
// its gadgets. It raises "WindowMove", "WindowSize", "WindowClose", "WindowActivate",
// "WindowAccept" and, for its menus, "MenuAction"; it places itself by its frame or, with
// style 0x20, by its client area.
#pragma once

#include "WindowsGadget.h"
#include "WindowsMenu.h"

namespace vandro {

class TWindowsWindow : public TWindowsGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    // A window is not laid out by its group.
    int DoLayout() override;
    int Rethink() override;
    int ClientWidth() override;
    int ClientHeight() override;
    // 0 focuses the first tab stop inside (or the window); 4, 5, 6 minimise, maximise,
    // restore; 13 redraws.
    int Activate(int command) override;
    int State() override;
    // 1.0 makes the window opaque again; below that it is layered.
    int SetAlpha(float alpha) override;
    int SetTooltip(const String& text) override;
    // With flag 8 the window's icon; null goes back to the class's.
    int SetPixmap(const Ref<TPixmap>& pixmap, int flags) override;
    // Without passing the state on to the gadgets inside.
    int SetEnabled(int enable) override;
    // Windows never take mouse sensitivity.
    int SetSensitivity(int flags) override;
    int Class() override;
    // The text as set, without the spaces a resizable window pads it with.
    String GetStatusText() override;
    int SetStatusText(const String& text) override;
    // The root of the window's menu tree, made on first use.
    Ref<TGadget> GetMenu() override;
    // Tracks the menu at the mouse pointer; the choice raises "MenuAction" with extra.
    int PopupMenu(const Ref<TGadget>& menu, const Object& extra) override;
    // Rebuilds the menu bar from the menu tree.
    int UpdateMenu() override;
    int SetMinimumSize(int w, int h) override;
    int SetMaximumSize(int w, int h) override;

    // The TWindowsGadget slots it overrides.
    Ref<TWindowsGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int isControl() override;
    int RethinkClient(int redraw) override;
    // The messages of the frame and of its client window.
    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    // Command ids above 100 are menu commands.
    LRESULT OnCommand(UINT msg, WPARAM wParam) override;
    int FlushBrushes(int flag) override;

    // Its own operations.
    // The focus search: the first child window (depth first) that is a tab stop.
    static BOOL CALLBACK EnumChildProc(HWND hwnd, LPARAM lParam);
    // "MenuAction" for the menu of the command id, whatever the window's event gate says.
    virtual int HandleMenuEvent(UINT msg, int id);
    // The gadget's rectangle in the window's device pixels; with style 0x20 it is the client's
    // and becomes the frame's: answers 1 then, else 0.
    virtual int ConvertToContainerDimensions(int& x, int& y, int& w, int& h);

    // The status line's height in device pixels, 0 without one.
    int StatusHeight() const;

    DWORD _wstyle = 0;
    DWORD _xstyle = 0;
    int _minwidth = 0;
    int _minheight = 0;
    // A maximum below the minimum means none.
    int _maxwidth = -1;
    int _maxheight = -1;
    Ref<TWindowsMenu> _menu;
    // The menu bar made with the window, until the first UpdateMenu replaces it.
    HMENU _hmenu = nullptr;
    HWND _status = nullptr;
    String _statustext;
    // The extra of the pop-up menu being tracked.
    Object popupextra;

  private:
    // The frame's rectangle for the gadget's, with style 0x20 the client's, as the window
    // reports it now, in the toolkit's units.
    RECT NativeRect();
    // The frame's widths around the client area at the window's resolution, in device pixels.
    RECT FrameWidths(BOOL menu) const;
    void ApplyStyle(DWORD style);
};

} // namespace vandro

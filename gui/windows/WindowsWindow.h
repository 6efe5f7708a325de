// Gadget class 1: a top-level window, or one owned by another window, with an optional title
// bar, sizing border, menu bar and status line around a client-area child window that holds
// its gadgets. It raises "WindowMove", "WindowSize", "WindowClose", "WindowActivate",
// "WindowAccept" and, for its menus, "MenuAction"; it places itself by its frame or, with
// style 0x20, by its client area.
#pragma once

#include "WindowsGadget.h"
#include "WindowsMenu.h"

#include "gui/kinds/PlatformWindow.h"

namespace vandro {

class TWindowsWindow : public TPlatformWindow<TWindowsGadget, TWindowsMenu> {
  public:
    // The TGadget slots it overrides, in slot order.
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

    // The TWindowsGadget slots it overrides.
    Ref<TWindowsGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int RethinkClient(int redraw) override;
    // The messages of the frame and of its client window.
    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    // Command ids above 100 are menu commands.
    LRESULT OnCommand(UINT msg, WPARAM wParam) override;
    int FlushBrushes(int flag) override;

    // Its own operations.
    // The focus search: the first child window (depth first) that is a tab stop.
    static BOOL CALLBACK EnumChildProc(HWND hwnd, LPARAM lParam);
    // The rectangle in the window's device pixels, the frame's for one given by its client area.
    int ConvertToContainerDimensions(int& x, int& y, int& w, int& h) override;
    // The frame measured in pixels, added in units.
    int AddWindowFrame(int& x, int& y, int& w, int& h) override;

    // Gives the top rows of the client area, in device pixels, to a toolbar.
    void SetToolbarRoom(int room);
    // The status line's height in device pixels, 0 without one.
    int StatusHeight() const;
    // The client area the program lays its gadgets out in, between the toolbar's room and the
    // status line, in device pixels.
    SIZE ClientPixels();

    DWORD _wstyle = 0;
    DWORD _xstyle = 0;
    // The menu bar made with the window, until the first UpdateMenu replaces it.
    HMENU _hmenu = nullptr;
    HWND _status = nullptr;
    // Device pixels the frame grows by once restored: its toolbar came, went or changed height
    // while the system kept the window maximised or minimised.
    int _restoredGrowth = 0;
    // While WM_DPICHANGED resizes the window for the new resolution.
    bool _changingDpi = false;

  protected:
    // The TPlatformWindow hooks.
    void ShowStatusText(const String& shown) override;
    // A window whose limits meet loses its sizing border, a resizable one gets it back, and a
    // maximum takes the maximise box away; the frame is drawn anew when its style changed.
    void ApplySizeLimits(bool maximum) override;
    // At the mouse pointer.
    void TrackPopup(TWindowsMenu& popup) override;
    void ShowMenuBar() override;
    // In device pixels: what the frame adds at the window's resolution, with the toolbar and
    // the status line.
    void AddFrame(int& x, int& y, int& w, int& h) override;

  private:
    // The frame's rectangle for the gadget's, with style 0x20 the client's, as the window
    // reports it now, in the toolkit's units.
    RECT NativeRect();
    // Takes the native rectangle as the gadget's, with the events for what changed.
    void TakeNativeRect();
    // After WM_DPICHANGED, at the place the system suggests (if any).
    void TakeNewDpiFrame(const RECT* suggested);
    // The frame's size for the gadget's client area at that resolution, in its device pixels:
    // the caption, menu bar and borders, the toolbar and the status line as they are there.
    SIZE FrameSizeForDpi(int dpi);
    int StatusHeightForDpi(int dpi);
    // The frame's widths around the client area at the window's resolution, in device pixels.
    RECT FrameWidths(BOOL menu) const;
    RECT FrameWidths(BOOL menu, int dpi) const;
};

} // namespace vandro

// The base of every gadget backed by a native window: the window handle (and a client-area
// handle for gadgets that hold others) registered with the driver, geometry with the children
// moved in one deferred-positioning batch, the text, font, colours and tip the core keeps shown
// on the window, the brushes that let a control look transparent over its parent, visibility
// and enabling.
#pragma once

#include "WindowsFont.h"
#include "events/windows/Win32.h"

#include "gui/kinds/PlatformGadget.h"

#include <string>

namespace vandro {

class TWindowsGadget : public TPlatformGadget {
  public:
    // The slots below keep their order: the platform's gadget classes override them by slot.
    int LayoutKids() override;
    int Rethink() override;
    int ClientWidth() override;
    int ClientHeight() override;
    int Activate(int command) override;
    // The window's text, which the native control may have changed since the program set it.
    String GetText() override;

    // Makes the native window(s) inside the group's client handle and registers them.
    virtual Ref<TWindowsGadget> Create(const Ref<TGadget>& group, int style,
                                       const String& text) = 0;
    // 0 when the gadget has no background of its own.
    virtual HBRUSH BgBrush();
    // Registers the handles; a native control of another class than the driver's two is
    // subclassed so that its messages reach the driver's window procedure.
    virtual int Register(int gadgetClass, HWND hwnd, HWND hwndclient, int tooltips);
    // A tooltip window of the gadget's own, for controls with tips per part.
    virtual int SetupToolTips();
    int isTabbable() override;
    int isControl() override;
    int FocusElement() override;
    virtual int RethinkClient(int redraw);
    virtual LRESULT OnNotify(WPARAM wParam, LPARAM lParam);
    virtual LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam);
    // 0 when the gadget did not handle the command.
    virtual LRESULT OnCommand(UINT msg, WPARAM wParam);
    // Nonzero when the item was drawn.
    virtual int OnDrawItem(const DRAWITEMSTRUCT& item);
    // The brush a transparent-looking control paints its background with.
    virtual HBRUSH CreateControlBrush(HWND hwnd, HDC dc);
    // 1 when a cached brush was deleted.
    virtual int FlushBrushes(int flag);
    virtual HBRUSH DrawBackground(HDC dc, HWND hwnd);
    // Paints the parent's background under the control into dc; answers the null brush.
    static HBRUSH DrawParentBackground(HDC dc, HWND hwnd, int flag);
    virtual int StartResize();
    virtual int QueueResize(HWND hwnd, int x, int y, int w, int h);
    virtual int EndResize();
    // Called once the gadget's window has been moved, after the whole batch was applied.
    virtual int HasResized();
    virtual int RefreshLook();

    HWND _hwnd = nullptr;
    HWND _hwndclient = nullptr;
    HWND _tooltips = nullptr;
    // The native control's own procedure, saved when Register subclassed it.
    WNDPROC _proc = nullptr;
    // ((y & 0xFFFF) << 16) + (x & 0xFFFF) of the last mouse position reported.
    int _oldcursorlp = 0;
    HBRUSH _bgbrush = nullptr;
    // The parent's background under the control, and the bitmap behind it.
    HBRUSH _hbrush = nullptr;
    HBITMAP _hbitmap = nullptr;
    HBITMAP _bitmap = nullptr;
    HICON _iconBitmap = nullptr;
    HTHEME _hTheme = nullptr;
    // The tip as the native tooltip shows it, lines separated by CR LF; empty when none.
    std::wstring _wstrTooltip;
    int _toolAdded = 0;
    // Where the client area starts inside the gadget's own, in device pixels: a pixel measure
    // kept in units would come back a pixel off at other resolutions.
    int _clientX = 0;
    int _clientY = 0;
    HDWP hdwpStruct = nullptr;

  protected:
    // The client area inside the gadget's rectangle, as the native window measures it, in units.
    RECT ClientArea();
    int NativeHandle(int client) override;
    int FreeElement() override;
    int ElementVisible() override;
    int ShowElement(int show) override;
    int ShowText(const String& text) override;
    int ShowTooltip() override;
    Ref<TGuiFont> NativeFont(const Ref<TGuiFont>& font) override;
    // A font of another platform is sent as it is; none sends the default font.
    int ShowFont(const Ref<TGuiFont>& font) override;
    int ShowBackground(int on) override;
    int ShowEnabled(int enabled) override;
};

} // namespace vandro

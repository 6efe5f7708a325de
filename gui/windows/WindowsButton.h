// Gadget class 2: a push button, check box, radio button, OK or Cancel button (bit 8 makes a
// check box or radio button look pushed). A push button with a colour is drawn by the button
// itself, themed where visual styles are on.
#pragma once

#include "WindowsGadget.h"

#include "gui/kinds/PlatformButton.h"

namespace vandro {

class TWindowsButton : public TPlatformButton<TWindowsGadget> {
  public:
    // The TGadget slot it overrides: releases the image list and the fallback bitmap too.
    int Free() override;

    // The TWindowsGadget slots it overrides.
    Ref<TWindowsGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    // Hover tracking, double clicks as two presses, theme changes, no background erase.
    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnCommand(UINT msg, WPARAM wParam) override;
    int OnDrawItem(const DRAWITEMSTRUCT& item) override;

    // Its own operation: a one-image list made from the pixmap, 32-bit with alpha where the
    // controls can show it.
    static HIMAGELIST BuildImageList(const Ref<TPixmap>& pixmap);

    // The image list record the control is given; himl 0 while the button has no image.
    BUTTON_IMAGELIST _buttonImageList{};
    int _mouseoverbutton = 0;

  protected:
    // The TPlatformButton slots it overrides.
    int NativeCheck() override;
    void ShowCheck(int check) override;
    int ShowImage(const Ref<TPixmap>& pixmap, bool imageOnly) override;
    bool ShowsImage() override { return _buttonImageList.himl || _bitmap; }
    void ShowOwnerDrawn(bool on) override;
    void ShowUnthemed() override;

  private:
    // The themed or classic face of an owner-drawn button; answers the content rectangle.
    RECT DrawFace(HDC dc, RECT& frame, const DRAWITEMSTRUCT& item);
};

} // namespace vandro

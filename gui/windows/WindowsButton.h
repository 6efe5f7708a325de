// Gadget class 2: a push button, check box, radio button, OK or Cancel button, by the low three
// bits of its style (bit 8 makes a check box or radio button look pushed, and lets a push
// button show an image). A push button with a colour is drawn by the button itself, themed
// where visual styles are on; a click raises "GadgetAction" with the state after it.
#pragma once

#include "WindowsGadget.h"

#include "graphics/Pixmap.h"

namespace vandro {

class TWindowsButton : public TWindowsGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    // Releases the image list and the fallback bitmap too.
    int Free() override;
    // With 0x10 checked, and 0x40 as well when indeterminate.
    int State() override;
    // Kept even while an image-only button shows no text.
    int SetText(const String& text) override;
    String GetText() override;
    // A colour makes a push button owner-drawn.
    int SetColor(int red, int green, int blue) override;
    int RemoveColor() override;
    int SetTextColor(int red, int green, int blue) override;
    // With flag 8 an image, on a push button with style bit 8 or a Cancel button; flag 16
    // shows it without the text. 1 when the image was taken.
    int SetPixmap(const Ref<TPixmap>& pixmap, int flags) override;
    // 0 unchecked, -1 indeterminate (check boxes only), anything else checked.
    int SetSelected(int state) override;
    int Class() override;

    // The TWindowsGadget slots it overrides.
    Ref<TWindowsGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    // Hover tracking, double clicks as two presses, theme changes, no background erase.
    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnCommand(UINT msg, WPARAM wParam) override;
    int OnDrawItem(const DRAWITEMSTRUCT& item) override;

    // Its own operation: a one-image list made from the pixmap, 32-bit with alpha where the
    // controls can show it.
    static HIMAGELIST BuildImageList(const Ref<TPixmap>& pixmap);

    // ButtonPush, ButtonCheckBox, ButtonRadio, ButtonOk or ButtonCancel: style & 7, with 1, 6
    // and 7 as push buttons.
    int Kind() const;

    // The image list record the control is given; himl 0 while the button has no image.
    BUTTON_IMAGELIST _buttonImageList{};
    String _strButtonText;
    int _mouseoverbutton = 0;

  private:
    // Owner drawing on or off for a push button.
    void SetOwnerDraw(bool on);
    // The themed or classic face of an owner-drawn button; answers the content rectangle.
    RECT DrawFace(HDC dc, RECT& frame, const DRAWITEMSTRUCT& item);
};

} // namespace vandro

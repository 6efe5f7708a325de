// A button: push button, check box, radio button, OK or Cancel, by the low three bits of its
// style. A press raises "GadgetAction" with the button's state after the press.
#pragma once

#include "HeadlessGadget.h"

#include "graphics/Pixmap.h"

namespace vandro {

class THeadlessButton : public THeadlessGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    int Free() override;
    // With 0x10 checked, and 0x40 as well when indeterminate.
    int State() override;
    // The text is kept even while an image-only button shows none.
    int SetText(const String& text) override;
    String GetText() override;
    // A colour makes a push button owner-drawn.
    int SetColor(int red, int green, int blue) override;
    int RemoveColor() override;
    int SetTextColor(int red, int green, int blue) override;
    // With flag 8 an image, on a push button with style bit 8 or a Cancel button; flag 16
    // shows the image without the text. Answers 1 when the image was taken.
    int SetPixmap(const Ref<TPixmap>& pixmap, int flags) override;
    // 0 unchecked, -1 indeterminate (check boxes only), anything else checked.
    int SetSelected(int state) override;
    int Class() override;

    // The THeadlessGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int isTabbable() override;

    // The user clicks the button; 1 when it could be clicked.
    int UserPress();

    int Kind() const;

    String _strButtonText;
    // 0 unchecked, 1 checked, 2 indeterminate.
    int _check = 0;
    Ref<TPixmap> _image;
    int _imageOnly = 0;
    int _ownerdraw = 0;
    int _themeOff = 0;
};

} // namespace vandro

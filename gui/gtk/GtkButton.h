// A button: push button, check box, radio button, OK or Cancel, by the low three bits of its
// style. A click raises "GadgetAction" with the button's state after the click. A colour
// replaces the theme's face with a flat one of that colour, as the owner-drawn buttons of the
// Windows platform do.
#pragma once

#include "GtkGadget.h"

#include "graphics/Pixmap.h"

namespace vandro {

class TGtkButton : public TGtkGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    // With 0x10 checked, and 0x40 as well when indeterminate.
    int State() override;
    // The text is kept even while an image-only button shows none.
    String GetText() override;
    // With flag 8 an image, on a push button with style bit 8 or a Cancel button; flag 16
    // shows the image without the text. Answers 1 when the image was taken.
    int SetPixmap(const Ref<TPixmap>& pixmap, int flags) override;
    // 0 unchecked, -1 indeterminate (check boxes only), anything else checked.
    int SetSelected(int state) override;
    int Class() override;

    // The TGtkGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int isTabbable() override;
    int RefreshLook() override;
    int ShowText(const String& text) override;

    // The button was clicked, by the user or the keyboard.
    void Clicked();
    int Kind() const;
    // The label that shows the button's text.
    GtkWidget* TextLabel() const { return _label; }

    String _strButtonText;
    int _imageOnly = 0;
    GtkWidget* _label = nullptr;
    GtkWidget* _image = nullptr;
    GtkCssProvider* _labelProvider = nullptr;

  private:
    bool IsToggle() const;
    // Puts an image in front of the label, once.
    void HoldImage();
    void SetCheckState(bool active, bool inconsistent);
};

} // namespace vandro

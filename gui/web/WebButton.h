// A button: a <button> for push buttons, a labelled checkbox or radio <input> for the others.
// A check box or radio button that looks like a push button is a <button> pressed in while
// checked. A colour gives a push button a flat face of that colour; an image goes in front of
// the text, or stands alone in an image-only button.
#pragma once

#include "WebGadget.h"

#include "gui/kinds/PlatformButton.h"

namespace vandro {

class TWebButton : public TPlatformButton<TWebGadget> {
  public:
    // The TWebGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int isTabbable() override { return 1; }
    int ShowText(const String& text) override;

    // The user pressed the button, with the mouse, a tap or the keyboard.
    void Pressed();
    // Shown as a <button>: a push button, or a check box or radio button that looks like one.
    bool IsPushElement() const;

  protected:
    // The TPlatformButton slots it overrides.
    int NativeCheck() override;
    void ShowCheck(int check) override;
    int ShowImage(const Ref<TPixmap>& pixmap, bool imageOnly) override;
    // The text is left out instead.
    bool ShowsImage() override { return false; }

  private:
    bool _imageOnly = false;
};

} // namespace vandro

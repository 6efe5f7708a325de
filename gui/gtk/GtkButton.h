// A button: a GTK button, check button or radio button. A colour replaces the theme's face with
// a flat one of that colour, as the owner-drawn buttons of the Windows platform do.
#pragma once

#include "GtkGadget.h"

#include "gui/kinds/PlatformButton.h"

namespace vandro {

class TGtkButton : public TPlatformButton<TGtkGadget> {
  public:
    ~TGtkButton() override;

    // The TGtkGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int isTabbable() override { return 1; }
    int RefreshLook() override;
    int ShowText(const String& text) override;

    // The button was clicked, by the user or the keyboard.
    void Clicked();
    // The label that shows the button's text.
    GtkWidget* TextLabel() const { return _label; }

    int _imageOnly = 0;
    GtkWidget* _label = nullptr;
    GtkWidget* _image = nullptr;
    GtkCssProvider* _labelProvider = nullptr;
    // A radio button's hidden partner in its group of two.
    GtkWidget* _standIn = nullptr;

  protected:
    int FreeElement() override;
    // The TPlatformButton slots it overrides; the colours show through the look.
    int NativeCheck() override;
    void ShowCheck(int check) override;
    int ShowImage(const Ref<TPixmap>& pixmap, bool imageOnly) override;
    // The label is hidden instead.
    bool ShowsImage() override { return false; }

  private:
    bool IsToggle() const;
    // Puts an image in front of the label, once.
    void HoldImage();
    void SetCheckState(bool active, bool inconsistent);
};

} // namespace vandro

// A button, kept in memory.
#pragma once

#include "HeadlessGadget.h"

#include "gui/kinds/PlatformButton.h"

namespace vandro {

class THeadlessButton : public TPlatformButton<THeadlessGadget> {
  public:
    // The TGadget slot it overrides.
    int Free() override;

    // The THeadlessGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int isTabbable() override { return 1; }

    // The user clicks the button; 1 when it could be clicked.
    int UserPress();

    // 0 unchecked, 1 checked, 2 indeterminate.
    int _check = 0;
    Ref<TPixmap> _image;
    int _imageOnly = 0;
    int _ownerdraw = 0;
    int _themeOff = 0;

  protected:
    // The TPlatformButton slots it overrides.
    int NativeCheck() override { return Alive() ? _check : 0; }
    void ShowCheck(int check) override { _check = check; }
    int ShowImage(const Ref<TPixmap>& pixmap, bool imageOnly) override;
    bool ShowsImage() override { return _image != nullptr; }
    void ShowOwnerDrawn(bool on) override { _ownerdraw = on ? 1 : 0; }
    void ShowUnthemed() override { _themeOff = 1; }
};

} // namespace vandro

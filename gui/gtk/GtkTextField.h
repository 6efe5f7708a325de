// A single-line text field (a password field with style bit 1) on a GTK entry. Key presses
// pass the gadget's filter first.
#pragma once

#include "GtkGadget.h"

#include "gui/kinds/PlatformTextField.h"

namespace vandro {

class TGtkTextField : public TPlatformTextField<TGtkGadget> {
  public:
    // The TGadget slot it overrides: what the entry holds now, the user's typing included.
    String GetText() override;

    // The TGtkGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int isTabbable() override;
    String LookCss() override;
    // Keeps the selection, and the end the caret is at.
    int ShowText(const String& text) override;

  protected:
    void SelectAllNative() override;
    // To the start of the text.
    void CollapseSelection() override;
};

} // namespace vandro

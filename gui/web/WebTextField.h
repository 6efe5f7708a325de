// A single-line text field (a password field with style bit 1) on an <input>. Key presses pass
// the gadget's filter first.
#pragma once

#include "WebGadget.h"

#include "gui/kinds/PlatformTextField.h"

namespace vandro {

class TWebTextField : public TPlatformTextField<TWebGadget> {
  public:
    // The TGadget slot it overrides: what the field holds now, the user's typing included.
    String GetText() override;

    // The TWebGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int isTabbable() override { return 1; }
    // Keeps the selection, and the end the caret is at.
    int ShowText(const String& text) override;

  protected:
    void SelectAllNative() override;
    // To the start of the text.
    void CollapseSelection() override;
};

} // namespace vandro

// A single-line text field (a password field with style bit 1). Every change the user makes
// raises "GadgetAction"; the program's own SetText raises nothing and keeps the selection;
// losing the focus raises "GadgetLostFocus" and collapses the selection to its start. Key
// presses pass the gadget's filter first.
#pragma once

#include "GtkGadget.h"

namespace vandro {

class TGtkTextField : public TGtkGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    // Focus (0) selects the whole text first.
    int Activate(int command) override;
    int SetText(const String& text) override;
    // What the entry holds now, the user's typing included.
    String GetText() override;
    int Class() override;

    // The TGtkGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int isTabbable() override;
    String LookCss() override;
    int ShowText(const String& text) override;

    // The entry's text changed; lost the focus.
    void Changed();
    void FocusLost();

    // Non-zero while the driver itself changes the text.
    int _busy = 0;
};

} // namespace vandro

// Gadget class 4: a single-line text (a password field with style bit 1). Every change the
// user makes raises "GadgetAction"; the program's own SetText raises nothing and keeps the
// caret; losing the focus raises "GadgetLostFocus". Key presses pass the gadget's filter.
#pragma once

#include "WindowsGadget.h"

namespace vandro {

class TWindowsTextField : public TWindowsGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    // Focus (0) selects the whole text first.
    int Activate(int command) override;
    int SetText(const String& text) override;
    int Class() override;

    // The TWindowsGadget slots it overrides.
    Ref<TWindowsGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnCommand(UINT msg, WPARAM wParam) override;

    // Non-zero while the driver itself changes the text.
    int _busy = 0;
};

} // namespace vandro

// Gadget class 4: a single-line text (a password field with style bit 1) on an EDIT control.
// Key presses pass the gadget's filter.
#pragma once

#include "WindowsGadget.h"

#include "gui/kinds/PlatformTextField.h"

namespace vandro {

class TWindowsTextField : public TPlatformTextField<TWindowsGadget> {
  public:
    // The TWindowsGadget slots it overrides.
    Ref<TWindowsGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
    LRESULT OnCommand(UINT msg, WPARAM wParam) override;

  protected:
    // Keeps the selection.
    int ShowText(const String& text) override;
    void SelectAllNative() override;
    // To the start of the text.
    void CollapseSelection() override;
};

} // namespace vandro

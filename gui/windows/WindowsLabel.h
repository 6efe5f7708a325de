// Gadget class 12: a static text. An ampersand shows as itself.
#pragma once

#include "WindowsGadget.h"

#include "gui/kinds/PlatformLabel.h"

namespace vandro {

class TWindowsLabel : public TPlatformLabel<TWindowsGadget> {
  public:
    // The TWindowsGadget slots it overrides.
    Ref<TWindowsGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    // The background is painted with the text, never erased.
    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;
};

} // namespace vandro

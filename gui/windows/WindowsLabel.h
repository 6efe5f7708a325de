// Gadget class 12: a static text, aligned left, right or centred, with no frame, a plain or a
// sunken frame, or drawn as a separator line (style & 7 = 3). An ampersand shows as itself.
#pragma once

#include "WindowsGadget.h"

#include "gui/GadgetConstants.h"

namespace vandro {

class TWindowsLabel : public TWindowsGadget {
  public:
    // The TGadget slots it overrides, in slot order.
    // A separator's shorter side is 2 pixels.
    int SetArea(int x, int y, int w, int h) override;
    // A separator shows no text.
    int SetText(const String& text) override;
    int Class() override;

    // The TWindowsGadget slots it overrides.
    Ref<TWindowsGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    // The background is painted with the text, never erased.
    LRESULT WndProc(HWND hwnd, UINT msg, WPARAM wParam, LPARAM lParam) override;

    bool IsSeparator() const { return (style & 7) == LabelSeparator; }
};

} // namespace vandro

// A panel: a container with an optional border, a captioned group frame with an inner client
// area, or (THeadlessCanvas) a surface the program paints itself. Plain panels keep a
// background colour, a background image with its layout flags, and an opacity.
#pragma once

#include "HeadlessGadget.h"

#include "graphics/Pixmap.h"
#include "gui/kinds/PlatformPanel.h"

namespace vandro {

class THeadlessPanel : public TPlatformPanel<THeadlessGadget> {
  public:
    // The TGadget slots it overrides, in slot order.
    int Free() override;
    int Class() override;
    // Keeps the flags; a plain panel has no painter (a canvas has).
    Object AttachGraphics(int flags) override;

    // The THeadlessGadget slots it overrides.
    // Style 3 is a group frame, bit 4 makes the panel report mouse and keys, bit 8 a canvas.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;
    int BorderWidth() override;

    Ref<TPixmap> _background;
    int _graphicsflags = 0;

  protected:
    void ShowBackground(const Ref<TPixmap>& pixmap) override { _background = pixmap; }
};

} // namespace vandro

// A canvas: a panel the program paints itself. It never paints a background, and each time
// the platform asks it to paint it raises one "GadgetPaint"; its painter records what the
// program draws.
#pragma once

#include "HeadlessCanvasPainter.h"
#include "HeadlessPanel.h"

namespace vandro {

class THeadlessCanvas : public THeadlessPanel {
  public:
    // Releases the painter too.
    int Free() override;
    // Redrawing asks for a paint without erasing.
    int Activate(int command) override;
    int Class() override;
    // A new painter in place of (and releasing) the one before; answers null, as on Win32.
    Object AttachGraphics(int flags) override;
    // The painter, null before graphics are attached.
    Object CanvasGraphics() override;
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;

    // The platform asks the canvas to paint, as after it was uncovered or redrawn.
    int UserPaint();

    // A paint has been asked for and not yet done.
    int _invalid = 0;
    Ref<THeadlessCanvasPainter> _painter;
};

} // namespace vandro

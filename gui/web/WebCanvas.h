// A canvas: a panel the program paints itself through its painter, into a <canvas> whose backing
// store follows the device pixel ratio. The page asks for one "GadgetPaint" when the canvas
// shows at a new size (made, resized, shown again) and after a redraw the program asked for,
// requests before the paint being one.
#pragma once

#include "WebPanel.h"

namespace vandro {

class TWebCanvas : public TWebPanel {
  public:
    // The TGadget slots it overrides, in slot order.
    // A redraw asks the page for a paint and answers 1.
    int Activate(int command) override;
    int Class() override;

    // The TWebGadget slots it overrides.
    Ref<TGadget> Create(const Ref<TGadget>& group, int style, const String& text) override;

  protected:
    Ref<TCanvasPainter> NewPainter() override;
};

} // namespace vandro

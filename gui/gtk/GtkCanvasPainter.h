// The canvas painter on GTK: cairo drawing into its canvas's back buffer, which the canvas
// shows at GTK's next frame. Released with the canvas or when new graphics are attached.
#pragma once

#include "gui/CanvasPainter.h"

#include <cairo.h>

namespace vandro {

class TGtkCanvas;

class TGtkCanvasPainter : public TCanvasPainter {
  public:
    // Bound to the canvas, which releases it before it goes.
    static Ref<TGtkCanvasPainter> Attach(TGtkCanvas* canvas);

    int Detach() override;

    int Detached() const { return _canvas == nullptr; }

  protected:
    // Draws on a context of the canvas's buffer in the call's colour.
    int Paint(const TPaintCall& call) override;

  private:
    TGtkCanvas* _canvas = nullptr;
};

} // namespace vandro

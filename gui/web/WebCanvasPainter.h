// The canvas painter on the web: each call drawn at once on its canvas's <canvas>, which the
// browser shows at its next frame. Released with the canvas or when new graphics are attached.
#pragma once

#include "gui/CanvasPainter.h"

namespace vandro {

class TWebCanvas;

class TWebCanvasPainter : public TCanvasPainter {
  public:
    // Bound to the canvas, which releases it before it goes.
    static Ref<TWebCanvasPainter> Attach(TWebCanvas* canvas);

    int Detach() override;

  protected:
    int Paint(const TPaintCall& call) override;

  private:
    TWebCanvas* _canvas = nullptr;
};

} // namespace vandro

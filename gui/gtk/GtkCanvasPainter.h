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

    int FillRect(int x, int y, int w, int h, int colour) override;
    int FrameRect(int x, int y, int w, int h, int colour) override;
    int DrawLine(int x1, int y1, int x2, int y2, int colour) override;
    int DrawString(int x, int y, const String& text, const Ref<TGuiFont>& font,
                   int colour) override;
    int DrawPixmap(const Ref<TPixmap>& pixmap, int x, int y) override;
    int Detach() override;

    int Detached() const { return _canvas == nullptr; }

  private:
    // Runs draw on a context of the canvas's buffer in the colour; 0 once released.
    template <typename Draw> int Drawn(int colour, Draw draw);

    TGtkCanvas* _canvas = nullptr;
};

} // namespace vandro

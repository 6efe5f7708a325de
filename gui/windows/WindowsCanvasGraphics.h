// The canvas painter on Win32: a drawing target bound to the canvas's window, released with the
// canvas. It draws with GDI straight onto the
// screen (no back buffer), so a program paints again on every "GadgetPaint". Handles travel as
// ints, so programs use it without the platform's headers.
#pragma once

#include "gui/CanvasPainter.h"

namespace vandro {

class TWindowsCanvasGraphics : public TCanvasPainter {
  public:
    // Bound to the window (a handle as Query(1) answers it).
    static Ref<TWindowsCanvasGraphics> Attach(int hwnd);

    int Detach() override;

    int Window() const { return _hwnd; }
    int Detached() const { return _hwnd == 0; }

  protected:
    // Draws with the window's device context and resolution. The program draws in units, which
    // become that resolution's pixels.
    int Paint(const TPaintCall& call) override;

  private:
    int _hwnd = 0;
};

} // namespace vandro

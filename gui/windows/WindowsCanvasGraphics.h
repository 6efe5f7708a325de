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

    int FillRect(int x, int y, int w, int h, int colour) override;
    int FrameRect(int x, int y, int w, int h, int colour) override;
    int DrawLine(int x1, int y1, int x2, int y2, int colour) override;
    int DrawString(int x, int y, const String& text, const Ref<TGuiFont>& font,
                   int colour) override;
    int DrawPixmap(const Ref<TPixmap>& pixmap, int x, int y) override;
    int Detach() override;

    int Window() const { return _hwnd; }
    int Detached() const { return _hwnd == 0; }

  private:
    // Runs draw with the window's device context and resolution; 0 once released. The program
    // draws in units, which become that resolution's pixels.
    template <typename Draw> int Drawn(Draw draw);

    int _hwnd = 0;
};

} // namespace vandro

// The least graphics a canvas needs: a drawing target bound to the canvas's window with the
// flags the program attached it with, released with the canvas. It draws filled rectangles and
// one line of text in the window's client area, straight onto the screen (no back buffer, no
// pens, images, clipping or transforms); everything else a graphics layer would offer is
// beyond it. Handles travel as ints, so programs use it without the platform's headers.
#pragma once

#include "runtime/Object.h"

namespace vandro {

class TWindowsCanvasGraphics : public TObject {
  public:
    // Bound to the window (a handle as Query(1) answers it); flags are kept for the program.
    static Ref<TWindowsCanvasGraphics> Attach(int hwnd, int flags);

    // Colours as red + (green << 8) + (blue << 16). Each answers 0 once released.
    int FillRect(int x, int y, int w, int h, int colour);
    int WriteText(int x, int y, const String& text, int colour);
    // The window stays; the graphics no longer draw into it. A second call does nothing.
    int Detach();

    int Window() const { return _hwnd; }
    int Flags() const { return _flags; }
    int Detached() const { return _hwnd == 0; }

  private:
    int _hwnd = 0;
    int _flags = 0;
};

} // namespace vandro

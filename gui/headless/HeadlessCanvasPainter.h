// The canvas painter of the headless platform: it draws nothing and records every call, in
// order, as one line of its name and arguments, so that a test reads what a program drew:
// "FillRect 1 2 3 4 255" (FrameRect, DrawLine alike), "DrawString 1 2 Arial 12 1 255 Text"
// (the font's name, size and style, "default" for the default font, then the text), and
// "DrawPixmap 1 2 16x8" (width by height, "none" for no pixmap).
#pragma once

#include "gui/CanvasPainter.h"

#include <vector>

namespace vandro {

class THeadlessCanvasPainter : public TCanvasPainter {
  public:
    // Nothing is recorded afterwards.
    int Detach() override;

    int _detached = 0;
    std::vector<String> _drawn;

  protected:
    int Paint(const TPaintCall& call) override;
};

} // namespace vandro

// The canvas painter of the headless platform: it draws nothing and records every call, in
// order, as one line of its name and arguments, so that a test reads what a program drew.
#pragma once

#include "gui/CanvasPainter.h"

#include <vector>

namespace vandro {

class THeadlessCanvasPainter : public TCanvasPainter {
  public:
    // "FillRect 1 2 3 4 255": the name and the numbers as given.
    int FillRect(int x, int y, int w, int h, int colour) override;
    int FrameRect(int x, int y, int w, int h, int colour) override;
    int DrawLine(int x1, int y1, int x2, int y2, int colour) override;
    // "DrawString 1 2 Arial 12 1 255 Text": the font's name, size and style ("default" for the
    // default font), then the text.
    int DrawString(int x, int y, const String& text, const Ref<TGuiFont>& font,
                   int colour) override;
    // "DrawPixmap 1 2 16x8" (width by height; "none" for no pixmap).
    int DrawPixmap(const Ref<TPixmap>& pixmap, int x, int y) override;
    // Nothing is recorded afterwards.
    int Detach() override;

    int _detached = 0;
    std::vector<String> _drawn;

  private:
    int Record(const String& name, std::initializer_list<int> numbers, const String& rest = {});
};

} // namespace vandro

// A font of the headless platform, with metrics that are the same on every machine: the
// character height is the size at 96 dots per inch and characters are half as wide.
#pragma once

#include "gui/GuiFont.h"

namespace vandro {

class THeadlessFont : public TGuiFont {
  public:
    int CharWidth(int character) override;

    // The character height in pixels.
    int PixelHeight() const;

    // The size as it was asked for: the character height is measured from it, while size keeps
    // only its whole points.
    double _points = 0;
};

} // namespace vandro

// A row of square icons cut from one image; icon i is the square at x = i * h, h being the
// image's height. Drivers subclass it with their native image list.
#pragma once

#include "graphics/Pixmap.h"

namespace vandro {

class TIconStrip : public TObject {
  public:
    // Null at or past count; a copy of the whole strip for a negative index; otherwise a
    // window that shares the strip's pixels.
    virtual Ref<TPixmap> ExtractIconPixmap(int index);

    Ref<TPixmap> pixmap;
    int count = 0;
};

} // namespace vandro

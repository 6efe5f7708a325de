#include "IconStrip.h"

namespace vandro {

Ref<TPixmap> TIconStrip::ExtractIconPixmap(int index) {
    if (index >= count)
        return {};
    if (index < 0)
        return pixmap->Copy();
    const int side = pixmap->height;
    return pixmap->Window(index * side, 0, side, side);
}

} // namespace vandro

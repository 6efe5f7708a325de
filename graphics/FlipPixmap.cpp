#include "Pixmaps.h"

namespace vandro {

Ref<TPixmap> XFlipPixmap(const Ref<TPixmap>& pixmap) {
    auto result = TPixmap::Create(pixmap->width, pixmap->height, pixmap->format, 4);
    if (result->IsEmpty())
        return result;
    for (int i = 0; i < pixmap->width; ++i)
        result->Paste(pixmap->Window(pixmap->width - 1 - i, 0, 1, pixmap->height), i, 0);
    return result;
}

Ref<TPixmap> YFlipPixmap(const Ref<TPixmap>& pixmap) {
    auto result = TPixmap::Create(pixmap->width, pixmap->height, pixmap->format, 4);
    if (result->IsEmpty())
        return result;
    for (int j = 0; j < pixmap->height; ++j)
        result->Paste(pixmap->Window(0, pixmap->height - 1 - j, pixmap->width, 1), 0, j);
    return result;
}

} // namespace vandro

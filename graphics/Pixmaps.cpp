#include "Pixmaps.h"

namespace vandro {

Ref<TPixmap> CreatePixmap(int width, int height, int format, int align) {
    return TPixmap::Create(width, height, format, align);
}

Ref<TPixmap> CreateStaticPixmap(std::uint8_t* pixels, int width, int height, int pitch,
                                int format) {
    return TPixmap::CreateStatic(pixels, width, height, pitch, format);
}

Ref<TPixmap> CopyPixmap(const Ref<TPixmap>& pixmap) { return pixmap->Copy(); }
Ref<TPixmap> ConvertPixmap(const Ref<TPixmap>& pixmap, int format) {
    return pixmap->Convert(format);
}
int PixmapWidth(const Ref<TPixmap>& pixmap) { return pixmap->width; }
int PixmapHeight(const Ref<TPixmap>& pixmap) { return pixmap->height; }
int PixmapPitch(const Ref<TPixmap>& pixmap) { return pixmap->pitch; }
int PixmapFormat(const Ref<TPixmap>& pixmap) { return pixmap->format; }

std::uint8_t* PixmapPixelPtr(const Ref<TPixmap>& pixmap, int x, int y) {
    return pixmap->PixelPtr(x, y);
}

Ref<TPixmap> PixmapWindow(const Ref<TPixmap>& pixmap, int x, int y, int width, int height) {
    return pixmap->Window(x, y, width, height);
}

int ReadPixel(const Ref<TPixmap>& pixmap, int x, int y) { return pixmap->ReadPixel(x, y); }
void WritePixel(const Ref<TPixmap>& pixmap, int x, int y, int value) {
    pixmap->WritePixel(x, y, value);
}
void ClearPixels(const Ref<TPixmap>& pixmap, int value) { pixmap->ClearPixels(value); }

} // namespace vandro

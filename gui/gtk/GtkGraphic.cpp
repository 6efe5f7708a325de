#include "GtkGraphic.h"

#include <cstring>

namespace vandro {

namespace {

// Red, green, blue and alpha bytes, the layout of a pixbuf with alpha.
constexpr int kRgbaFormat = 6;

} // namespace

GdkPixbuf* PixbufFromPixmap(const Ref<TPixmap>& pixmap) {
    if (!pixmap || pixmap->width <= 0 || pixmap->height <= 0)
        return nullptr;
    const Ref<TPixmap> rgba = pixmap->Convert(kRgbaFormat);
    GdkPixbuf* pixbuf = gdk_pixbuf_new(GDK_COLORSPACE_RGB, TRUE, 8, rgba->width, rgba->height);
    guchar* target = gdk_pixbuf_get_pixels(pixbuf);
    const int stride = gdk_pixbuf_get_rowstride(pixbuf);
    for (int y = 0; y < rgba->height; ++y)
        std::memcpy(target + y * stride, rgba->PixelPtr(0, y),
                    static_cast<std::size_t>(rgba->width) * 4);
    return pixbuf;
}

} // namespace vandro

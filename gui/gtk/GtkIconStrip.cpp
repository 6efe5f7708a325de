#include "GtkIconStrip.h"

#include "GtkGraphic.h"

namespace vandro {

TGtkIconStrip::~TGtkIconStrip() {
    for (GdkPixbuf* icon : _icons)
        g_object_unref(icon);
}

Ref<TGtkIconStrip> TGtkIconStrip::Create(const Object& source) {
    auto strip = New<TGtkIconStrip>();
    if (!strip->Cut(IconStripImage(source)))
        return {};
    GdkPixbuf* whole = PixbufFromPixmap(strip->pixmap);
    const int side = strip->pixmap->height;
    // Each icon shares the pixels of the whole strip, which it keeps alive.
    for (int i = 0; i < strip->count; ++i)
        strip->_icons.push_back(gdk_pixbuf_new_subpixbuf(whole, i * side, 0, side, side));
    g_object_unref(whole);
    return strip;
}

GdkPixbuf* TGtkIconStrip::Icon(int index) const {
    return index >= 0 && index < count ? _icons[static_cast<std::size_t>(index)] : nullptr;
}

} // namespace vandro

#include "WebIconStrip.h"

#include "WebIconStripDom.h"

namespace vandro {

namespace {

// Red, green, blue and alpha bytes, the layout of the page's image data.
constexpr int kStripFormat = 6;

} // namespace

void GiveIconStrip(int handle, const Ref<TIconStrip>& strip) {
    if (!handle)
        return;
    if (!strip || !strip->pixmap) {
        vandro_dom_icon_strip(handle, nullptr, 0, 0, 0);
        return;
    }
    const Ref<TPixmap> rgba = strip->pixmap->Convert(kStripFormat);
    vandro_dom_icon_strip(handle, rgba->PixelPtr(0, 0), rgba->width, rgba->height, rgba->pitch);
}

} // namespace vandro

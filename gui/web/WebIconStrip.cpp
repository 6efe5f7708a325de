#include "WebIconStrip.h"

#include "WebIconStripDom.h"
#include "WebPixels.h"

namespace vandro {

void GiveIconStrip(int handle, const Ref<TIconStrip>& strip) {
    if (!handle)
        return;
    const Ref<TPixmap> pixmap = strip ? strip->pixmap : Ref<TPixmap>();
    const std::vector<unsigned char> rgba = RgbaBytes(pixmap);
    if (rgba.empty())
        vandro_dom_icon_strip(handle, nullptr, 0, 0, 0);
    else
        vandro_dom_icon_strip(handle, rgba.data(), pixmap->width, pixmap->height,
                              pixmap->width * 4);
}

} // namespace vandro

#include "HeadlessIconStrip.h"

namespace vandro {

namespace {

int IsUniform(const TPixmap& pixmap, int left, int side) {
    const int corner = pixmap.ReadPixel(left, 0);
    for (int y = 0; y < side; ++y)
        for (int x = left; x < left + side; ++x)
            if (pixmap.ReadPixel(x, y) != corner)
                return 0;
    return 1;
}

} // namespace

Ref<THeadlessIconStrip> THeadlessIconStrip::Create(const Ref<TPixmap>& pixmap) {
    if (!pixmap || pixmap->height <= 0)
        return {};
    const int side = pixmap->height;
    const int count = pixmap->width / side;
    if (count == 0)
        return {};
    auto strip = New<THeadlessIconStrip>();
    strip->pixmap = pixmap;
    strip->count = count;
    for (int i = 0; i < count; ++i)
        strip->_blanks.push_back(IsUniform(*pixmap, i * side, side));
    return strip;
}

int THeadlessIconStrip::IsBlankIcon(int index) const {
    return index >= 0 && index < count ? _blanks[static_cast<std::size_t>(index)] : 0;
}

} // namespace vandro

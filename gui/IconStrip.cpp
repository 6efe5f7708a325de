#include "IconStrip.h"

#include "graphics/PixmapLoader.h"

namespace vandro {

namespace {

int IsUniform(const TPixmap& image, int left, int side) {
    const int corner = image.ReadPixel(left, 0);
    for (int y = 0; y < side; ++y)
        for (int x = left; x < left + side; ++x)
            if (image.ReadPixel(x, y) != corner)
                return 0;
    return 1;
}

} // namespace

Ref<TPixmap> TIconStrip::ExtractIconPixmap(int index) {
    if (index >= count)
        return {};
    if (index < 0)
        return pixmap->Copy();
    const int side = pixmap->height;
    return pixmap->Window(index * side, 0, side, side);
}

Ref<TIconStrip> TIconStrip::Create(const Object& source) {
    auto strip = New<TIconStrip>();
    return strip->Cut(IconStripImage(source)) ? strip : Ref<TIconStrip>();
}

bool TIconStrip::Cut(const Ref<TPixmap>& image) {
    if (!image || image->height <= 0 || image->width < image->height || image->IsEmpty())
        return false;
    const int side = image->height;
    pixmap = image;
    count = image->width / side;
    _blanks.clear();
    for (int i = 0; i < count; ++i)
        _blanks.push_back(IsUniform(*image, i * side, side));
    return true;
}

int TIconStrip::IsBlankIcon(int index) const {
    return index >= 0 && index < count ? _blanks[static_cast<std::size_t>(index)] : 0;
}

Ref<TPixmap> IconStripImage(const Object& source) {
    if (!source)
        return {};
    if (auto image = Cast<TPixmap>(source))
        return image;
    return LoadPixmap(StreamUrl(source));
}

} // namespace vandro

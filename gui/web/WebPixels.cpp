#include "WebPixels.h"

#include <cstring>

namespace vandro {

namespace {

// Red, green, blue and alpha bytes.
constexpr int kRgbaFormat = 6;

} // namespace

std::vector<unsigned char> RgbaBytes(const Ref<TPixmap>& pixmap) {
    if (!pixmap || pixmap->width <= 0 || pixmap->height <= 0)
        return {};
    const Ref<TPixmap> rgba = pixmap->Convert(kRgbaFormat);
    const std::size_t row = static_cast<std::size_t>(rgba->width) * 4;
    std::vector<unsigned char> bytes(row * static_cast<std::size_t>(rgba->height));
    for (int y = 0; y < rgba->height; ++y)
        std::memcpy(bytes.data() + row * static_cast<std::size_t>(y), rgba->PixelPtr(0, y), row);
    return bytes;
}

} // namespace vandro

// Icon strips cut from pixel maps of hostile sizes and formats, as a loader may hand them over:
// cutting ends in bounded time and memory; a strip is made exactly when one icon fits and the
// map has bytes to show; it holds width / height icons; an icon is blank exactly when all its
// pixels read as its top-left one; and every index, however hostile, gives null, a copy of the
// whole strip or a square window inside it.
#include "gui/IconStrip.h"
#include "tests/support/FuzzCheck.h"

#include "graphics/PixelFormat.h"
#include "runtime/Exceptions.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <climits>
#include <cstdint>
#include <vector>

using namespace vandro;

namespace {

int Size(FuzzedDataProvider& in) { return HostileSize(in, 40); }

bool Uniform(const TPixmap& image, int left, int side) {
    for (int y = 0; y < side; ++y)
        for (int x = left; x < left + side; ++x)
            if (image.ReadPixel(x, y) != image.ReadPixel(left, 0))
                return false;
    return true;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const int width = Size(in), height = Size(in);
    const int format = in.ConsumeIntegralInRange(-1, 13);
    // Maps of bytes past this would spend the run on one input, or be refused.
    const long long pixels = static_cast<long long>(std::max(width, 0)) * std::max(height, 0);
    if (BytesPerPixel(format) > 0 && pixels > (1 << 16))
        return 0;
    Ref<TPixmap> image;
    try {
        image = TPixmap::Create(width, height, format, 4);
    } catch (const TRuntimeException& e) {
        // Rows of more than 2^31 - 1 bytes, even no rows of them.
        Require(e.error == u"Pixmap too large");
        return 0;
    }
    std::vector<int> indexes;
    for (int i = in.ConsumeIntegralInRange(0, 4); i > 0; --i)
        indexes.push_back(in.ConsumeBool() ? in.ConsumeIntegralInRange(-2, 8)
                                           : in.ConsumeIntegral<int>());
    const auto fill = in.ConsumeRemainingBytes<std::uint8_t>();
    for (int i = 0; !fill.empty() && i < image->capacity; ++i)
        image->pixels[i] = fill[static_cast<std::size_t>(i) % fill.size()];

    const auto strip = TIconStrip::Create(image);
    if (!strip) {
        Require(image->height == 0 || image->width < image->height || image->IsEmpty());
        return 0;
    }
    const int side = image->height;
    Require(strip->pixmap == image && strip->count == image->width / side);
    for (int i = -1; i <= strip->count && i <= 64; ++i)
        Require(strip->IsBlankIcon(i) ==
                (i >= 0 && i < strip->count && Uniform(*image, i * side, side)));
    for (const int index : indexes) {
        Require(strip->IsBlankIcon(index) == 0 || (index >= 0 && index < strip->count));
        const auto icon = strip->ExtractIconPixmap(index);
        if (index >= strip->count) {
            Require(icon == nullptr);
        } else if (index < 0) {
            Require(icon && icon != image && icon->width == image->width && icon->height == side);
        } else {
            Require(icon && icon->width == side && icon->height == side);
            Require(icon->pixels == image->PixelPtr(index * side, 0));
        }
    }
    return 0;
}

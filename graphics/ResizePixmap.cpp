#include "Pixmaps.h"

#include <cmath>
#include <vector>

namespace vandro {

namespace {

// One output coordinate's two source neighbours and the weight of the second. The arithmetic
// is single precision throughout, so that every build gives the same bytes.
struct Tap {
    int near = 0;
    int far = 0;
    float weight = 0.0f;
};

std::vector<Tap> Taps(int sourceSize, int size) {
    const float scale = static_cast<float>(sourceSize) / static_cast<float>(size);
    std::vector<Tap> taps(static_cast<std::size_t>(size));
    for (int i = 0; i < size; ++i) {
        const float at = (static_cast<float>(i) + 0.5f) * scale - 0.5f;
        Tap& tap = taps[static_cast<std::size_t>(i)];
        tap.near = static_cast<int>(std::floor(at));
        tap.weight = at - static_cast<float>(tap.near);
        tap.far = tap.near + 1;
        if (tap.near < 0 || tap.near >= sourceSize - 1) {
            tap.near = tap.near < 0 ? 0 : sourceSize - 1;
            tap.far = tap.near;
            tap.weight = 0.0f;
        }
    }
    return taps;
}

float Lerp(float from, float to, float weight) { return from + (to - from) * weight; }

void FilterRow(const TPixmap& colours, const std::vector<Tap>& columns, const Tap& row, std::uint8_t* out) {
    const std::uint8_t* upper = colours.PixelPtr(0, row.near);
    const std::uint8_t* lower = colours.PixelPtr(0, row.far);
    for (const Tap& column : columns) {
        const std::uint8_t* a = upper + column.near * 4;
        const std::uint8_t* b = upper + column.far * 4;
        const std::uint8_t* c = lower + column.near * 4;
        const std::uint8_t* d = lower + column.far * 4;
        for (int k = 0; k < 4; ++k) {
            const float top = Lerp(a[k], b[k], column.weight);
            const float bottom = Lerp(c[k], d[k], column.weight);
            *out++ = static_cast<std::uint8_t>(static_cast<int>(Lerp(top, bottom, row.weight)));
        }
    }
}

} // namespace

Ref<TPixmap> ResizePixmap(const Ref<TPixmap>& pixmap, int width, int height) {
    auto result = TPixmap::Create(width, height, pixmap->format, 4);
    if (result->width == 0 || result->height == 0) return result;
    if (pixmap->width == 0 || pixmap->height == 0) {
        result->ClearPixels(0);
        return result;
    }
    const auto colours = pixmap->Convert(6);
    const auto columns = Taps(colours->width, result->width);
    const auto rows = Taps(colours->height, result->height);
    std::vector<std::uint8_t> line(static_cast<std::size_t>(result->width) * 4);
    for (int j = 0; j < result->height; ++j) {
        FilterRow(*colours, columns, rows[static_cast<std::size_t>(j)], line.data());
        ConvertPixels(line.data(), 6, result->PixelPtr(0, j), result->format, result->width);
    }
    return result;
}

} // namespace vandro

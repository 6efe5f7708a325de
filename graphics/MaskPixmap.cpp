#include "Pixmaps.h"

namespace vandro {

namespace {

struct MaskColour {
    int red, green, blue;
    bool Matches(const std::uint8_t* p) const {
        return p[0] == red && p[1] == green && p[2] == blue;
    }
};

// The mean of the neighbours that are not the mask colour, so that a transparent pixel blends
// into what surrounds it when it is scaled or drawn with filtering.
void FillFromNeighbours(const TPixmap& colours, MaskColour mask, int x, int y, std::uint8_t* out) {
    int sum[3] = {0, 0, 0};
    int count = 0;
    for (int j = y - 1; j <= y + 1; ++j) {
        for (int i = x - 1; i <= x + 1; ++i) {
            if (!colours.Contains(i, j))
                continue;
            const std::uint8_t* p = colours.PixelPtr(i, j);
            if (mask.Matches(p))
                continue;
            for (int c = 0; c < 3; ++c)
                sum[c] += p[c];
            ++count;
        }
    }
    for (int c = 0; c < 3; ++c)
        out[c] = static_cast<std::uint8_t>(count ? sum[c] / count : 0);
    out[3] = 0;
}

} // namespace

Ref<TPixmap> MaskPixmap(const Ref<TPixmap>& pixmap, int red, int green, int blue) {
    const auto colours = pixmap->Convert(6);
    auto result = TPixmap::Create(colours->width, colours->height, 6, 4);
    if (result->IsEmpty())
        return result;
    const MaskColour mask{red, green, blue};
    for (int y = 0; y < colours->height; ++y) {
        for (int x = 0; x < colours->width; ++x) {
            const std::uint8_t* p = colours->PixelPtr(x, y);
            std::uint8_t* out = result->PixelPtr(x, y);
            if (mask.Matches(p)) {
                FillFromNeighbours(*colours, mask, x, y, out);
                continue;
            }
            out[0] = p[0], out[1] = p[1], out[2] = p[2], out[3] = 255;
        }
    }
    return result;
}

} // namespace vandro

#include "graphics/Pixmaps.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vandro;

namespace {

using Bytes = std::vector<std::uint8_t>;

struct Rgb {
    std::uint8_t r, g, b;
};

// A format-3 map (B, G, R in memory) from rows of colours.
Ref<TPixmap> BgrMap(const std::vector<std::vector<Rgb>>& rows) {
    const int height = static_cast<int>(rows.size());
    const int width = static_cast<int>(rows.front().size());
    auto pixmap = CreatePixmap(width, height, 3);
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const Rgb c = rows[static_cast<std::size_t>(y)][static_cast<std::size_t>(x)];
            std::uint8_t* p = pixmap->PixelPtr(x, y);
            p[0] = c.b, p[1] = c.g, p[2] = c.r;
        }
    }
    return pixmap;
}

Bytes At(const Ref<TPixmap>& pixmap, int x, int y) {
    const std::uint8_t* p = pixmap->PixelPtr(x, y);
    return Bytes(p, p + 4);
}

constexpr Rgb M = {255, 0, 255};

} // namespace

TEST(MaskPixmap, MaskedPixelsTakeTheMeanOfTheirUnmaskedNeighbours) {
    const long before = TObject::LiveObjects();
    {
        auto source =
            BgrMap({{M, {30, 60, 90}, M}, {{7, 8, 9}, M, {90, 30, 60}}, {M, M, {12, 13, 14}}});
        auto mask = MaskPixmap(source, 255, 0, 255);
        EXPECT_EQ(mask->format, 6);
        EXPECT_EQ(mask->width, 3);
        EXPECT_EQ(mask->height, 3);
        EXPECT_EQ(mask->pitch, 12);
        EXPECT_EQ(At(mask, 0, 0), (Bytes{18, 34, 49, 0}));
        EXPECT_EQ(At(mask, 1, 0), (Bytes{30, 60, 90, 255}));
        EXPECT_EQ(At(mask, 2, 0), (Bytes{60, 45, 75, 0}));
        EXPECT_EQ(At(mask, 0, 1), (Bytes{7, 8, 9, 255}));
        // From the source's colours, not from the neighbours already filled in.
        EXPECT_EQ(At(mask, 1, 1), (Bytes{34, 27, 43, 0}));
        EXPECT_EQ(At(mask, 2, 1), (Bytes{90, 30, 60, 255}));
        EXPECT_EQ(At(mask, 0, 2), (Bytes{7, 8, 9, 0}));
        EXPECT_EQ(At(mask, 1, 2), (Bytes{36, 17, 27, 0}));
        EXPECT_EQ(At(mask, 2, 2), (Bytes{12, 13, 14, 255}));
    }
    EXPECT_EQ(TObject::LiveObjects(), before);
}

TEST(MaskPixmap, MaskedPixelsWithNoOtherNeighbourTurnBlack) {
    auto mask = MaskPixmap(BgrMap({{M, M, M, {100, 100, 100}}, {M, M, M, M}}), 255, 0, 255);
    EXPECT_EQ(At(mask, 0, 0), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(At(mask, 0, 1), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(At(mask, 2, 0), (Bytes{100, 100, 100, 0}));
    EXPECT_EQ(At(mask, 3, 1), (Bytes{100, 100, 100, 0}));
}

TEST(MaskPixmap, AColourNoPixelHasOnlyMakesEveryPixelOpaque) {
    auto source = CreatePixmap(2, 2, 5);
    const std::vector<int> words = {0x00102030, 0x7F405060, static_cast<int>(0xFF708090),
                                    0x01FF00FF};
    for (int i = 0; i < 4; ++i)
        source->WritePixel(i % 2, i / 2, words[static_cast<std::size_t>(i)]);
    auto mask = MaskPixmap(source, 1, 2, 3);
    for (int i = 0; i < 4; ++i)
        EXPECT_EQ(mask->ReadPixel(i % 2, i / 2),
                  words[static_cast<std::size_t>(i)] | static_cast<int>(0xFF000000))
            << i;
}

TEST(MaskPixmap, TheSourceAlphaDoesNotMatter) {
    auto source = CreatePixmap(2, 1, 5);
    source->WritePixel(0, 0, 0x00FF00FF);
    source->WritePixel(1, 0, static_cast<int>(0x80102030));
    auto mask = MaskPixmap(source, 255, 0, 255);
    EXPECT_EQ(mask->ReadPixel(0, 0), 0x00102030);
    EXPECT_EQ(mask->ReadPixel(1, 0), static_cast<int>(0xFF102030));
}

TEST(MaskPixmap, GreyMapsAndEmptyMaps) {
    auto grey = CreatePixmap(3, 1, 1);
    grey->pixels[0] = 40, grey->pixels[1] = 0, grey->pixels[2] = 81;
    auto mask = MaskPixmap(grey, 0, 0, 0);
    EXPECT_EQ(At(mask, 1, 0), (Bytes{60, 60, 60, 0}));
    EXPECT_EQ(At(mask, 0, 0), (Bytes{40, 40, 40, 255}));

    auto empty = MaskPixmap(CreatePixmap(0, 4, 3), 0, 0, 0);
    EXPECT_EQ(empty->width, 0);
    EXPECT_EQ(empty->height, 4);
    EXPECT_EQ(empty->format, 6);
}

#include "graphics/Pixmaps.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vandro;

namespace {

using Bytes = std::vector<std::uint8_t>;

// A format-6 map whose red channel holds the values, row after row; the other channels are
// constant, so they must come out unchanged.
Ref<TPixmap> Reds(int width, const Bytes& values) {
    const int height = static_cast<int>(values.size()) / width;
    auto pixmap = CreatePixmap(width, height, 6);
    for (int i = 0; i < width * height; ++i) {
        std::uint8_t* p = pixmap->PixelPtr(i % width, i / width);
        p[0] = values[static_cast<std::size_t>(i)], p[1] = 5, p[2] = 250, p[3] = 128;
    }
    return pixmap;
}

Bytes RedsOf(const Ref<TPixmap>& pixmap) {
    Bytes reds;
    for (int y = 0; y < pixmap->height; ++y) {
        for (int x = 0; x < pixmap->width; ++x) {
            const std::uint8_t* p = pixmap->PixelPtr(x, y);
            EXPECT_EQ(Bytes(p + 1, p + 4), (Bytes{5, 250, 128})) << x << "," << y;
            reds.push_back(p[0]);
        }
    }
    return reds;
}

} // namespace

TEST(ResizePixmap, TheSameSizeReproducesTheSource) {
    const long before = TObject::LiveObjects();
    for (int format = 1; format <= 6; ++format) {
        auto source = CreatePixmap(5, 4, format);
        for (int i = 0; i < source->capacity; ++i)
            source->pixels[i] = static_cast<std::uint8_t>(i * 37 + 11);
        auto resized = ResizePixmap(source, 5, 4);
        EXPECT_EQ(resized->format, format);
        EXPECT_EQ(resized->pitch, source->pitch);
        for (int y = 0; y < 4; ++y)
            EXPECT_EQ(Bytes(resized->PixelPtr(0, y), resized->PixelPtr(5, y)),
                      Bytes(source->PixelPtr(0, y), source->PixelPtr(5, y)))
                << format << " row " << y;
    }
    EXPECT_EQ(TObject::LiveObjects(), before);
}

TEST(ResizePixmap, OnePixelBecomesNineCopies) {
    auto source = CreatePixmap(1, 1, 5);
    source->WritePixel(0, 0, 0x7F10E0C3);
    auto resized = ResizePixmap(source, 3, 3);
    EXPECT_EQ(resized->width, 3);
    EXPECT_EQ(resized->height, 3);
    EXPECT_EQ(resized->format, 5);
    for (int y = 0; y < 3; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(resized->ReadPixel(x, y), 0x7F10E0C3) << x << "," << y;
}

TEST(ResizePixmap, FiltersBilinearlyAndTruncates) {
    EXPECT_EQ(RedsOf(ResizePixmap(Reds(2, {0, 255}), 4, 1)), (Bytes{0, 63, 191, 255}));
    EXPECT_EQ(RedsOf(ResizePixmap(Reds(3, {10, 200, 37}), 7, 1)),
              (Bytes{10, 37, 118, 200, 130, 60, 37}));
    EXPECT_EQ(RedsOf(ResizePixmap(Reds(1, {10, 200, 37}), 1, 7)),
              (Bytes{10, 37, 118, 200, 130, 60, 37}));
    EXPECT_EQ(RedsOf(ResizePixmap(Reds(4, {10, 20, 30, 40}), 2, 1)), (Bytes{15, 35}));
    EXPECT_EQ(RedsOf(ResizePixmap(Reds(7, {10, 20, 30, 40, 50, 60, 70}), 3, 1)),
              (Bytes{16, 40, 63}));
    EXPECT_EQ(RedsOf(ResizePixmap(Reds(1, {10, 20, 30, 40, 50, 60, 70}), 1, 3)),
              (Bytes{16, 40, 63}));
    EXPECT_EQ(RedsOf(ResizePixmap(Reds(3, {0, 255, 90, 17, 3, 250}), 5, 3)),
              (Bytes{0, 102, 255, 155, 90, 8, 56, 129, 153, 170, 17, 11, 3, 151, 250}));
}

TEST(ResizePixmap, KeepsTheSourceFormat) {
    auto grey = CreatePixmap(2, 1, 1);
    grey->pixels[0] = 0, grey->pixels[1] = 255;
    auto resized = ResizePixmap(grey, 4, 1);
    EXPECT_EQ(resized->format, 1);
    EXPECT_EQ(resized->pitch, 4);
    EXPECT_EQ(Bytes(resized->pixels, resized->pixels + 4), (Bytes{0, 63, 191, 255}));
}

TEST(ResizePixmap, DegenerateSizes) {
    auto source = Reds(2, {1, 2, 3, 4});
    for (auto [w, h] : std::vector<std::pair<int, int>>{{0, 3}, {3, 0}, {-2, 5}, {0, 0}}) {
        auto resized = ResizePixmap(source, w, h);
        EXPECT_EQ(resized->width * resized->height, 0) << w << "x" << h;
        EXPECT_EQ(resized->format, 6);
    }
    auto fromNothing = ResizePixmap(CreatePixmap(0, 0, 5), 2, 2);
    EXPECT_EQ(fromNothing->width, 2);
    EXPECT_EQ(fromNothing->height, 2);
    EXPECT_EQ(Bytes(fromNothing->pixels, fromNothing->pixels + 16), Bytes(16, 0));
}

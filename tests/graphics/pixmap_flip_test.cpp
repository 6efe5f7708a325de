#include "graphics/Pixmaps.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vandro;

namespace {

using Bytes = std::vector<std::uint8_t>;

Bytes Row(const Ref<TPixmap>& pixmap, int y) {
    return Bytes(pixmap->PixelPtr(0, y), pixmap->PixelPtr(pixmap->width, y));
}

// A 3 x 2 map of the format whose bytes count up from 1.
Ref<TPixmap> Counting(int format) {
    auto pixmap = CreatePixmap(3, 2, format);
    for (int y = 0; y < 2; ++y)
        for (int i = 0; i < pixmap->RowBytes(); ++i)
            pixmap->PixelPtr(0, y)[i] = static_cast<std::uint8_t>(1 + y * 16 + i);
    return pixmap;
}

} // namespace

TEST(XFlipPixmap, ReversesTheColumns) {
    const long before = TObject::LiveObjects();
    {
        auto flipped = XFlipPixmap(Counting(3));
        EXPECT_EQ(flipped->format, 3);
        EXPECT_EQ(flipped->width, 3);
        EXPECT_EQ(flipped->height, 2);
        EXPECT_EQ(flipped->pitch, 12);
        EXPECT_EQ(Row(flipped, 0), (Bytes{7, 8, 9, 4, 5, 6, 1, 2, 3}));
        EXPECT_EQ(Row(flipped, 1), (Bytes{23, 24, 25, 20, 21, 22, 17, 18, 19}));
        EXPECT_EQ(Row(XFlipPixmap(Counting(2)), 1), (Bytes{19, 18, 17}));
    }
    EXPECT_EQ(TObject::LiveObjects(), before);
}

TEST(YFlipPixmap, ReversesTheRows) {
    auto source = Counting(5);
    auto flipped = YFlipPixmap(source);
    EXPECT_EQ(flipped->format, 5);
    EXPECT_EQ(Row(flipped, 0), Row(source, 1));
    EXPECT_EQ(Row(flipped, 1), Row(source, 0));
}

TEST(FlipPixmap, TwiceGivesTheSourceBackAndEmptyMapsStayEmpty) {
    for (int format = 1; format <= 6; ++format) {
        auto source = Counting(format);
        auto x = XFlipPixmap(XFlipPixmap(source));
        auto y = YFlipPixmap(YFlipPixmap(source));
        for (int row = 0; row < 2; ++row) {
            EXPECT_EQ(Row(x, row), Row(source, row)) << format;
            EXPECT_EQ(Row(y, row), Row(source, row)) << format;
        }
    }
    for (auto empty : {CreatePixmap(0, 3, 6), CreatePixmap(3, 0, 6)}) {
        EXPECT_EQ(XFlipPixmap(empty)->width, empty->width);
        EXPECT_EQ(YFlipPixmap(empty)->height, empty->height);
    }
}

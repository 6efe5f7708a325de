#include "graphics/Pixmaps.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vandro;

namespace {

using Bytes = std::vector<std::uint8_t>;

// One pixel converted into a buffer of two pixels' room.
Bytes Converted(const Bytes& source, int from, int to) {
    Bytes out(8, 0xA5);
    ConvertPixels(source.data(), from, out.data(), to, 1);
    return out;
}

// The bytes written by a one-pixel conversion; the rest of the buffer must be untouched.
Bytes Pixel(const Bytes& source, int from, int to) {
    const Bytes out = Converted(source, from, to);
    const auto written = static_cast<std::size_t>(BytesPerPixel(to));
    for (std::size_t i = written; i < out.size(); ++i)
        EXPECT_EQ(out[i], 0xA5) << from << "->" << to;
    return Bytes(out.begin(), out.begin() + static_cast<std::ptrdiff_t>(written));
}

} // namespace

TEST(ConvertPixels, IntoTheWorkingLayout) {
    EXPECT_EQ(Pixel({90}, 1, 6), (Bytes{90, 90, 90, 255}));
    EXPECT_EQ(Pixel({90}, 2, 6), (Bytes{255, 255, 255, 90}));
    EXPECT_EQ(Pixel({1, 2, 3}, 3, 6), (Bytes{3, 2, 1, 255}));
    EXPECT_EQ(Pixel({1, 2, 3}, 4, 6), (Bytes{1, 2, 3, 255}));
    EXPECT_EQ(Pixel({1, 2, 3, 4}, 5, 6), (Bytes{3, 2, 1, 4}));
}

TEST(ConvertPixels, OutOfTheWorkingLayout) {
    const Bytes rgba = {200, 100, 31, 77};
    EXPECT_EQ(Pixel(rgba, 6, 1), (Bytes{110})); // 331 / 3
    EXPECT_EQ(Pixel(rgba, 6, 2), (Bytes{77}));
    EXPECT_EQ(Pixel(rgba, 6, 3), (Bytes{31, 100, 200}));
    EXPECT_EQ(Pixel(rgba, 6, 4), (Bytes{200, 100, 31}));
    EXPECT_EQ(Pixel(rgba, 6, 5), (Bytes{31, 100, 200, 77}));
}

TEST(ConvertPixels, BetweenOtherLayoutsPassesThroughTheWorkingOne) {
    EXPECT_EQ(Pixel({10, 20, 30}, 3, 5), (Bytes{10, 20, 30, 255}));
    EXPECT_EQ(Pixel({10, 20, 30}, 3, 4), (Bytes{30, 20, 10}));
    EXPECT_EQ(Pixel({10, 20, 30}, 4, 5), (Bytes{30, 20, 10, 255}));
    EXPECT_EQ(Pixel({10, 20, 30, 40}, 5, 3), (Bytes{10, 20, 30}));
    EXPECT_EQ(Pixel({10, 20, 30, 40}, 5, 2), (Bytes{40}));
    EXPECT_EQ(Pixel({10, 20, 33, 40}, 5, 1), (Bytes{21}));
    EXPECT_EQ(Pixel({77}, 1, 5), (Bytes{77, 77, 77, 255}));
    EXPECT_EQ(Pixel({77}, 2, 1), (Bytes{255}));
    EXPECT_EQ(Pixel({77}, 1, 2), (Bytes{255}));
    EXPECT_EQ(Pixel({77}, 2, 4), (Bytes{255, 255, 255}));
}

TEST(ConvertPixels, OneByteChannelLayouts) {
    EXPECT_EQ(Pixel({60}, 7, 6), (Bytes{60, 0, 0, 255}));
    EXPECT_EQ(Pixel({60}, 8, 6), (Bytes{0, 60, 0, 255}));
    EXPECT_EQ(Pixel({60}, 9, 6), (Bytes{0, 0, 60, 255}));
    EXPECT_EQ(Pixel({60}, 10, 6), (Bytes{0, 0, 0, 60}));
    EXPECT_EQ(Pixel({60}, 11, 6), (Bytes{60, 60, 60, 60}));
    EXPECT_EQ(Pixel({60}, 12, 6), (Bytes{60, 60, 60, 255}));

    const Bytes rgba = {200, 100, 31, 78};
    EXPECT_EQ(Pixel(rgba, 6, 7), (Bytes{200}));
    EXPECT_EQ(Pixel(rgba, 6, 8), (Bytes{100}));
    EXPECT_EQ(Pixel(rgba, 6, 9), (Bytes{31}));
    EXPECT_EQ(Pixel(rgba, 6, 10), (Bytes{78}));
    EXPECT_EQ(Pixel(rgba, 6, 11), (Bytes{102})); // 409 / 4
    EXPECT_EQ(Pixel(rgba, 6, 12), (Bytes{110})); // 331 / 3

    EXPECT_EQ(Pixel({1, 2, 3}, 3, 9), (Bytes{1}));
    EXPECT_EQ(Pixel({60}, 7, 3), (Bytes{0, 0, 60}));
    EXPECT_EQ(Pixel({60}, 11, 1), (Bytes{60}));
}

TEST(ConvertPixels, FormatsWithoutALayout) {
    EXPECT_EQ(Pixel({1, 2, 3, 4}, 0, 6), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(Pixel({1, 2, 3, 4}, 13, 5), (Bytes{0, 0, 0, 0}));
    EXPECT_EQ(Pixel({1, 2, 3, 4}, -2, 4), (Bytes{0, 0, 0}));
    for (int format : {0, 13, -1}) {
        EXPECT_EQ(Converted({1, 2, 3, 4}, 6, format), Bytes(8, 0xA5)) << format;
        EXPECT_EQ(Converted({1, 2, 3, 4}, 3, format), Bytes(8, 0xA5)) << format;
        EXPECT_EQ(Converted({1, 2, 3, 4}, format, format), Bytes(8, 0xA5)) << format;
    }
}

TEST(ConvertPixels, SameLayoutCopiesTheBytesEvenOverlapping) {
    EXPECT_EQ(Pixel({1, 2, 3}, 3, 3), (Bytes{1, 2, 3}));
    EXPECT_EQ(Pixel({1, 2, 3, 4}, 6, 6), (Bytes{1, 2, 3, 4}));
    Bytes row = {1, 2, 3, 4, 5, 6, 7, 8, 9};
    ConvertPixels(row.data(), 4, row.data() + 3, 4, 2);
    EXPECT_EQ(row, (Bytes{1, 2, 3, 1, 2, 3, 4, 5, 6}));
    CopyPixels(row.data() + 3, row.data(), 4, 2);
    EXPECT_EQ(row, (Bytes{1, 2, 3, 4, 5, 6, 4, 5, 6}));
}

TEST(ConvertPixels, NoPixelsConvertNothing) {
    const Bytes source = {1, 2, 3, 4};
    for (int count : {0, -1, -1000}) {
        for (auto [from, to] : std::vector<std::pair<int, int>>{{3, 5}, {6, 6}, {1, 6}, {6, 1}}) {
            Bytes out(4, 0xA5);
            ConvertPixels(source.data(), from, out.data(), to, count);
            EXPECT_EQ(out, Bytes(4, 0xA5)) << from << "->" << to << " " << count;
        }
    }
}

TEST(ConvertPixels, LongRowsAreConvertedWhole) {
    const int count = 1000;
    Bytes bgr(static_cast<std::size_t>(count * 3));
    for (std::size_t i = 0; i < bgr.size(); ++i)
        bgr[i] = static_cast<std::uint8_t>(i * 7);
    Bytes bgra(static_cast<std::size_t>(count * 4 + 1), 0xA5);
    ConvertPixels(bgr.data(), 3, bgra.data(), 5, count);
    for (int i = 0; i < count; ++i) {
        const auto at = static_cast<std::size_t>(i);
        ASSERT_EQ(Bytes(bgra.begin() + 4 * at, bgra.begin() + 4 * at + 4),
                  (Bytes{bgr[3 * at], bgr[3 * at + 1], bgr[3 * at + 2], 255}))
            << i;
    }
    EXPECT_EQ(bgra.back(), 0xA5);

    Bytes grey(static_cast<std::size_t>(count));
    ConvertPixels(bgra.data(), 5, grey.data(), 1, count);
    for (int i = 0; i < count; ++i) {
        const auto at = static_cast<std::size_t>(i);
        ASSERT_EQ(grey[at], (bgr[3 * at] + bgr[3 * at + 1] + bgr[3 * at + 2]) / 3) << i;
    }
}

TEST(ConvertPixmap, ConvertsEveryRowIntoANewMap) {
    auto source = CreatePixmap(3, 2, 3, 4);
    for (int i = 0; i < source->capacity; ++i)
        source->pixels[i] = static_cast<std::uint8_t>(i);
    auto converted = ConvertPixmap(source, 5);
    EXPECT_EQ(converted->format, 5);
    EXPECT_EQ(converted->pitch, 12);
    EXPECT_NE(converted->pixels, source->pixels);
    EXPECT_EQ(Bytes(converted->pixels, converted->pixels + 24),
              (Bytes{0,  1,  2,  255, 3,  4,  5,  255, 6,  7,  8,  255,
                     12, 13, 14, 255, 15, 16, 17, 255, 18, 19, 20, 255}));
    auto back = ConvertPixmap(converted, 3);
    for (int y = 0; y < 2; ++y)
        EXPECT_EQ(Bytes(back->PixelPtr(0, y), back->PixelPtr(3, y)),
                  Bytes(source->PixelPtr(0, y), source->PixelPtr(3, y)));
}

TEST(Paste, ConvertsTheSourceIntoPlace) {
    auto target = CreatePixmap(4, 3, 6);
    target->ClearPixels(0);
    auto source = CreatePixmap(2, 2, 1);
    source->pixels[0] = 10, source->pixels[1] = 20, source->pixels[4] = 30, source->pixels[5] = 40;
    target->Paste(source, 1, 1);
    EXPECT_EQ(target->ReadPixel(0, 1), 0);
    EXPECT_EQ(target->ReadPixel(1, 1), static_cast<int>(0xFF0A0A0A));
    EXPECT_EQ(target->ReadPixel(2, 1), static_cast<int>(0xFF141414));
    EXPECT_EQ(target->ReadPixel(1, 2), static_cast<int>(0xFF1E1E1E));
    EXPECT_EQ(target->ReadPixel(2, 2), static_cast<int>(0xFF282828));
    EXPECT_EQ(target->ReadPixel(3, 2), 0);
    EXPECT_EQ(target->ReadPixel(1, 0), 0);
}

TEST(Paste, DropsWhatFallsOutsideTheMap) {
    std::vector<std::uint8_t> memory(2 + 3 * 3 + 2, 0xA5);
    auto target = CreateStaticPixmap(memory.data() + 2, 3, 3, 3, 1);
    target->ClearPixels(0);
    auto source = CreatePixmap(2, 2, 1);
    source->ClearPixels(static_cast<int>(0xFFFFFFFF));
    for (auto [x, y] : std::vector<std::pair<int, int>>{{-1, -1},
                                                        {2, 2},
                                                        {-1, 2},
                                                        {2, -1},
                                                        {5, 0},
                                                        {0, -7},
                                                        {-0x7FFFFFFF - 1, 0},
                                                        {0, -0x7FFFFFFF - 1},
                                                        {0x7FFFFFFF, 0x7FFFFFFF}})
        target->Paste(source, x, y);
    EXPECT_EQ(memory, (std::vector<std::uint8_t>{0xA5, 0xA5, 255, 0, 255, 0, 0, 0, 255, 0, 255,
                                                 0xA5, 0xA5}));
}

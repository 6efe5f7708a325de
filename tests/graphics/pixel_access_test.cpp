#include "graphics/Pixmaps.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vandro;

namespace {

using Bytes = std::vector<std::uint8_t>;

constexpr int Word(std::uint32_t value) { return static_cast<int>(value); }

Bytes PixelBytes(const Ref<TPixmap>& pixmap, int x, int y) {
    const std::uint8_t* p = pixmap->PixelPtr(x, y);
    return Bytes(p, p + BytesPerPixel(pixmap->format));
}

// A map of the format over borrowed memory, between guard bytes.
struct Guarded {
    explicit Guarded(int format, int width = 1, int height = 1)
        : memory(static_cast<std::size_t>(8 + width * height * 4 + 8), 0xA5),
          pixmap(CreateStaticPixmap(memory.data() + 8, width, height, width * BytesPerPixel(format),
                                    format)) {}
    bool GuardsIntact() const {
        for (std::size_t i = 0; i < 8; ++i)
            if (memory[i] != 0xA5 || memory[memory.size() - 1 - i] != 0xA5)
                return false;
        return true;
    }
    Bytes memory;
    Ref<TPixmap> pixmap;
};

} // namespace

TEST(WritePixel, StoresTheWordInEachLayout) {
    const int value = Word(0x80FF4020);
    const std::vector<Bytes> expected = {
        {117},                    // 1: (255 + 64 + 32) / 3
        {0x80},                   // 2
        {0x20, 0x40, 0xFF},       // 3
        {0xFF, 0x40, 0x20},       // 4
        {0x20, 0x40, 0xFF, 0x80}, // 5
        {0xFF, 0x40, 0x20, 0x80}, // 6
    };
    for (int format = 1; format <= 6; ++format) {
        Guarded map(format);
        WritePixel(map.pixmap, 0, 0, value);
        EXPECT_EQ(PixelBytes(map.pixmap, 0, 0), expected[static_cast<std::size_t>(format - 1)])
            << format;
        EXPECT_TRUE(map.GuardsIntact()) << format;
    }
}

TEST(ReadPixel, AnswersTheWordOfEachLayout) {
    auto grey = CreatePixmap(1, 1, 1);
    grey->WritePixel(0, 0, Word(0x80FF4020));
    EXPECT_EQ(grey->pixels[0], 117);
    EXPECT_EQ(ReadPixel(grey, 0, 0), Word(0xFF757575));

    std::uint8_t alpha = 0x40;
    EXPECT_EQ(ReadPixel(CreateStaticPixmap(&alpha, 1, 1, 1, 2), 0, 0), Word(0x40FFFFFF));

    std::uint8_t bytes[4] = {0x11, 0x22, 0x33, 0x44};
    EXPECT_EQ(ReadPixel(CreateStaticPixmap(bytes, 1, 1, 4, 3), 0, 0), Word(0xFF332211));
    EXPECT_EQ(ReadPixel(CreateStaticPixmap(bytes, 1, 1, 4, 4), 0, 0), Word(0xFF112233));
    EXPECT_EQ(ReadPixel(CreateStaticPixmap(bytes, 1, 1, 4, 5), 0, 0), Word(0x44332211));
    EXPECT_EQ(ReadPixel(CreateStaticPixmap(bytes, 1, 1, 4, 6), 0, 0), Word(0x44112233));
}

TEST(ReadPixel, WritingAndReadingBackKeepsWhatTheLayoutHolds) {
    const int value = Word(0x7F01FE80);
    const std::vector<int> expected = {
        Word(0xFF7F7F7F), Word(0x7FFFFFFF), Word(0xFF01FE80), Word(0xFF01FE80), value, value};
    for (int format = 1; format <= 6; ++format) {
        auto pixmap = CreatePixmap(2, 2, format);
        pixmap->WritePixel(1, 1, value);
        EXPECT_EQ(pixmap->ReadPixel(1, 1), expected[static_cast<std::size_t>(format - 1)])
            << format;
    }
}

TEST(PixelAccess, ChannelFormatsAreNeitherReadNorWritten) {
    for (int format : {0, 7, 8, 9, 10, 11, 12, 13, -1}) {
        Guarded map(format);
        map.memory[8] = 0x5A;
        map.pixmap->WritePixel(0, 0, Word(0xFFFFFFFF));
        map.pixmap->ClearPixels(Word(0xFFFFFFFF));
        EXPECT_EQ(map.memory[8], 0x5A) << format;
        EXPECT_EQ(map.pixmap->ReadPixel(0, 0), 0) << format;
        EXPECT_TRUE(map.GuardsIntact()) << format;
    }
}

TEST(PixelAccess, CoordinatesOutsideTheMapTouchNothing) {
    Guarded map(5, 3, 2);
    map.pixmap->ClearPixels(Word(0x01020304));
    for (auto [x, y] : std::vector<std::pair<int, int>>{
             {-1, 0}, {0, -1}, {3, 0}, {0, 2}, {3, 2}, {-0x7FFFFFFF, 1}, {1, 0x7FFFFFFF}}) {
        map.pixmap->WritePixel(x, y, Word(0xDEADBEEF));
        EXPECT_EQ(map.pixmap->ReadPixel(x, y), 0) << x << "," << y;
    }
    EXPECT_TRUE(map.GuardsIntact());
    for (int y = 0; y < 2; ++y)
        for (int x = 0; x < 3; ++x)
            EXPECT_EQ(map.pixmap->ReadPixel(x, y), 0x01020304);
}

TEST(ClearPixels, ZeroOnAWindowLeavesTheBytesBetweenItsRows) {
    auto source = CreatePixmap(4, 3, 1);
    for (int i = 0; i < source->capacity; ++i)
        source->pixels[i] = static_cast<std::uint8_t>(i + 1);
    auto window = source->Window(1, 0, 2, 3);
    ClearPixels(window, 0);
    EXPECT_EQ(Bytes(source->pixels, source->pixels + 12),
              (Bytes{1, 0, 0, 4, 5, 0, 0, 8, 9, 0, 0, 12}));
}

TEST(ClearPixels, ZeroOnAWholeMapClearsItsPadding) {
    auto padded = CreatePixmap(3, 2, 1);
    for (int i = 0; i < padded->capacity; ++i)
        padded->pixels[i] = 0xCC;
    padded->ClearPixels(0);
    EXPECT_EQ(Bytes(padded->pixels, padded->pixels + 8), (Bytes{0, 0, 0, 0xCC, 0, 0, 0, 0xCC}));

    Guarded tight(3, 3, 2);
    tight.pixmap->ClearPixels(0);
    EXPECT_EQ(Bytes(tight.memory.begin() + 8, tight.memory.begin() + 26), Bytes(18, 0));
    EXPECT_TRUE(tight.GuardsIntact());
}

TEST(ClearPixels, AValueIsWrittenIntoEveryPixelOnly) {
    auto source = CreatePixmap(3, 2, 3);
    for (int i = 0; i < source->capacity; ++i)
        source->pixels[i] = 0xEE;
    source->ClearPixels(Word(0x00C08040));
    const Bytes row = {0x40, 0x80, 0xC0, 0x40, 0x80, 0xC0, 0x40, 0x80, 0xC0, 0xEE, 0xEE, 0xEE};
    EXPECT_EQ(Bytes(source->pixels, source->pixels + 12), row);
    EXPECT_EQ(Bytes(source->pixels + 12, source->pixels + 24), row);

    auto grey = CreatePixmap(2, 1, 1);
    grey->ClearPixels(Word(0x80FF4020));
    EXPECT_EQ(Bytes(grey->pixels, grey->pixels + 2), (Bytes{117, 117}));
}

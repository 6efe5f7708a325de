#include "graphics/Pixmaps.h"
#include "runtime/Exceptions.h"

#include <gtest/gtest.h>

#include <vector>

using namespace vandro;

namespace {

// Pins the live-object count at construction; a test ends by checking nothing survived.
struct LiveCount {
    long before = TObject::LiveObjects();
    long Gained() const { return TObject::LiveObjects() - before; }
};

void ExpectShape(const Ref<TPixmap>& pixmap, int width, int height, int format, int pitch,
                 int capacity) {
    EXPECT_EQ(pixmap->width, width);
    EXPECT_EQ(pixmap->height, height);
    EXPECT_EQ(pixmap->format, format);
    EXPECT_EQ(pixmap->pitch, pitch);
    EXPECT_EQ(pixmap->capacity, capacity);
}

} // namespace

TEST(BytesPerPixel, ThirteenEntriesAndNothingOutsideThem) {
    const std::vector<int> expected = {0, 1, 1, 3, 3, 4, 4, 1, 1, 1, 1, 1, 1};
    for (int format = 0; format < 13; ++format)
        EXPECT_EQ(BytesPerPixel(format), expected[format]) << format;
    EXPECT_EQ(BytesPerPixel(-1), 0);
    EXPECT_EQ(BytesPerPixel(13), 0);
    EXPECT_EQ(BytesPerPixel(1 << 30), 0);
}

TEST(CreatePixmap, RoundsRowsUpToTheAlignment) {
    auto bgr = CreatePixmap(3, 2, 3, 4);
    ExpectShape(bgr, 3, 2, 3, 12, 24);
    EXPECT_NE(bgr->pixels, nullptr);
    EXPECT_EQ(bgr->_source, nullptr);

    EXPECT_EQ(CreatePixmap(3, 2, 3, 1)->pitch, 9);
    EXPECT_EQ(CreatePixmap(3, 2, 3, 16)->pitch, 16);
    EXPECT_EQ(CreatePixmap(5, 1, 1, 4)->pitch, 8);
    EXPECT_EQ(CreatePixmap(4, 1, 1, 4)->pitch, 4);
    EXPECT_EQ(CreatePixmap(7, 3, 6, 4)->capacity, 84);
}

TEST(CreatePixmap, DegenerateArgumentsGiveEmptyMapsNotNegativeOnes) {
    for (auto pixmap : {CreatePixmap(0, 5, 6), CreatePixmap(-3, 5, 6), CreatePixmap(5, -1, 6)}) {
        EXPECT_GE(pixmap->width, 0);
        EXPECT_GE(pixmap->height, 0);
        EXPECT_EQ(pixmap->width * pixmap->height, 0);
        EXPECT_EQ(pixmap->capacity, 0);
        pixmap->ClearPixels(0);
        pixmap->ClearPixels(0x12345678);
        EXPECT_EQ(pixmap->ReadPixel(0, 0), 0);
    }
    auto unaligned = CreatePixmap(3, 1, 3, 0);
    EXPECT_EQ(unaligned->pitch, 9);
    EXPECT_EQ(CreatePixmap(3, 1, 3, -8)->pitch, 9);
    auto formatless = CreatePixmap(4, 4, 0);
    EXPECT_EQ(formatless->pitch, 0);
    EXPECT_EQ(formatless->capacity, 0);
    EXPECT_EQ(CreatePixmap(4, 4, 99)->capacity, 0);
}

TEST(CreatePixmap, MoreThanAnIntOfBytesIsRefused) {
    try {
        CreatePixmap(32768, 32768, 6);
        ADD_FAILURE() << "a map of 4 GiB was made";
    } catch (const TRuntimeException& e) {
        EXPECT_EQ(e.error, u"Pixmap too large");
    }
    EXPECT_THROW(CreatePixmap(0x7FFFFFFF, 1, 6, 4), TRuntimeException);
    EXPECT_THROW(CreatePixmap(0x7FFFFFFF, 1, 1, 2), TRuntimeException);
    EXPECT_THROW(CreatePixmap(0x7FFFFFFF, 0, 1, 2), TRuntimeException);
    // The pitch times the height passes even 64 bits here.
    EXPECT_THROW(CreatePixmap(0x7FFFFFFF, 0x7FFFFFFF, 6, 64), TRuntimeException);
}

// Maps with no byte to hold may claim any size; their derived maps are made as quickly.
TEST(PixmapFunctions, MapsWithoutBytesAreDerivedWithoutWalkingTheirRows) {
    LiveCount live;
    {
        const int most = 0x7FFFFFFF;
        auto tall = CreatePixmap(0, most, 6);
        ExpectShape(tall, 0, most, 6, 0, 0);
        ExpectShape(ConvertPixmap(tall, 5), 0, most, 5, 0, 0);
        ExpectShape(CopyPixmap(tall), 0, most, 6, 0, 0);
        ExpectShape(XFlipPixmap(tall), 0, most, 6, 0, 0);
        ExpectShape(YFlipPixmap(tall), 0, most, 6, 0, 0);
        ExpectShape(MaskPixmap(tall, 1, 2, 3), 0, most, 6, 0, 0);

        auto formatless = CreatePixmap(most, most, 0);
        ExpectShape(formatless, most, most, 0, 0, 0);
        ExpectShape(ConvertPixmap(formatless, 13), most, most, 13, 0, 0);
        ExpectShape(XFlipPixmap(formatless), most, most, 0, 0, 0);
        ExpectShape(YFlipPixmap(formatless), most, most, 0, 0, 0);
        ExpectShape(ResizePixmap(CreatePixmap(1, 1, 0), most, most), most, most, 0, 0, 0);

        auto target = CreatePixmap(5, most, 0);
        target->Paste(formatless, 0, 0);
        ExpectShape(target, 5, most, 0, 0, 0);
        // Working through one of them still needs memory for every pixel.
        EXPECT_THROW(MaskPixmap(formatless, 0, 0, 0), TRuntimeException);
    }
    EXPECT_EQ(live.Gained(), 0);
}

TEST(CreateStaticPixmap, BorrowsTheCallersMemory) {
    LiveCount live;
    std::vector<std::uint8_t> memory(40, 7);
    {
        auto pixmap = CreateStaticPixmap(memory.data(), 3, 4, 10, 3);
        EXPECT_EQ(pixmap->pixels, memory.data());
        EXPECT_EQ(pixmap->capacity, -1);
        EXPECT_EQ(PixmapPitch(pixmap), 10);
        EXPECT_EQ(PixmapPixelPtr(pixmap, 2, 3), memory.data() + 36);
        pixmap->WritePixel(2, 3, 0x00102030);
    }
    EXPECT_EQ(live.Gained(), 0);
    EXPECT_EQ(memory[36], 0x30);
    EXPECT_EQ(memory[38], 0x10);
}

TEST(PixmapFunctions, AnswerTheFieldsAndRaiseOnNull) {
    auto pixmap = CreatePixmap(5, 3, 4, 4);
    EXPECT_EQ(PixmapWidth(pixmap), 5);
    EXPECT_EQ(PixmapHeight(pixmap), 3);
    EXPECT_EQ(PixmapPitch(pixmap), 16);
    EXPECT_EQ(PixmapFormat(pixmap), 4);
    EXPECT_EQ(PixmapPixelPtr(pixmap, 1, 2), pixmap->pixels + 2 * 16 + 3);
    EXPECT_EQ(pixmap->_pad(), 0);
    const Ref<TPixmap> none;
    EXPECT_THROW(PixmapWidth(none), TNullObjectException);
    EXPECT_THROW(CopyPixmap(none), TNullObjectException);
    EXPECT_THROW(pixmap->Paste(none, 0, 0), TNullObjectException);
}

TEST(PixmapWindow, SharesThePixelsAndKeepsTheSourceAlive) {
    LiveCount live;
    {
        Ref<TPixmap> window;
        std::uint8_t* shared = nullptr;
        {
            auto source = CreatePixmap(4, 3, 5);
            source->ClearPixels(0);
            source->WritePixel(2, 1, 0x11223344);
            shared = source->pixels;
            window = PixmapWindow(source, 1, 1, 2, 2);
            EXPECT_EQ(window->_source, source);
            EXPECT_EQ(source->RefCount(), 2);
        }
        EXPECT_EQ(live.Gained(), 2);
        EXPECT_EQ(window->pixels, shared + 16 + 4);
        ExpectShape(window, 2, 2, 5, 16, -1);
        EXPECT_EQ(window->ReadPixel(1, 0), 0x11223344);
        window->WritePixel(0, 1, 0x55667788);
        EXPECT_EQ(Cast<TPixmap>(window->_source)->ReadPixel(1, 2), 0x55667788);
    }
    EXPECT_EQ(live.Gained(), 0);
}

TEST(PixmapWindow, IsCutToTheSource) {
    auto source = CreatePixmap(4, 3, 6);
    auto inside = source->Window(0, 0, 4, 3);
    EXPECT_EQ(inside->width, 4);
    EXPECT_EQ(inside->height, 3);

    auto overhanging = source->Window(2, 1, 10, 10);
    EXPECT_EQ(overhanging->pixels, source->PixelPtr(2, 1));
    EXPECT_EQ(overhanging->width, 2);
    EXPECT_EQ(overhanging->height, 2);

    auto beforeTheStart = source->Window(-1, -2, 3, 4);
    EXPECT_EQ(beforeTheStart->pixels, source->pixels);
    EXPECT_EQ(beforeTheStart->width, 2);
    EXPECT_EQ(beforeTheStart->height, 2);

    for (auto empty :
         {source->Window(9, 0, 2, 2), source->Window(0, -5, 2, 2), source->Window(1, 1, -2, 0),
          source->Window(0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF, 0x7FFFFFFF)}) {
        EXPECT_EQ(empty->width * empty->height, 0);
        empty->ClearPixels(-1);
        EXPECT_EQ(empty->ReadPixel(0, 0), 0);
    }

    auto ofAWindow = overhanging->Window(1, 1, 5, 5);
    EXPECT_EQ(ofAWindow->pixels, source->PixelPtr(3, 2));
    EXPECT_EQ(ofAWindow->width, 1);
    EXPECT_EQ(ofAWindow->height, 1);
    EXPECT_EQ(ofAWindow->_source, overhanging);
}

TEST(CopyPixmap, CopiesRowsIntoNewMemoryWithAlignFour) {
    LiveCount live;
    {
        std::vector<std::uint8_t> memory(2 * 8, 0xEE);
        for (int i = 0; i < 3; ++i)
            memory[i] = static_cast<std::uint8_t>(i + 1),
            memory[8 + i] = static_cast<std::uint8_t>(i + 4);
        auto source = CreateStaticPixmap(memory.data(), 3, 2, 8, 1);
        auto copy = CopyPixmap(source);
        EXPECT_NE(copy->pixels, source->pixels);
        ExpectShape(copy, 3, 2, 1, 4, 8);
        EXPECT_EQ(copy->_source, nullptr);
        EXPECT_EQ(std::vector<std::uint8_t>(copy->pixels, copy->pixels + 3),
                  (std::vector<std::uint8_t>{1, 2, 3}));
        EXPECT_EQ(std::vector<std::uint8_t>(copy->pixels + 4, copy->pixels + 7),
                  (std::vector<std::uint8_t>{4, 5, 6}));
        memory[0] = 99;
        EXPECT_EQ(copy->pixels[0], 1);
    }
    EXPECT_EQ(live.Gained(), 0);
}

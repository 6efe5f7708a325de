// Pixel maps in every format made into bitmaps, masks and icons, read back pixel by pixel.
#include "WindowsFixture.h"

#include "gui/windows/WindowsGUIDriver.h"
#include "gui/windows/WindowsGraphic.h"

namespace vandro {
namespace {

// The bitmap's pixels as 0xAARRGGBB words, top row first.
std::vector<int> ReadBack(HBITMAP bitmap, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<int> pixels(static_cast<std::size_t>(width * height));
    HDC screen = GetDC(nullptr);
    const int lines = GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info,
                                DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    EXPECT_EQ(lines, height);
    return pixels;
}

Ref<TPixmap> Pattern(int format) {
    const int words[] = {static_cast<int>(0xFF102030), static_cast<int>(0x80FF0000),
                         static_cast<int>(0x00FFFFFF), static_cast<int>(0xFFFEFFFF),
                         static_cast<int>(0x40123456), static_cast<int>(0xFF000000)};
    Ref<TPixmap> pixmap = TPixmap::Create(3, 2, format, 4);
    for (int i = 0; i < 6; ++i)
        pixmap->WritePixel(i % 3, i / 3, words[i]);
    return pixmap;
}

std::vector<int> Expected(const Ref<TPixmap>& pixmap, int format, int mask) {
    const Ref<TPixmap> converted = pixmap->Convert(format);
    std::vector<int> pixels;
    for (int y = 0; y < pixmap->height; ++y)
        for (int x = 0; x < pixmap->width; ++x)
            pixels.push_back(converted->ReadPixel(x, y) & mask);
    return pixels;
}

std::vector<int> Masked(std::vector<int> pixels, int mask) {
    for (int& pixel : pixels)
        pixel &= mask;
    return pixels;
}

class GraphicTest : public WindowsTest {};

TEST_F(GraphicTest, EveryFormatBecomesAnAlphaBitmapPixelForPixel) {
    for (int format = 1; format <= 6; ++format) {
        const Ref<TPixmap> pixmap = Pattern(format);
        const HBITMAP bitmap = TWindowsGraphic::BitmapFromPixmap(pixmap, 1);
        EXPECT_EQ(ReadBack(bitmap, 3, 2), Expected(pixmap, 5, -1)) << "format " << format;
        DeleteMade(bitmap);
    }
}

TEST_F(GraphicTest, EveryFormatBecomesAScreenBitmapWithoutAlpha) {
    for (int format = 1; format <= 6; ++format) {
        const Ref<TPixmap> pixmap = Pattern(format);
        const HBITMAP bitmap = TWindowsGraphic::BitmapFromPixmap(pixmap, 0);
        BITMAP described{};
        GetObjectW(bitmap, sizeof described, &described);
        EXPECT_EQ(described.bmWidth, 3);
        EXPECT_EQ(described.bmHeight, 2);
        EXPECT_EQ(Masked(ReadBack(bitmap, 3, 2), 0xFFFFFF), Expected(pixmap, 3, 0xFFFFFF))
            << "format " << format;
        DeleteMade(bitmap);
    }
}

TEST_F(GraphicTest, MaskIsWhiteWhereTransparent) {
    const Ref<TPixmap> rgb = Pattern(3);
    const HBITMAP mask = TWindowsGraphic::BitmapMaskFromPixmap(rgb);
    // Only pure white is transparent in a map without alpha; 0xFEFFFF is not.
    EXPECT_EQ(Masked(ReadBack(mask, 3, 2), 0xFFFFFF), (std::vector<int>{0, 0, 0xFFFFFF, 0, 0, 0}));
    DeleteMade(mask);
    const Ref<TPixmap> rgba = Pattern(6);
    const HBITMAP alphaMask = TWindowsGraphic::BitmapMaskFromPixmap(rgba);
    // Alpha below 128 is transparent: 0x00 and 0x40; 0x80 is not.
    EXPECT_EQ(Masked(ReadBack(alphaMask, 3, 2), 0xFFFFFF),
              (std::vector<int>{0, 0, 0xFFFFFF, 0, 0xFFFFFF, 0}));
    DeleteMade(alphaMask);
}

TEST_F(GraphicTest, PremultipliedHalfRedKeepsItsAlpha) {
    const Ref<TPixmap> pixmap = TPixmap::Create(1, 1, 5, 4);
    pixmap->WritePixel(0, 0, static_cast<int>(0x80FF0000));
    const HBITMAP bitmap = TWindowsGraphic::PreMultipliedBitmapFromPixmap32(pixmap);
    EXPECT_EQ(ReadBack(bitmap, 1, 1), std::vector<int>{static_cast<int>(0x807F0000)});
    DeleteMade(bitmap);
}

TEST_F(GraphicTest, BlendingOverWhiteTruncates) {
    const Ref<TPixmap> pixmap = TPixmap::Create(2, 1, 6, 4);
    pixmap->WritePixel(0, 0, static_cast<int>(0x80FF0000));
    pixmap->WritePixel(1, 0, static_cast<int>(0x00123456));
    const HBITMAP bitmap = TWindowsGraphic::BitmapWithBackgroundFromPixmap32(pixmap, 255, 255, 255);
    EXPECT_EQ(Masked(ReadBack(bitmap, 2, 1), 0xFFFFFF), (std::vector<int>{0xFF7E7E, 0xFFFFFF}));
    DeleteMade(bitmap);
}

TEST_F(GraphicTest, IconCarriesColourAndMask) {
    const Ref<TPixmap> pixmap = Pattern(5);
    const HICON icon = TWindowsGraphic::IconFromPixmap32(pixmap);
    ASSERT_NE(icon, nullptr);
    ICONINFO info{};
    ASSERT_TRUE(GetIconInfo(icon, &info));
    EXPECT_TRUE(info.fIcon);
    BITMAP colour{};
    GetObjectW(info.hbmColor, sizeof colour, &colour);
    EXPECT_EQ(colour.bmWidth, 3);
    EXPECT_EQ(colour.bmHeight, 2);
    EXPECT_EQ(Masked(ReadBack(info.hbmColor, 3, 2), 0xFFFFFF), Expected(pixmap, 5, 0xFFFFFF));
    EXPECT_EQ(Masked(ReadBack(info.hbmMask, 3, 2), 0xFFFFFF),
              (std::vector<int>{0, 0, 0xFFFFFF, 0, 0xFFFFFF, 0}));
    DeleteObject(info.hbmColor);
    DeleteObject(info.hbmMask);
    DestroyIcon(icon);
}

TEST_F(GraphicTest, EveryBitmapMadeIsTheCallersAndNothingElseStays) {
    const long open = WindowsDriver().gdiMade - WindowsDriver().gdiReleased;
    const Ref<TPixmap> pixmap = Pattern(6);
    for (int i = 0; i < 100; ++i) {
        DeleteMade(TWindowsGraphic::BitmapFromPixmap(pixmap, i & 1));
        DeleteMade(TWindowsGraphic::BitmapMaskFromPixmap(pixmap));
        DeleteMade(TWindowsGraphic::PreMultipliedBitmapFromPixmap32(pixmap));
        DeleteMade(TWindowsGraphic::BitmapWithBackgroundFromPixmap32(pixmap, 1, 2, 3));
        const HICON icon = TWindowsGraphic::IconFromPixmap32(pixmap);
        DestroyIcon(icon);
        ++WindowsDriver().gdiReleased;
    }
    EXPECT_EQ(WindowsDriver().gdiMade - WindowsDriver().gdiReleased, open);
}

} // namespace
} // namespace vandro

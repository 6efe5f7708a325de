#include "WindowsGraphic.h"

#include "WindowsGUIDriver.h"

namespace vandro {

namespace {

constexpr int FormatBGR = 3;
constexpr int FormatBGRA = 5;
constexpr int FormatRGBA = 6;

int Alpha(int pixel) { return (pixel >> 24) & 0xFF; }
int Channel(int pixel, int shift) { return (pixel >> shift) & 0xFF; }
int Word(int alpha, int red, int green, int blue) {
    return static_cast<int>(static_cast<unsigned>(alpha) << 24 | static_cast<unsigned>(red) << 16 |
                            static_cast<unsigned>(green) << 8 | static_cast<unsigned>(blue));
}

// A new map of the same size and format with every pixel passed through fn.
template <class F> Ref<TPixmap> Mapped(const Ref<TPixmap>& pixmap, F fn) {
    Ref<TPixmap> result = TPixmap::Create(pixmap->width, pixmap->height, pixmap->format, 4);
    for (int y = 0; y < pixmap->height; ++y)
        for (int x = 0; x < pixmap->width; ++x)
            result->WritePixel(x, y, fn(pixmap->ReadPixel(x, y)));
    return result;
}

} // namespace

HBITMAP TWindowsGraphic::BitmapFromPixmap(const Ref<TPixmap>& pixmap, int alpha) {
    const Ref<TPixmap> rows = pixmap->Convert(alpha ? FormatBGRA : FormatBGR);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = rows->width;
    info.bmiHeader.biHeight = -rows->height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = alpha ? 32 : 24;
    info.bmiHeader.biCompression = BI_RGB;
    HDC screen = GetDC(nullptr);
    void* bits = nullptr;
    HBITMAP bitmap = alpha ? CreateDIBSection(screen, &info, DIB_RGB_COLORS, &bits, nullptr, 0)
                           : CreateCompatibleBitmap(screen, rows->width, rows->height);
    for (int i = 0; i < rows->height; ++i)
        SetDIBits(screen, bitmap, static_cast<UINT>(rows->height - 1 - i), 1,
                  rows->pixels + static_cast<std::ptrdiff_t>(i) * rows->pitch, &info,
                  DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    return Made(bitmap);
}

HBITMAP TWindowsGraphic::BitmapMaskFromPixmap(const Ref<TPixmap>& pixmap) {
    const Ref<TPixmap> mask = pixmap->Convert(FormatBGR);
    mask->ClearPixels(0);
    const bool withAlpha = pixmap->format == FormatBGRA || pixmap->format == FormatRGBA;
    for (int y = 0; y < pixmap->height; ++y)
        for (int x = 0; x < pixmap->width; ++x) {
            const int pixel = pixmap->ReadPixel(x, y);
            const bool transparent =
                withAlpha ? Alpha(pixel) < 128 : (pixel & 0xFFFFFF) == 0xFFFFFF;
            if (transparent)
                mask->WritePixel(x, y, 0xFFFFFF);
        }
    return BitmapFromPixmap(mask, 0);
}

HBITMAP TWindowsGraphic::PreMultipliedBitmapFromPixmap32(const Ref<TPixmap>& pixmap) {
    const Ref<TPixmap> result = Mapped(pixmap, [](int pixel) {
        const int a = Alpha(pixel);
        return Word(a, Channel(pixel, 16) * a >> 8, Channel(pixel, 8) * a >> 8,
                    Channel(pixel, 0) * a >> 8);
    });
    return BitmapFromPixmap(result, 1);
}

HBITMAP TWindowsGraphic::BitmapWithBackgroundFromPixmap32(const Ref<TPixmap>& pixmap, int red,
                                                          int green, int blue) {
    const Ref<TPixmap> result = Mapped(pixmap, [=](int pixel) {
        const float f = static_cast<float>(Alpha(pixel)) / 255.0f;
        const float rest = 1.0f - f;
        auto blend = [&](int channel, int ground) {
            return static_cast<int>(static_cast<float>(channel) * f +
                                    static_cast<float>(ground) * rest);
        };
        return Word(Alpha(pixel), blend(Channel(pixel, 16), red), blend(Channel(pixel, 8), green),
                    blend(Channel(pixel, 0), blue));
    });
    return BitmapFromPixmap(result, 0);
}

HICON TWindowsGraphic::IconFromPixmap32(const Ref<TPixmap>& pixmap) {
    const HBITMAP colour = BitmapFromPixmap(pixmap, 1);
    const HBITMAP copy =
        Made(static_cast<HBITMAP>(CopyImage(colour, IMAGE_BITMAP, 0, 0, LR_DEFAULTSIZE)));
    const HBITMAP mask = BitmapMaskFromPixmap(pixmap);
    ICONINFO info{TRUE, 0, 0, mask, copy};
    const HICON icon = Made(CreateIconIndirect(&info));
    DeleteMade(mask);
    DeleteMade(copy);
    DeleteMade(colour);
    return icon;
}

} // namespace vandro

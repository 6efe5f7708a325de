#include "PixelFormat.h"

#include <array>

namespace vandro {

namespace {

constexpr std::array<int, 13> kBytesPerPixel = {0, 1, 1, 3, 3, 4, 4, 1, 1, 1, 1, 1, 1};

constexpr int Opaque = static_cast<int>(0xFF000000u);

int Word(int a, int r, int g, int b) {
    return static_cast<int>(static_cast<std::uint32_t>(a) << 24 |
                            static_cast<std::uint32_t>(r) << 16 |
                            static_cast<std::uint32_t>(g) << 8 | static_cast<std::uint32_t>(b));
}

std::uint8_t Channel(int value, int shift) {
    return static_cast<std::uint8_t>(static_cast<std::uint32_t>(value) >> shift);
}

} // namespace

int BytesPerPixel(int format) {
    if (format < 0 || format >= static_cast<int>(kBytesPerPixel.size()))
        return 0;
    return kBytesPerPixel[static_cast<std::size_t>(format)];
}

int PixelWord(const std::uint8_t* p, int format) {
    switch (format) {
    case 1:
        return Opaque | p[0] * 0x10101;
    case 2:
        return Word(p[0], 0xFF, 0xFF, 0xFF);
    case 3:
        return Word(0xFF, p[2], p[1], p[0]);
    case 4:
        return Word(0xFF, p[0], p[1], p[2]);
    case 5:
        return Word(p[3], p[2], p[1], p[0]);
    case 6:
        return Word(p[3], p[0], p[1], p[2]);
    default:
        return 0;
    }
}

void StorePixelWord(std::uint8_t* p, int format, int value) {
    const std::uint8_t a = Channel(value, 24), r = Channel(value, 16), g = Channel(value, 8),
                       b = Channel(value, 0);
    switch (format) {
    case 1:
        p[0] = static_cast<std::uint8_t>((r + g + b) / 3);
        break;
    case 2:
        p[0] = a;
        break;
    case 3:
        p[0] = b, p[1] = g, p[2] = r;
        break;
    case 4:
        p[0] = r, p[1] = g, p[2] = b;
        break;
    case 5:
        p[0] = b, p[1] = g, p[2] = r, p[3] = a;
        break;
    case 6:
        p[0] = r, p[1] = g, p[2] = b, p[3] = a;
        break;
    default:
        break;
    }
}

} // namespace vandro

#include "PixelRows.h"

#include "PixelFormat.h"

#include <algorithm>
#include <bit>
#include <cstddef>
#include <cstring>

namespace vandro {

namespace {

// Pixels converted per step on the way through format 6; small enough for the stack.
constexpr int kChunk = 256;

using Byte = std::uint8_t;

// One loop per layout pair, so that the format is decided once per row, not once per pixel.
template <int SourceBytes, int DestinationBytes, class Pixel>
void EachPixel(const Byte* s, Byte* d, int count, Pixel pixel) {
    for (int i = 0; i < count; ++i, s += SourceBytes, d += DestinationBytes)
        pixel(s, d);
}

void Put(Byte* d, Byte r, Byte g, Byte b, Byte a) {
    d[0] = r;
    d[1] = g;
    d[2] = b;
    d[3] = a;
}

Byte Mean(int sum, int n) { return static_cast<Byte>(sum / n); }

// Formats 5 and 6 differ only in the order of red and blue. Exchanging them within whole
// little-endian words lets the compiler vectorise the loop.
void SwapRedAndBlue(const Byte* s, Byte* d, int count) {
    static_assert(std::endian::native == std::endian::little);
    for (int i = 0; i < count; ++i, s += 4, d += 4) {
        std::uint32_t word;
        std::memcpy(&word, s, 4);
        word = (word & 0xFF00FF00u) | (word >> 16 & 0xFFu) | (word & 0xFFu) << 16;
        std::memcpy(d, &word, 4);
    }
}

// The channel formats 7 to 9 and 12 carry no alpha; they read as opaque, as grey does.
void IntoWorking(const Byte* s, int format, Byte* d, int count) {
    switch (format) {
    case 1:
        return EachPixel<1, 4>(s, d, count,
                               [](const Byte* p, Byte* q) { Put(q, p[0], p[0], p[0], 255); });
    case 2:
        return EachPixel<1, 4>(s, d, count,
                               [](const Byte* p, Byte* q) { Put(q, 255, 255, 255, p[0]); });
    case 3:
        return EachPixel<3, 4>(s, d, count,
                               [](const Byte* p, Byte* q) { Put(q, p[2], p[1], p[0], 255); });
    case 4:
        return EachPixel<3, 4>(s, d, count,
                               [](const Byte* p, Byte* q) { Put(q, p[0], p[1], p[2], 255); });
    case 5:
        return SwapRedAndBlue(s, d, count);
    case 7:
        return EachPixel<1, 4>(s, d, count,
                               [](const Byte* p, Byte* q) { Put(q, p[0], 0, 0, 255); });
    case 8:
        return EachPixel<1, 4>(s, d, count,
                               [](const Byte* p, Byte* q) { Put(q, 0, p[0], 0, 255); });
    case 9:
        return EachPixel<1, 4>(s, d, count,
                               [](const Byte* p, Byte* q) { Put(q, 0, 0, p[0], 255); });
    case 10:
        return EachPixel<1, 4>(s, d, count, [](const Byte* p, Byte* q) { Put(q, 0, 0, 0, p[0]); });
    case 11:
        return EachPixel<1, 4>(s, d, count,
                               [](const Byte* p, Byte* q) { Put(q, p[0], p[0], p[0], p[0]); });
    case 12:
        return EachPixel<1, 4>(s, d, count,
                               [](const Byte* p, Byte* q) { Put(q, p[0], p[0], p[0], 255); });
    default:
        return EachPixel<0, 4>(s, d, count, [](const Byte*, Byte* q) { Put(q, 0, 0, 0, 0); });
    }
}

void OutOfWorking(const Byte* s, Byte* d, int format, int count) {
    switch (format) {
    case 1:
    case 12:
        return EachPixel<4, 1>(s, d, count,
                               [](const Byte* p, Byte* q) { q[0] = Mean(p[0] + p[1] + p[2], 3); });
    case 2:
    case 10:
        return EachPixel<4, 1>(s, d, count, [](const Byte* p, Byte* q) { q[0] = p[3]; });
    case 3:
        return EachPixel<4, 3>(
            s, d, count, [](const Byte* p, Byte* q) { q[0] = p[2], q[1] = p[1], q[2] = p[0]; });
    case 4:
        return EachPixel<4, 3>(
            s, d, count, [](const Byte* p, Byte* q) { q[0] = p[0], q[1] = p[1], q[2] = p[2]; });
    case 5:
        return SwapRedAndBlue(s, d, count);
    case 7:
        return EachPixel<4, 1>(s, d, count, [](const Byte* p, Byte* q) { q[0] = p[0]; });
    case 8:
        return EachPixel<4, 1>(s, d, count, [](const Byte* p, Byte* q) { q[0] = p[1]; });
    case 9:
        return EachPixel<4, 1>(s, d, count, [](const Byte* p, Byte* q) { q[0] = p[2]; });
    case 11:
        return EachPixel<4, 1>(
            s, d, count, [](const Byte* p, Byte* q) { q[0] = Mean(p[0] + p[1] + p[2] + p[3], 4); });
    default:
        return;
    }
}

std::ptrdiff_t Offset(int pixels, int format) {
    return static_cast<std::ptrdiff_t>(pixels) * BytesPerPixel(format);
}

} // namespace

void CopyPixels(const Byte* source, Byte* destination, int format, int count) {
    if (count <= 0 || BytesPerPixel(format) == 0)
        return;
    std::memmove(destination, source, static_cast<std::size_t>(Offset(count, format)));
}

void ConvertPixels(const Byte* source, int sourceFormat, Byte* destination, int destinationFormat,
                   int count) {
    if (sourceFormat == destinationFormat)
        return CopyPixels(source, destination, sourceFormat, count);
    if (sourceFormat == 6)
        return OutOfWorking(source, destination, destinationFormat, count);
    if (destinationFormat == 6)
        return IntoWorking(source, sourceFormat, destination, count);
    Byte working[kChunk * 4];
    for (int done = 0; done < count; done += kChunk) {
        const int n = std::min(kChunk, count - done);
        IntoWorking(source + Offset(done, sourceFormat), sourceFormat, working, n);
        OutOfWorking(working, destination + Offset(done, destinationFormat), destinationFormat, n);
    }
}

} // namespace vandro

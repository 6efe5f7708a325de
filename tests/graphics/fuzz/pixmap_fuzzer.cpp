// Pixel maps of hostile sizes, alignments and formats, filled with any bytes. Making one either
// raises "Pixmap too large" or gives a map of exactly the promised shape; every derived map
// ends in bounded time and memory or raises the same error; and what must survive does:
// - a layout converted into one that holds all its channels and back is the same bytes (into
//   5 or 6 from any layout; into 3 or 4 from those without alpha: 1, 3, 4, 7 to 9 and 12);
// - converting into the working layout keeps every pixel's word (formats 1 to 6);
// - a flip moves each pixel's bytes to the mirrored place, and a flip twice is the identity;
// - resizing to the same size is the identity, and any resize stays within each channel's
//   range in the source, as filtering only blends neighbours;
// - a mask makes exactly the mask-coloured pixels transparent and keeps the other colours;
// - a paste at any offset writes only the overlap, with the converted source's bytes;
// - windows at any place stay inside the map, and pixels outside it read 0 and ignore writes.
#include "graphics/Pixmaps.h"
#include "runtime/Exceptions.h"
#include "tests/support/FuzzCheck.h"

#include <fuzzer/FuzzedDataProvider.h>

#include <algorithm>
#include <array>
#include <climits>
#include <cstring>
#include <vector>

using namespace vandro;

namespace {

int Size(FuzzedDataProvider& in) { return HostileSize(in, 24); }

// A coordinate inside or near a map of that size, or anywhere at all.
int Place(FuzzedDataProvider& in, int size) {
    if (in.ConsumeBool())
        return in.ConsumeIntegralInRange(-2, std::clamp(size, 0, INT_MAX - 2) + 2);
    return in.ConsumeIntegral<int>();
}

// What Create promises, in 64 bits; 0 capacity and pitch when it must refuse.
struct Shape {
    int width, height, pitch, capacity;
    bool refused;
};

Shape Expected(int width, int height, int format, int align) {
    const long long w = std::max(width, 0), h = std::max(height, 0), a = std::max(align, 1);
    const long long pitch = (w * BytesPerPixel(format) + a - 1) / a * a;
    const bool refused = pitch > INT_MAX || (h > 0 && pitch > INT_MAX / h);
    return {static_cast<int>(w), static_cast<int>(h), refused ? 0 : static_cast<int>(pitch),
            refused ? 0 : static_cast<int>(pitch * h), refused};
}

// Maps the program may make but that would spend a run on one input are left out: those that
// some layout a derived map may have (one, three or four bytes a pixel) makes bigger than this.
constexpr int kBudget = 1 << 16;

bool Affordable(int width, int height) {
    for (const int format : {1, 3, 6})
        if (const Shape shape = Expected(width, height, format, 4);
            !shape.refused && shape.capacity > kBudget)
            return false;
    return true;
}

// Runs a derived operation; a map too large for an int of bytes is the one refusal allowed.
template <class Make> Ref<TPixmap> Derive(Make make) {
    try {
        return make();
    } catch (const TRuntimeException& e) {
        Require(e.error == u"Pixmap too large");
        return nullptr;
    }
}

bool SameBytes(const TPixmap& a, int ax, int ay, const TPixmap& b, int bx, int by) {
    const int bytes = BytesPerPixel(a.format);
    return std::memcmp(a.PixelPtr(ax, ay), b.PixelPtr(bx, by), static_cast<std::size_t>(bytes)) ==
           0;
}

bool SameRow(const TPixmap& a, int ay, const TPixmap& b, int by) {
    return std::memcmp(a.PixelPtr(0, ay), b.PixelPtr(0, by),
                       static_cast<std::size_t>(a.RowBytes())) == 0;
}

bool SameRows(const TPixmap& a, const TPixmap& b) {
    Require(a.width == b.width && a.height == b.height && a.format == b.format);
    for (int y = 0; a.RowBytes() > 0 && y < a.height; ++y)
        if (!SameRow(a, y, b, y))
            return false;
    return true;
}

bool AllZero(const TPixmap& map) {
    for (int y = 0; !map.IsEmpty() && y < map.height; ++y)
        for (int i = 0; i < map.RowBytes(); ++i)
            if (map.PixelPtr(0, y)[i] != 0)
                return false;
    return true;
}

bool Holds(int format, int wider) {
    const bool withoutAlpha =
        format == 1 || format == 3 || format == 4 || (format >= 7 && format <= 9) || format == 12;
    return wider == 5 || wider == 6 || ((wider == 3 || wider == 4) && withoutAlpha);
}

void CheckRoundTrip(const Ref<TPixmap>& map, int wider) {
    const auto there = Derive([&] { return map->Convert(wider); });
    if (!there)
        return;
    Require(there->width == map->width && there->height == map->height);
    Require(there->format == wider && there->pitch == Expected(map->width, 1, wider, 4).pitch);
    const auto back = Derive([&] { return there->Convert(map->format); });
    if (back && Holds(map->format, wider))
        Require(SameRows(*back, *map));
    if (wider == 6 && map->format >= 1 && map->format <= 6 && !map->IsEmpty())
        for (int y = 0; y < map->height; ++y)
            for (int x = 0; x < map->width; ++x)
                Require(there->ReadPixel(x, y) == map->ReadPixel(x, y));
}

void CheckFlips(const Ref<TPixmap>& map) {
    const bool bytes = !map->IsEmpty();
    if (const auto x = Derive([&] { return XFlipPixmap(map); })) {
        Require(x->width == map->width && x->height == map->height && x->format == map->format);
        for (int j = 0; bytes && j < map->height; ++j)
            for (int i = 0; i < map->width; ++i)
                Require(SameBytes(*x, i, j, *map, map->width - 1 - i, j));
        if (const auto twice = Derive([&] { return XFlipPixmap(x); }))
            Require(SameRows(*twice, *map));
    }
    if (const auto y = Derive([&] { return YFlipPixmap(map); })) {
        Require(y->width == map->width && y->height == map->height && y->format == map->format);
        for (int j = 0; bytes && j < map->height; ++j)
            Require(SameRow(*y, j, *map, map->height - 1 - j));
        if (const auto twice = Derive([&] { return YFlipPixmap(y); }))
            Require(SameRows(*twice, *map));
    }
}

// Each channel's least and greatest value over a format-6 map.
std::array<std::array<int, 2>, 4> Ranges(const TPixmap& colours) {
    std::array<std::array<int, 2>, 4> ranges;
    ranges.fill({255, 0});
    for (int y = 0; y < colours.height; ++y)
        for (int x = 0; x < colours.width; ++x)
            for (int c = 0; c < 4; ++c) {
                const int v = colours.PixelPtr(x, y)[c];
                ranges[c] = {std::min(ranges[c][0], v), std::max(ranges[c][1], v)};
            }
    return ranges;
}

void CheckResize(const Ref<TPixmap>& map, int width, int height) {
    if (const auto same = Derive([&] { return ResizePixmap(map, map->width, map->height); }))
        Require(SameRows(*same, *map));
    if (!Affordable(width, height))
        return;
    const auto resized = Derive([&] { return ResizePixmap(map, width, height); });
    if (!resized)
        return;
    Require(resized->width == std::max(width, 0) && resized->height == std::max(height, 0));
    Require(resized->format == map->format);
    if (resized->IsEmpty() || map->format < 1 || map->format > 12)
        return;
    if (map->width == 0 || map->height == 0) {
        Require(AllZero(*resized));
        return;
    }
    const auto source = map->Convert(6), result = resized->Convert(6);
    const auto within = Ranges(*source), found = Ranges(*result);
    for (int c = 0; c < 4; ++c)
        Require(found[c][0] >= within[c][0] && found[c][1] <= within[c][1]);
}

void CheckMask(const Ref<TPixmap>& map, int red, int green, int blue) {
    const auto masked = Derive([&] { return MaskPixmap(map, red, green, blue); });
    if (!masked)
        return;
    Require(masked->format == 6 && masked->width == map->width && masked->height == map->height);
    if (masked->IsEmpty())
        return;
    const auto colours = map->Convert(6);
    for (int y = 0; y < map->height; ++y)
        for (int x = 0; x < map->width; ++x) {
            const std::uint8_t* p = colours->PixelPtr(x, y);
            const std::uint8_t* q = masked->PixelPtr(x, y);
            if (p[0] == red && p[1] == green && p[2] == blue)
                Require(q[3] == 0);
            else
                Require(q[0] == p[0] && q[1] == p[1] && q[2] == p[2] && q[3] == 255);
        }
}

void CheckPaste(const Ref<TPixmap>& map, int format, int x, int y, int width, int height) {
    if (!Affordable(width, height))
        return;
    const auto target = Derive([&] { return TPixmap::Create(width, height, format, 4); });
    const auto converted = Derive([&] { return map->Convert(format); });
    if (!target || !converted)
        return;
    if (target->capacity > 0)
        std::memset(target->pixels, 0xAB, static_cast<std::size_t>(target->capacity));
    const auto before = target->Copy();
    target->Paste(map, x, y);
    for (int j = 0; target->RowBytes() > 0 && j < target->height; ++j)
        for (int i = 0; i < target->width; ++i) {
            const long long sx = static_cast<long long>(i) - x, sy = static_cast<long long>(j) - y;
            if (map->Contains(static_cast<int>(std::clamp<long long>(sx, -1, INT_MAX)),
                              static_cast<int>(std::clamp<long long>(sy, -1, INT_MAX))))
                Require(SameBytes(*target, i, j, *converted, static_cast<int>(sx),
                                  static_cast<int>(sy)));
            else
                Require(SameBytes(*target, i, j, *before, i, j));
        }
}

void CheckWindow(const Ref<TPixmap>& map, int x, int y, int width, int height) {
    const auto view = map->Window(x, y, width, height);
    Require(view->width >= 0 && view->height >= 0 && view->capacity == -1);
    Require(view->width <= map->width && view->height <= map->height);
    if (view->width == 0 || view->height == 0 || map->RowBytes() == 0)
        return;
    const std::uint8_t* first = view->PixelPtr(0, 0);
    const std::uint8_t* last = view->PixelPtr(view->width, view->height - 1);
    Require(first >= map->pixels && last <= map->pixels + map->capacity);
    view->ClearPixels(0x12345678);
}

void CheckOutside(const Ref<TPixmap>& map, int x, int y) {
    if (map->Contains(x, y))
        return;
    Require(map->ReadPixel(x, y) == 0);
    // A copy has rows aligned to 4, which rows of 2^31 - 1 bytes cannot have.
    const auto before = Derive([&] { return map->Copy(); });
    map->WritePixel(x, y, -1);
    Require(!before || SameRows(*map, *before));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    FuzzedDataProvider in(data, size);
    const int width = Size(in), height = Size(in);
    const int format = in.ConsumeIntegralInRange(-1, 13);
    const int align = in.ConsumeIntegralInRange(-8, 64);
    const Shape shape = Expected(width, height, format, align);
    if (!Affordable(width, height) || shape.capacity > kBudget)
        return 0;
    Ref<TPixmap> map;
    try {
        map = TPixmap::Create(width, height, format, align);
    } catch (const TRuntimeException& e) {
        Require(shape.refused && e.error == u"Pixmap too large");
        return 0;
    }
    Require(!shape.refused && map->width == shape.width && map->height == shape.height);
    Require(map->pitch == shape.pitch && map->capacity == shape.capacity);
    Require(map->format == format && (map->pixels != nullptr) == (shape.capacity > 0));

    const int wider = in.ConsumeIntegralInRange(-1, 13);
    const int resizeWidth = Size(in), resizeHeight = Size(in);
    const int red = in.ConsumeIntegralInRange(-1, 256), green = in.ConsumeIntegral<std::uint8_t>(),
              blue = in.ConsumeIntegral<std::uint8_t>();
    const int pasteFormat = in.ConsumeIntegralInRange(-1, 13);
    const int targetWidth = Size(in), targetHeight = Size(in);
    const int pasteX = Place(in, targetWidth), pasteY = Place(in, targetHeight);
    const int windowX = Place(in, map->width), windowY = Place(in, map->height);
    const int windowWidth = Place(in, map->width), windowHeight = Place(in, map->height);
    const int outsideX = Place(in, map->width), outsideY = Place(in, map->height);

    const std::vector<std::uint8_t> fill = in.ConsumeRemainingBytes<std::uint8_t>();
    for (int i = 0; i < map->capacity; ++i)
        map->pixels[i] = fill.empty() ? static_cast<std::uint8_t>(i * 37)
                                      : fill[static_cast<std::size_t>(i) % fill.size()];

    CheckRoundTrip(map, wider);
    CheckFlips(map);
    CheckResize(map, resizeWidth, resizeHeight);
    CheckMask(map, red, green, blue);
    CheckPaste(map, pasteFormat, pasteX, pasteY, targetWidth, targetHeight);
    CheckOutside(map, outsideX, outsideY);
    CheckWindow(map, windowX, windowY, windowWidth, windowHeight);
    return 0;
}

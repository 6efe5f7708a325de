#include "Pixmap.h"

#include "PixelFormat.h"
#include "PixelRows.h"
#include "runtime/Exceptions.h"

#include <algorithm>
#include <climits>
#include <cstring>

namespace vandro {

TPixmap::~TPixmap() {
    if (capacity >= 0)
        delete[] pixels;
}

int TPixmap::_pad() { return 0; }

std::uint8_t* TPixmap::PixelPtr(int x, int y) const {
    if (!pixels)
        return nullptr;
    return pixels + static_cast<std::ptrdiff_t>(y) * pitch +
           static_cast<std::ptrdiff_t>(x) * BytesPerPixel(format);
}

Ref<TPixmap> TPixmap::Window(int x, int y, int width, int height) {
    const int left = std::clamp(x, 0, this->width);
    const int top = std::clamp(y, 0, this->height);
    const long long right =
        std::clamp(static_cast<long long>(x) + std::max(width, 0), static_cast<long long>(left),
                   static_cast<long long>(this->width));
    const long long bottom =
        std::clamp(static_cast<long long>(y) + std::max(height, 0), static_cast<long long>(top),
                   static_cast<long long>(this->height));
    auto view = CreateStatic(PixelPtr(left, top), static_cast<int>(right - left),
                             static_cast<int>(bottom - top), pitch, format);
    view->_source = Object(this);
    return view;
}

Ref<TPixmap> TPixmap::Copy() const { return Convert(format); }

void TPixmap::Paste(const Ref<TPixmap>& source, int x, int y) {
    // Source columns and rows that land inside this map; 64-bit, so no offset can overflow.
    const long long first = std::max(0LL, -static_cast<long long>(x));
    const long long last = std::min<long long>(source->width, static_cast<long long>(width) - x);
    const long long top = std::max(0LL, -static_cast<long long>(y));
    const long long bottom =
        std::min<long long>(source->height, static_cast<long long>(height) - y);
    if (first >= last || IsEmpty())
        return;
    const int left = static_cast<int>(x + first);
    for (long long i = top; i < bottom; ++i)
        ConvertPixels(source->PixelPtr(static_cast<int>(first), static_cast<int>(i)),
                      source->format, PixelPtr(left, static_cast<int>(y + i)), format,
                      static_cast<int>(last - first));
}

Ref<TPixmap> TPixmap::Convert(int format) const {
    auto result = Create(width, height, format, 4);
    if (result->IsEmpty())
        return result;
    for (int i = 0; i < height; ++i)
        ConvertPixels(PixelPtr(0, i), this->format, result->PixelPtr(0, i), format, width);
    return result;
}

int TPixmap::ReadPixel(int x, int y) const {
    if (!Contains(x, y))
        return 0;
    return PixelWord(PixelPtr(x, y), format);
}

void TPixmap::WritePixel(int x, int y, int value) {
    if (Contains(x, y))
        StorePixelWord(PixelPtr(x, y), format, value);
}

Ref<TPixmap> TPixmap::Create(int width, int height, int format, int align) {
    width = std::max(width, 0);
    height = std::max(height, 0);
    align = std::max(align, 1);
    const long long row = static_cast<long long>(width) * BytesPerPixel(format);
    const long long pitch = (row + align - 1) / align * align;
    // A pitch past an int times a height past one can pass even 64 bits: test it first.
    if (pitch > INT_MAX || pitch * height > INT_MAX)
        RuntimeError(u"Pixmap too large");
    const long long capacity = pitch * height;
    auto pixmap = New<TPixmap>();
    pixmap->width = width;
    pixmap->height = height;
    pixmap->pitch = static_cast<int>(pitch);
    pixmap->format = format;
    if (capacity > 0)
        pixmap->pixels = new std::uint8_t[static_cast<std::size_t>(capacity)];
    pixmap->capacity = static_cast<int>(capacity);
    return pixmap;
}

Ref<TPixmap> TPixmap::CreateStatic(std::uint8_t* pixels, int width, int height, int pitch,
                                   int format) {
    auto pixmap = New<TPixmap>();
    pixmap->pixels = pixels;
    pixmap->width = std::max(width, 0);
    pixmap->height = std::max(height, 0);
    pixmap->pitch = pitch;
    pixmap->format = format;
    pixmap->capacity = -1;
    return pixmap;
}

void TPixmap::ClearPixels(int value) {
    const int row = RowBytes();
    if (row == 0 || height == 0)
        return;
    if (value == 0 && pitch == row) {
        std::memset(pixels, 0, static_cast<std::size_t>(row) * static_cast<std::size_t>(height));
        return;
    }
    const int bytes = BytesPerPixel(format);
    for (int i = 0; i < height; ++i) {
        std::uint8_t* p = PixelPtr(0, i);
        if (value == 0) {
            std::memset(p, 0, static_cast<std::size_t>(row));
            continue;
        }
        for (int j = 0; j < width; ++j, p += bytes)
            StorePixelWord(p, format, value);
    }
}

int TPixmap::RowBytes() const { return width * BytesPerPixel(format); }

} // namespace vandro

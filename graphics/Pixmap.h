// A pixel map: a rectangle of pixels in one of the layouts of PixelFormat.h, in memory that it
// owns or borrows. Pixel values cross this interface as 0xAARRGGBB words.
//
// Coordinates outside the map never touch memory outside it: reads there answer 0, writes do
// nothing, and windows and pastes are cut to the map.
#pragma once

#include "runtime/Object.h"

#include <cstdint>

namespace vandro {

class TPixmap : public TObject {
  public:
    TPixmap() = default;
    TPixmap(const TPixmap&) = delete;
    TPixmap& operator=(const TPixmap&) = delete;
    ~TPixmap() override;

    // Holds the first slot of the operation table.
    virtual int _pad();
    // Where pixel (x, y) would be; no bounds test. Null when the map has no pixels.
    virtual std::uint8_t* PixelPtr(int x, int y) const;
    // A view sharing this map's pixels, cut to the map; it keeps this map alive.
    virtual Ref<TPixmap> Window(int x, int y, int width, int height);
    virtual Ref<TPixmap> Copy() const;
    // Converts source into this map's format at (x, y); what falls outside this map is dropped.
    virtual void Paste(const Ref<TPixmap>& source, int x, int y);
    virtual Ref<TPixmap> Convert(int format) const;
    virtual int ReadPixel(int x, int y) const;
    virtual void WritePixel(int x, int y, int value);
    // Owned memory, rows rounded up to a multiple of align bytes, not cleared. Negative sizes
    // count as 0 and an align below 1 as 1; a row or a map of more than 2^31 - 1 bytes raises
    // "Pixmap too large".
    static Ref<TPixmap> Create(int width, int height, int format, int align);
    // Borrows memory that the caller keeps alive for the map's life.
    static Ref<TPixmap> CreateStatic(std::uint8_t* pixels, int width, int height, int pitch,
                                     int format);
    virtual void ClearPixels(int value);

    bool Contains(int x, int y) const { return x >= 0 && y >= 0 && x < width && y < height; }
    // Bytes one row of pixels occupies, without the padding up to pitch.
    int RowBytes() const;
    // No byte to read or write, however many rows or columns it claims: the derived maps of
    // such a map are made without walking them.
    bool IsEmpty() const { return height == 0 || RowBytes() == 0; }

    std::uint8_t* pixels = nullptr;
    int width = 0;
    int height = 0;
    int pitch = 0;
    int format = 0;
    // Bytes owned; -1 when the pixels are borrowed.
    int capacity = 0;
    // Whatever owns the memory a borrowed map points into.
    Object _source;
};

} // namespace vandro

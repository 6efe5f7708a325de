// The byte layouts of pixel maps and how one pixel of each is read and written as a
// 0xAARRGGBB word.
//
// Formats: 1 grey, 2 alpha only, 3 B G R, 4 R G B, 5 B G R A (the word in little-endian order),
// 6 R G B A, the layout every conversion passes through. Formats 7 to 12 are one-byte channel
// layouts known only to the row conversions: 7 red, 8 green, 9 blue, 10 alpha, 11 all four
// channels alike, 12 luminance.
#pragma once

#include <cstdint>

namespace vandro {

// Bytes per pixel of a format; 0 for format 0 and for anything outside 0 to 12.
int BytesPerPixel(int format);

// The pixel at p as 0xAARRGGBB; 0 for formats other than 1 to 6.
int PixelWord(const std::uint8_t* p, int format);
// Stores value at p in the format's layout; formats other than 1 to 6 are left alone.
void StorePixelWord(std::uint8_t* p, int format, int value);

} // namespace vandro

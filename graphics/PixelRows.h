// Row functions: runs of pixels copied or converted between layouts (see PixelFormat.h).
#pragma once

#include <cstdint>

namespace vandro {

// Copies count pixels of one format; the two runs may overlap.
void CopyPixels(const std::uint8_t* source, std::uint8_t* destination, int format, int count);

// Converts count pixels, passing through format 6 when neither side is format 6. A source
// format without a layout reads as transparent black; a destination format without one is
// left alone. A count of 0 or less converts nothing.
void ConvertPixels(const std::uint8_t* source, int sourceFormat, std::uint8_t* destination,
                   int destinationFormat, int count);

} // namespace vandro

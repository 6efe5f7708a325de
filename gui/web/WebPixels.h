// A pixel map as the page takes a picture: red, green, blue and alpha bytes, width * 4 a row.
#pragma once

#include "graphics/Pixmap.h"

#include <vector>

namespace vandro {

std::vector<unsigned char> RgbaBytes(const Ref<TPixmap>& pixmap);

} // namespace vandro

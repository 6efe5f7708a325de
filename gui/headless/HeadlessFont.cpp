#include "HeadlessFont.h"

#include <algorithm>
#include <climits>

namespace vandro {

int THeadlessFont::CharWidth(int character) {
    const int half = (PixelHeight() + 1) / 2;
    if (character == u' ') return (half + 1) / 2;
    return half + ((style & FontBold) ? 1 : 0);
}

int THeadlessFont::PixelHeight() const {
    if (size <= 0) return 0;
    // size * 96 / 72 rounded half up, in a width that holds every int size.
    const long long pixels = (static_cast<long long>(size) * 192 + 72) / 144;
    return static_cast<int>(std::min<long long>(pixels, INT_MAX));
}

} // namespace vandro

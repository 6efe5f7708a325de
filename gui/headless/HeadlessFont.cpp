#include "HeadlessFont.h"

namespace vandro {

int THeadlessFont::CharWidth(int character) {
    const int half = (PixelHeight() + 1) / 2;
    if (character == u' ')
        return (half + 1) / 2;
    return half + ((style & FontBold) ? 1 : 0);
}

int THeadlessFont::PixelHeight() const {
    if (!(_points > 0))
        return 0;
    return WholePoints(_points * 96 / 72 + 0.5);
}

} // namespace vandro

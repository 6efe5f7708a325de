#include "GuiFont.h"

#include "runtime/Exceptions.h"

#include <cmath>
#include <limits>

namespace vandro {

int TGuiFont::CharWidth(int) { AbstractMethod(); }

int WholePoints(double points) {
    if (!(points == points))
        return 0;
    constexpr double low = std::numeric_limits<int>::min();
    constexpr double high = std::numeric_limits<int>::max();
    return static_cast<int>(std::trunc(std::fmin(std::fmax(points, low), high)));
}

} // namespace vandro

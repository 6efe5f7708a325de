#include "ProgressPercent.h"

#include <cmath>

namespace vandro {

int ProgressPercent(float fraction) {
    const float percent = fraction * 100;
    return percent > 0 ? static_cast<int>(std::fmin(percent, 100.0f)) : 0;
}

} // namespace vandro

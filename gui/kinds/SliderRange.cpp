#include "SliderRange.h"

#include "gui/GadgetConstants.h"

#include <algorithm>
#include <climits>

namespace vandro {

TSliderRange SliderRange(int sliderType, int visible, int total) {
    if (sliderType != SliderScrollBar)
        return {visible, std::max(total, visible)};
    const long long span = static_cast<long long>(total) - visible;
    return {0, static_cast<int>(std::clamp<long long>(span, 0, INT_MAX))};
}

} // namespace vandro

// The values a slider takes: a scroll bar, given (visible, total), goes from 0 to
// total - visible (the last page shows the end); a trackbar or stepper, given (low, high), from
// low to high. What no range allows collapses to its lowest value.
#pragma once

namespace vandro {

struct TSliderRange {
    int lowest = 0;
    int highest = 0;
};

TSliderRange SliderRange(int sliderType, int visible, int total);

} // namespace vandro

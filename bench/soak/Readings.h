// What the soak reads of its own process every 1,000 steps, each platform in its own file: the
// names of the figures, and one reading of them on a line, taken from outside the process
// where the platform lets another process read them.
#pragma once

#include <string>

namespace vandro {

const char* ReadingNames();
std::string TakeReadings();

} // namespace vandro

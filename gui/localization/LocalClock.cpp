#include "LocalClock.h"

#include <ctime>

namespace vandro {

LocalTime SystemLocalTime() {
    const std::time_t now = std::time(nullptr);
    // One thread does all the work, so the C library's shared result is safe to read here.
    const std::tm* local = std::localtime(&now);
    if (!local)
        return LocalTime();
    return {local->tm_year + 1900, local->tm_mon + 1, local->tm_mday,
            local->tm_hour,        local->tm_min,     local->tm_sec};
}

} // namespace vandro

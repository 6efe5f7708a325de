// The local date and time as the localization engine's time and date tokens read them.
#pragma once

namespace vandro {

struct LocalTime {
    int year = 1970;
    int month = 1; // 1 for January
    int day = 1;
    int hour = 0;
    int minute = 0;
    int second = 0;
};

// The platform's local clock, now.
LocalTime SystemLocalTime();

} // namespace vandro

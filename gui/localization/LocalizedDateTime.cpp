// The engine's time and date formats and the calendar arithmetic behind them.
#include "LocalizationEngine.h"

#include "runtime/Text.h"

#include <cmath>
#include <cstdint>
#include <optional>
#include <string_view>

namespace vandro {

namespace {

// English, like the C library's names; they reach the user only as tokens of the language.
const char16_t* const kMonthNames[] = {
    u"",     u"January", u"February",  u"March",   u"April",    u"May",     u"June",
    u"July", u"August",  u"September", u"October", u"November", u"December"};
const char16_t* const kShortDayNames[] = {u"Mon", u"Tue", u"Wed", u"Thu", u"Fri", u"Sat", u"Sun"};
const char16_t* const kLongDayNames[] = {u"Monday", u"Tuesday",  u"Wednesday", u"Thursday",
                                         u"Friday", u"Saturday", u"Sunday"};
const char16_t* const kMonthKeys[] = {u"jan", u"feb", u"mar", u"apr", u"may", u"jun",
                                      u"jul", u"aug", u"sep", u"oct", u"nov", u"dec"};

String Padded(int value, std::size_t width) {
    const String digits = IntText(value);
    return digits.size() < width ? String(width - digits.size(), u'0') + digits : digits;
}

// The month as the C library's "%b" writes it.
String MonthAbbreviation(int month) {
    if (month < 1 || month > 12)
        return IntText(month);
    return String(kMonthNames[month]).substr(0, 3);
}

String AsToken(const String& name) { return u"{{" + name + u"}}"; }

String OrdinalSuffix(int day) {
    if (day == 1 || day == 21 || day == 31)
        return u"st";
    if (day == 2 || day == 22)
        return u"nd";
    if (day == 3 || day == 23)
        return u"rd";
    return u"th";
}

// C++20 integer conversion is modular: this is the 32-bit wrap-around of the calendar formula.
int Wrapped(std::int64_t value) {
    return static_cast<std::int32_t>(static_cast<std::uint32_t>(value));
}

// Replaces each run of one of the letters by what value answers for the letter and the run's
// length; a run it has nothing for stays. Inserted text is not scanned again. The answer is
// built anew rather than replaced in place, so a long format costs its length, not its square.
template <class Value>
String ReplaceRuns(const String& pattern, std::u16string_view letters, const Value& value) {
    String out;
    out.reserve(pattern.size());
    for (std::size_t at = 0; at < pattern.size();) {
        const char16_t letter = pattern[at];
        const bool counted = letters.find(letter) != std::u16string_view::npos;
        std::size_t end = at + 1;
        while (counted && end < pattern.size() && pattern[end] == letter)
            ++end;
        const std::optional<String> text = counted ? value(letter, end - at) : std::nullopt;
        if (text)
            out += *text;
        else
            out.append(pattern, at, end - at);
        at = end;
    }
    out.pop_back();
    return out;
}

// A case label for a run of one letter; the letters are ASCII.
constexpr std::size_t Run(char16_t letter, std::size_t length) { return length * 128 + letter; }

// The pattern of a named format, else the format itself; the space ends a run at its very end.
String PatternOf(const String& format, const char16_t* shortName, const char16_t* shortPattern,
                 const char16_t* longName, const char16_t* longPattern) {
    const String name = Lower(format);
    if (name == shortName)
        return shortPattern;
    if (name == longName)
        return longPattern;
    return format + u" ";
}

} // namespace

String TVellumLocalizationEngine::LocalizedTime(const String& format) {
    const LocalTime now = CurrentTime();
    const String hour = Padded(now.hour, 2);
    const String pattern = PatternOf(format, u"shorttime", u"hh:mm ", u"longtime", u"hh:mm:ss ");
    return ReplaceRuns(pattern, u"hmsp",
                       [&](char16_t letter, std::size_t run) -> std::optional<String> {
                           switch (Run(letter, run)) {
                           case Run(u'h', 1):
                               return IntText(now.hour % 12);
                           case Run(u'h', 2):
                               return IntText(now.hour);
                           case Run(u'm', 1):
                               return IntText(now.minute);
                           case Run(u'm', 2):
                               return Padded(now.minute, 2);
                           case Run(u's', 1):
                               return IntText(now.second);
                           case Run(u's', 2):
                               return Padded(now.second, 2);
                           case Run(u'p', 2):
                               return AsToken(hour < u"12" ? u"am" : u"pm");
                           default:
                               return std::nullopt;
                           }
                       });
}

String TVellumLocalizationEngine::LocalizedDate(const String& format) {
    const LocalTime now = CurrentTime();
    const String abbreviation = MonthAbbreviation(now.month);
    const int month = _MonthAsNumber(abbreviation);
    const int weekday = (DayOfTheWeek(now.day, month, now.year) % 7 + 7) % 7;
    const String year = Padded(now.year, 4);
    const String pattern =
        PatternOf(format, u"shortdate", u"dd/mm/yy ", u"longdate", u"dddd oo mmmm yyyy ");
    return ReplaceRuns(pattern, u"dmyo",
                       [&](char16_t letter, std::size_t run) -> std::optional<String> {
                           switch (Run(letter, run)) {
                           case Run(u'd', 1):
                               return IntText(now.day);
                           case Run(u'd', 2):
                               return Padded(now.day, 2);
                           case Run(u'd', 3):
                               return AsToken(kShortDayNames[weekday]);
                           case Run(u'd', 4):
                               return AsToken(kLongDayNames[weekday]);
                           case Run(u'm', 1):
                               return (month < 10 ? u" " : u"") + IntText(month);
                           case Run(u'm', 2):
                               return IntText(month);
                           case Run(u'm', 3):
                               return AsToken(abbreviation);
                           case Run(u'm', 4):
                               return AsToken(kMonthNames[month]);
                           case Run(u'y', 2):
                               return year.substr(year.size() - 2);
                           case Run(u'y', 4):
                               return year;
                           case Run(u'o', 2):
                               return AsToken(IntText(now.day) + OrdinalSuffix(now.day));
                           default:
                               return std::nullopt;
                           }
                       });
}

int TVellumLocalizationEngine::_MonthAsNumber(const String& name) {
    const String key = Lower(name);
    for (int month = 1; month <= 12; ++month)
        if (key == kMonthKeys[month - 1])
            return month;
    RuntimeError(u"Unrecognised month: \"" + name + u"\"");
}

int TVellumLocalizationEngine::DayOfTheWeek(int day, int month, int year) {
    const int century = Wrapped(std::int64_t{year} + 5001 + Wrapped(std::int64_t{month} - 9) / 7);
    int julian = Wrapped(std::int64_t{367} * year);
    julian = Wrapped(std::int64_t{julian} - Wrapped(std::int64_t{7} * century) / 4);
    julian = Wrapped(std::int64_t{julian} + Wrapped(std::int64_t{275} * month) / 9);
    julian = Wrapped(std::int64_t{julian} + day + 1729777);
    return static_cast<int>(std::fmod(julian + 1.5, 7.0));
}

} // namespace vandro

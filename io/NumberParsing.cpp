#include "NumberParsing.h"

#include "runtime/NumberChars.h"

#include <charconv>
#include <string>
#include <type_traits>

namespace vandro {

namespace {

// The ASCII run that could hold a number; a wider character ends it.
std::string NumberPart(const String& text) {
    std::size_t at = 0;
    while (at < text.size() && (text[at] == u' ' || text[at] == u'\t'))
        ++at;
    if (at < text.size() && text[at] == u'+')
        ++at;
    std::string ascii;
    for (; at < text.size() && text[at] > 32 && text[at] < 127; ++at)
        ascii += static_cast<char>(text[at]);
    return ascii;
}

template <class T> T ValueOf(const String& text) {
    const std::string ascii = NumberPart(text);
    T value{};
    bool parsed = false;
    if constexpr (std::is_floating_point_v<T>)
        parsed = ParseFloating(ascii, value);
    else
        parsed =
            std::from_chars(ascii.data(), ascii.data() + ascii.size(), value).ec == std::errc();
    return parsed ? value : T{};
}

} // namespace

std::int64_t LongOfText(const String& text) { return ValueOf<std::int64_t>(text); }
double DoubleOfText(const String& text) { return ValueOf<double>(text); }
float FloatOfText(const String& text) { return ValueOf<float>(text); }

} // namespace vandro

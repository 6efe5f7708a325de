#include "NumberChars.h"

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <charconv>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <string>

namespace vandro {

#if defined(__cpp_lib_to_chars)

char* FloatingChars(char* buffer, char* end, double value, char format, int precision) {
    const auto chars = format == 'e' ? std::chars_format::scientific : std::chars_format::fixed;
    return std::to_chars(buffer, end, value, chars, precision).ptr;
}

namespace {
template <class T> bool Parse(std::string_view text, T& value) {
    return std::from_chars(text.data(), text.data() + text.size(), value).ec == std::errc();
}
} // namespace

#else

char* FloatingChars(char* buffer, char* end, double value, char format, int precision) {
    const int written = std::snprintf(buffer, static_cast<std::size_t>(end - buffer),
                                      format == 'e' ? "%.*e" : "%.*f", precision, value);
    return buffer + std::clamp<std::ptrdiff_t>(written, 0, end - buffer - 1);
}

namespace {
// std::from_chars takes no leading space, plus sign or hexadecimal, all of which strtod would.
template <class T> bool Parse(std::string_view text, T& value) {
    const std::size_t at = !text.empty() && text[0] == '-' ? 1 : 0;
    if (at >= text.size() || text[at] == '+' || std::isspace(static_cast<unsigned char>(text[at])))
        return false;
    std::string number(text.substr(0, text.find_first_of("xX")));
    errno = 0;
    char* stop = nullptr;
    const T parsed = std::is_same_v<T, float> ? std::strtof(number.c_str(), &stop)
                                              : std::strtod(number.c_str(), &stop);
    if (stop == number.c_str() || (errno == ERANGE && (parsed == 0 || std::isinf(parsed))))
        return false;
    value = parsed;
    return true;
}
} // namespace

#endif

bool ParseFloating(std::string_view text, double& value) { return Parse(text, value); }
bool ParseFloating(std::string_view text, float& value) { return Parse(text, value); }

} // namespace vandro

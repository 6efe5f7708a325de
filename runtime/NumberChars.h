// Floating-point numbers to and from text, exactly rounded, and the bits of a value as another
// type. The standard library's own where it has them; where it lacks them (the browser's
// libc++), the C library's in the C locale, which rounds as exactly.
#pragma once

#include <bit>
#include <string_view>
#include <type_traits>

namespace vandro {

// Writes value into buffer as std::to_chars does with std::chars_format::scientific (format
// 'e') or fixed ('f') at the precision; answers the end of what it wrote.
char* FloatingChars(char* buffer, char* end, double value, char format, int precision);
// Parses a floating-point number at the start of text as std::from_chars does in its general
// format; answers false, value untouched, where none is there or it is out of the type's range.
bool ParseFloating(std::string_view text, double& value);
bool ParseFloating(std::string_view text, float& value);

template <class To, class From> To BitCast(const From& from) {
    static_assert(sizeof(To) == sizeof(From) && std::is_trivially_copyable_v<From>);
#if defined(__cpp_lib_bit_cast)
    return std::bit_cast<To>(from);
#else
    return __builtin_bit_cast(To, from);
#endif
}

} // namespace vandro

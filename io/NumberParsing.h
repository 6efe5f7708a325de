// Numbers from the decimal lines text streams write. Leading blanks and a "+" are allowed,
// the number ends at the first character that cannot continue it, and a line that holds no
// number counts as 0. The C library's conversions are locale-dependent; these are not.
#pragma once

#include "runtime/Object.h"

#include <cstdint>

namespace vandro {

std::int64_t LongOfText(const String& text);
double DoubleOfText(const String& text);
float FloatOfText(const String& text);

} // namespace vandro

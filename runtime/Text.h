// Number text and the string operations the program shows its texts with. The results do
// not depend on the C library underneath: both builds produce the same characters.
#pragma once

#include "Object.h"

#include <cstdint>
#include <string_view>

namespace vandro {

String IntText(int value);
String LongText(std::int64_t value);
String FloatText(float value);   // "%#.9g"
String DoubleText(double value); // "%#.17lg"

// The one-character string of a code unit.
String CharText(char16_t unit);

// The first position >= start (negative counts as 0) where part occurs, else -1.
int Find(const String& text, const String& part, int start = 0);
// The last position where part occurs, else -1.
int FindLast(const String& text, const String& part);
// Every non-overlapping occurrence from the left; an empty part changes nothing.
String Replace(const String& text, const String& part, const String& with);
// Units start..end (exclusive); positions outside the text give spaces.
String Slice(const String& text, int start, int end);
// A-Z and, from U+00C0 up, the Unicode simple lower-case mapping; independent of locale.
String Lower(const String& text);
char16_t LowerUnit(char16_t unit);

// Conversions for the places that need bytes (the C library, test output).
String FromUtf8(std::string_view bytes);
std::string ToUtf8(const String& text);
// The environment variable's value as UTF-8 text, "" when it is not set.
String EnvironmentText(const char* name);

} // namespace vandro

// The rules of text areas that do not depend on the platform: the characters a position and a
// length in units stand for, the line breaks an area keeps, and the clipboard text a paste
// leaves behind.
#pragma once

#include "runtime/Object.h"

#include <functional>

namespace vandro {

struct TTextSpan {
    int start = 0;
    int end = 0;
};

// The characters [start, end) of a text of total characters that position and length stand for:
// characters with units 1, lines with units 2 (lineStart gives a line's first character, -1
// past the last line); a negative length reaches the end, and the span stays inside the text.
TTextSpan TextSpan(int position, int length, int units, int total,
                   const std::function<int(int)>& lineStart);
// Line breaks in any of their forms (CR LF, CR, LF) become single line feeds.
String LineFeedsOnly(const String& text);
// The clipboard's text as a paste leaves it: a final line feed becomes a carriage return.
String WithFinalReturn(const String& text);

} // namespace vandro

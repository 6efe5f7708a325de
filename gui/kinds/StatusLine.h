// How a window's status line shows the program's status text, the same on every platform: three
// fields split at tabs, kept clear of a resizable window's sizing grip.
#pragma once

#include "runtime/Object.h"

namespace vandro {

// The text the status line shows for the program's text in a window of this style.
String ShownStatusText(const String& text, int windowStyle);
// A field of the text: 0 before the first tab, 1 between the first and the second, 2 the rest
// (aligned left, centred and right); "" when the text has fewer tabs.
String StatusField(const String& text, int field);

} // namespace vandro

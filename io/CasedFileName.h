// The spelling the file system gives a path.
#pragma once

#include "runtime/Object.h"

namespace vandro {

// Each component of the path as its folder spells it, resolved from the left: the entry of
// that exact name, else the first of the names equal to it in lower case. The separators,
// ".", ".." and a leading drive stay as they are, so a path spelled right comes back
// unchanged. "" when a component is not found.
String CasedFileName(const String& path);

} // namespace vandro

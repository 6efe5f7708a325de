// The runtime's integer handles: objects numbered 1, 2, 3, ... in the order they were first
// asked for. A handed-out handle keeps its object alive for the rest of the process.
#pragma once

#include "Object.h"

namespace vandro {

// 0 for null; the same handle again for the same object.
int HandleFromObject(const Object& object);
// The object of a handle, or null for 0 and for handles never handed out.
Object HandleToObject(int handle);

} // namespace vandro

#include "HeadlessSystemDriver.h"

namespace vandro {

// Both builds run headless until the Windows driver under events/windows/ takes its place here.
Ref<TSystemDriver> NewSystemDriver() { return New<THeadlessSystemDriver>(); }

} // namespace vandro

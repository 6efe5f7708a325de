#include "HeadlessSystemDriver.h"

namespace vandro {

Ref<TSystemDriver> NewSystemDriver() { return New<THeadlessSystemDriver>(); }

} // namespace vandro

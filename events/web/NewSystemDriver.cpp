#include "WebSystemDriver.h"

namespace vandro {

Ref<TSystemDriver> NewSystemDriver() { return New<TWebSystemDriver>(); }

} // namespace vandro

#include "GtkSystemDriver.h"

namespace vandro {

Ref<TSystemDriver> NewSystemDriver() { return New<TGtkSystemDriver>(); }

} // namespace vandro

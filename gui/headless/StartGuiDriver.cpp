#include "HeadlessDriver.h"

#include "gui/ToolkitStart.h"

namespace vandro {

void StartGuiDriver() {
    StartPlatformDriver([]() -> Ref<TVellumDriver> { return New<THeadlessDriver>(); });
}

String PlatformName() { return u"headless"; }

} // namespace vandro

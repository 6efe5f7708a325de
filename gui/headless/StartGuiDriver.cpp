#include "HeadlessGUIDriver.h"

#include "gui/ToolkitStart.h"

namespace vandro {

void StartGuiDriver() {
    StartPlatformDriver([]() -> Ref<TVellumDriver> { return New<THeadlessGUIDriver>(); });
}

String PlatformName() { return u"headless"; }

} // namespace vandro

#include "WebGUIDriver.h"

#include "gui/ToolkitStart.h"

namespace vandro {

void StartGuiDriver() {
    StartPlatformDriver([]() -> Ref<TVellumDriver> { return New<TWebGUIDriver>(); });
}

String PlatformName() { return u"web"; }

} // namespace vandro

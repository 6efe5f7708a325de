#include "GtkGUIDriver.h"

#include "gui/ToolkitStart.h"

namespace vandro {

void StartGuiDriver() {
    StartPlatformDriver([]() -> Ref<TVellumDriver> { return New<TGtkGUIDriver>(); });
}

String PlatformName() { return u"gtk"; }

} // namespace vandro

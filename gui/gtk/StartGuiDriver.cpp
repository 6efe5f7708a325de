#include "GtkGUIDriver.h"

#include "gui/ToolkitStart.h"

namespace vandro {

namespace {

bool started = false;

} // namespace

void StartGuiDriver() {
    if (started)
        return;
    started = true;
    StartToolkit();
    SetCurrentDriver(New<TGtkGUIDriver>());
}

String PlatformName() { return u"gtk"; }

} // namespace vandro

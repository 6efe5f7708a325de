#include "HeadlessDriver.h"

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
    SetCurrentDriver(New<THeadlessDriver>());
}

String PlatformName() { return u"headless"; }

} // namespace vandro

#include "WindowsBindings.h"
#include "WindowsGUIDriver.h"

#include "gui/ToolkitStart.h"

namespace vandro {

namespace {

bool started = false;

} // namespace

// The driver module: the toolkit, the optional functions, the state every gadget shares, then
// the driver made current.
void StartGuiDriver() {
    if (started)
        return;
    started = true;
    StartToolkit();
    StartWindowsBindings();
    WindowsDriverState& state = WindowsDriver();
    state.CustomColors.fill(0xFFFFFF);
    state.MouseButtonDown.fill(0);
    state.emptyText = L"";
    state.noTheme = L" ";
    state.explorerTheme = L"Explorer";
    SetCurrentDriver(New<TWindowsGUIDriver>());
}

String PlatformName() { return u"windows"; }

} // namespace vandro

#include "WindowsBindings.h"
#include "WindowsDpi.h"
#include "WindowsGUIDriver.h"

#include "gui/ToolkitStart.h"

namespace vandro {

namespace {

// The optional functions and the state every gadget shares come before the driver.
Ref<TVellumDriver> NewWindowsDriver() {
    StartWindowsBindings();
    StartDpiAwareness();
    WindowsDriverState& state = WindowsDriver();
    state.CustomColors.fill(0xFFFFFF);
    state.MouseButtonDown.fill(0);
    state.emptyText = L"";
    state.noTheme = L" ";
    state.explorerTheme = L"Explorer";
    return New<TWindowsGUIDriver>();
}

} // namespace

void StartGuiDriver() { StartPlatformDriver(&NewWindowsDriver); }

String PlatformName() { return u"windows"; }

} // namespace vandro

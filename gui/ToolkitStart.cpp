#include "ToolkitStart.h"

#include "GadgetCore.h"
#include "LocalizationEngine.h"
#include "ToolkitState.h"

#include "events/System.h"

namespace vandro {

namespace {

ToolkitState toolkit;

String LocalizeThroughEngine(const String& text) {
    return TVellumLocalizationEngine::LocalizeString(text);
}

void DelocalizeFreedGadget(const Ref<TGadget>& gadget) {
    if (toolkit.driver)
        toolkit.driver->DelocalizeGadget(gadget);
}

} // namespace

ToolkitState& Toolkit() { return toolkit; }

void StartToolkit() {
    StartGadgetCore();
    StartDriverInterface();
    StartGadgetEvents();
}

void StartDriverInterface() {
    if (toolkit.driverInterfaceStarted)
        return;
    toolkit.driverInterfaceStarted = true;
    toolkit.engineSetMode = &TVellumLocalizationEngine::_SetMode;
    toolkit.engineSetLanguage = &TVellumLocalizationEngine::_SetLanguage;
    SetLocalizeHook(&LocalizeThroughEngine);
    SetGadgetFreedHook(&DelocalizeFreedGadget);
}

void StartGadgetEvents() {
    if (toolkit.gadgetEventsStarted)
        return;
    toolkit.gadgetEventsStarted = true;
    StartSystem();
    toolkit.pendingEvents = New<TList>();
}

void StartPlatformDriver(Ref<TVellumDriver> (*newDriver)()) {
    if (toolkit.platformStarted)
        return;
    toolkit.platformStarted = true;
    StartToolkit();
    SetCurrentDriver(newDriver());
}

const Ref<TVellumDriver>& CurrentDriver() { return toolkit.driver; }

void SetCurrentDriver(Ref<TVellumDriver> driver) {
    toolkit.driver = std::move(driver);
    // The menus of a new driver count their command ids from 101 again.
    toolkit.menuCounter = 100;
    toolkit.menus.clear();
}

} // namespace vandro

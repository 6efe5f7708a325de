#include "ToolkitStart.h"

#include "GadgetCore.h"
#include "ToolkitState.h"
#include "gui/localization/LocalizationEngine.h"

#include "events/System.h"

namespace vandro {

namespace {

String LocalizeThroughEngine(const String& text) {
    return TVellumLocalizationEngine::LocalizeString(text);
}

void DelocalizeFreedGadget(const Ref<TGadget>& gadget) {
    if (const Ref<TVellumDriver>& driver = Toolkit().driver)
        driver->DelocalizeGadget(gadget);
}

} // namespace

// Never destroyed: when the program ends, the queue's events and a platform's handle registry
// let go of their gadgets in no set order, and a menu that dies then still leaves its table.
ToolkitState& Toolkit() {
    static ToolkitState& toolkit = *new ToolkitState;
    return toolkit;
}

void StartToolkit() {
    StartGadgetCore();
    StartDriverInterface();
    StartGadgetEvents();
}

void StartDriverInterface() {
    ToolkitState& toolkit = Toolkit();
    if (toolkit.driverInterfaceStarted)
        return;
    toolkit.driverInterfaceStarted = true;
    toolkit.engineSetMode = &TVellumLocalizationEngine::_SetMode;
    toolkit.engineSetLanguage = &TVellumLocalizationEngine::_SetLanguage;
    SetLocalizeHook(&LocalizeThroughEngine);
    SetGadgetFreedHook(&DelocalizeFreedGadget);
}

void StartGadgetEvents() {
    ToolkitState& toolkit = Toolkit();
    if (toolkit.gadgetEventsStarted)
        return;
    toolkit.gadgetEventsStarted = true;
    StartSystem();
    toolkit.pendingEvents = New<TList>();
}

void StartPlatformDriver(Ref<TVellumDriver> (*newDriver)()) {
    ToolkitState& toolkit = Toolkit();
    if (toolkit.platformStarted)
        return;
    toolkit.platformStarted = true;
    StartToolkit();
    SetCurrentDriver(newDriver());
}

const Ref<TVellumDriver>& CurrentDriver() { return Toolkit().driver; }

void SetCurrentDriver(Ref<TVellumDriver> driver) {
    ToolkitState& toolkit = Toolkit();
    toolkit.driver = std::move(driver);
    // The menus of a new driver count their command ids from 101 again.
    toolkit.menuCounter = 100;
    toolkit.menus.clear();
}

} // namespace vandro

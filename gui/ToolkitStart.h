// The toolkit's start-up, in the order the program relies on: the core, the driver interface,
// the gadget event functions, then the platform's driver made current. Each step runs once.
#pragma once

#include "VellumDriver.h"

namespace vandro {

// Starts the gadget core, the driver interface and the gadget event functions.
void StartToolkit();
// Installs the localization hooks of the core and saves the engine's setters for the driver.
void StartDriverInterface();
// Starts the system module, then makes the pending gadget events list.
void StartGadgetEvents();

// Starts the toolkit and makes the platform's driver the current one; runs once. Each platform
// library defines it, so a program runs on the platform it links.
void StartGuiDriver();
// What each platform's StartGuiDriver does: the first call starts the toolkit and makes the
// driver that newDriver makes the current one; later calls return at once.
void StartPlatformDriver(Ref<TVellumDriver> (*newDriver)());
// The name of the platform the program links: "headless", "windows" or "gtk".
String PlatformName();

// Null until a platform driver is installed.
const Ref<TVellumDriver>& CurrentDriver();
// Replaces whatever driver was installed; menu command ids start again from 101.
void SetCurrentDriver(Ref<TVellumDriver> driver);

} // namespace vandro

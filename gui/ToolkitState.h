// The gadget toolkit's module state, for the files of the toolkit's module functions only.
#pragma once

#include "HotKey.h"
#include "VellumDriver.h"

#include "runtime/List.h"

#include <map>

namespace vandro {

class TMenuGadget;

struct ToolkitState {
    bool driverInterfaceStarted = false;
    bool gadgetEventsStarted = false;
    bool platformStarted = false;
    Ref<TVellumDriver> driver;
    // 0xRRGGBB; the top byte is ignored.
    int pickedColor = 0;
    int pointerShape = -1;
    Ref<THotKey> hotkeys;
    // Menu command ids start at 101 and skip those whose low 16 bits are 0 to 100, the commands
    // a native window has of its own. Not owned: a menu leaves the table when it is freed or
    // dies.
    int menuCounter = 100;
    std::map<int, TMenuGadget*> menus;
    Ref<TList> pendingEvents;
    // The localization engine's own setters, which the driver's localization wraps.
    Function<int(int)> engineSetMode;
    Function<int(Ref<TVellumLanguage>)> engineSetLanguage;
    int graphicsFlags = 0;
};

ToolkitState& Toolkit();

} // namespace vandro

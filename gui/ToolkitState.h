// The gadget toolkit's module state, for the files of the toolkit's module functions only.
#pragma once

#include "HotKey.h"
#include "VellumDriver.h"

#include "runtime/List.h"

namespace vandro {

struct ToolkitState {
    bool driverInterfaceStarted = false;
    bool gadgetEventsStarted = false;
    bool platformStarted = false;
    Ref<TVellumDriver> driver;
    // 0xRRGGBB; the top byte is ignored.
    int pickedColor = 0;
    int pointerShape = -1;
    Ref<THotKey> hotkeys;
    Ref<TList> pendingEvents;
    // The localization engine's own setters, which the driver's localization wraps.
    Function<int(int)> engineSetMode;
    Function<int(Ref<TVellumLanguage>)> engineSetLanguage;
    int graphicsFlags = 0;
};

ToolkitState& Toolkit();

} // namespace vandro

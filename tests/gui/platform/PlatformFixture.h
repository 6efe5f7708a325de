// The fixture of the tests every platform runs alike: the modules started as a program starts
// them, the event queue first, then the platform the test program links.
#pragma once

#include "events/EventQueue.h"
#include "gui/GadgetCreation.h"
#include "gui/GadgetFunctions.h"
#include "tests/support/PlatformUser.h"
#include "gui/ToolkitStart.h"

#include <gtest/gtest.h>

namespace vandro {

class PlatformTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        StartEventQueue();
        StartGuiDriver();
    }

    // Takes what creating and showing the gadgets queued.
    static void Drain() {
        while (PollEvent() != 0) {
        }
    }
};

} // namespace vandro

// The fixture of the tests of windows, menus, buttons and labels: the Win32 platform started
// once, a game-sized window (style 557, client 290 x 280) in front for each case, the events it
// raises recorded, and the queue emptied between cases.
#pragma once

#include "tests/game/windows/WindowCapture.h"
#include "tests/gui/EventRecorder.h"

#include "events/EventQueue.h"
#include "gui/GadgetConstants.h"
#include "gui/GadgetCreation.h"
#include "gui/GadgetFunctions.h"
#include "tests/support/PlatformUser.h"
#include "gui/ToolkitStart.h"
#include "gui/WindowFunctions.h"
#include "tests/support/windows/WindowsUser.h"

#include <gtest/gtest.h>

#include <vector>

namespace vandro {

class WindowGadgetsTest : public ::testing::Test {
  protected:
    static void SetUpTestSuite() {
        StartEventQueue();
        StartGuiDriver();
    }

    void SetUp() override {
        window = CreateWindow(u"Vandro", 0, 0, 290, 280, {}, 557);
        PumpFor(30);
        recorder.Take();
        Drain();
    }

    void TearDown() override {
        FreeGadget(window);
        PumpFor(10);
        Drain();
    }

    static void Drain() {
        while (PollEvent() != 0) {
        }
    }

    static HWND Hwnd(const Ref<TGadget>& gadget) { return ElementOf(gadget); }

    // The ids of the events recorded since the last call.
    std::vector<int> Ids() { return recorder.TakeIds(); }

    static LONG Style(const Ref<TGadget>& gadget) {
        return GetWindowLongW(Hwnd(gadget), GWL_STYLE);
    }

    EventRecorder recorder;
    Ref<TGadget> window;
};

} // namespace vandro

// The fixture of the GTK platform's tests: the toolkit started on GTK under the X display the
// tests are given (ctest starts a private Xvfb for them), and helpers that let GTK run and take
// what it queued. Without a display every case is skipped with the reason.
#pragma once

#include "gui/gtk/GtkGUIDriver.h"
#include "gui/gtk/GtkUserInput.h"

#include "events/EventQueue.h"
#include "gui/Toolkit.h"
#include "runtime/Application.h"

#include <X11/Xlib.h>
#include <gtest/gtest.h>

#include <cstdlib>
#include <vector>

namespace vandro {

class GtkTest : public testing::Test {
  protected:
    void SetUp() override {
        if (!HasDisplay())
            GTEST_SKIP() << "no X display (DISPLAY is unset or does not answer): the GTK tests "
                            "run under the Xvfb display that ctest starts";
        StartRuntime();
        StartEventQueue();
        StartGuiDriver();
        Drain();
    }

  public:
    static bool HasDisplay() {
        static const bool has = [] {
            const char* name = std::getenv("DISPLAY");
            Display* display = name ? XOpenDisplay(name) : nullptr;
            if (display)
                XCloseDisplay(display);
            return display != nullptr;
        }();
        return has;
    }

    // Everything the platform queued, in order, after GTK has run what it had pending.
    static std::vector<Ref<TEvent>> Drain() {
        PumpPending();
        std::vector<Ref<TEvent>> events;
        while (PollEvent() != 0)
            events.push_back(CurrentEvent());
        return events;
    }

    // Lets GTK run until the queue holds an event, or a second has passed.
    static std::vector<Ref<TEvent>> DrainAfterInput() {
        PumpUntil([] { return PeekEvent() != nullptr; }, 1000);
        PumpUntil([] { return false; }, 30);
        return Drain();
    }

    static std::vector<int> Ids(const std::vector<Ref<TEvent>>& events) {
        std::vector<int> ids;
        for (const auto& event : events)
            ids.push_back(event->id);
        return ids;
    }
};

} // namespace vandro

// The fixture of the headless driver's tests: the toolkit started on a fresh headless driver,
// every event recorded, and each case ending with nothing of its own alive, nothing queued
// (hot keys included).
#pragma once

#include "../EventRecorder.h"

#include "events/EventQueue.h"
#include "gui/Toolkit.h"
#include "gui/headless/HeadlessGUIDriver.h"
#include "gui/headless/HeadlessUser.h"

#include <gtest/gtest.h>

namespace vandro {

class HeadlessTest : public testing::Test {
  protected:
    static void SetUpTestSuite() {
        StartEventQueue();
        StartGuiDriver();
    }

    void SetUp() override {
        SetCurrentDriver(New<THeadlessGUIDriver>());
        Drain();
        liveBefore_ = TObject::LiveObjects();
    }

    void TearDown() override {
        SelectLocalizationMode(0);
        SelectLanguage(nullptr);
        events.Take();
        Drain();
        EXPECT_EQ(TObject::LiveObjects(), liveBefore_);
    }

    static void Drain() {
        while (PollEvent() != 0) {
        }
    }

    // The one event recorded since the last look, which must have this id.
    Ref<TEvent> OnlyEvent(int id) {
        const auto taken = events.Take();
        if (taken.size() != 1) {
            ADD_FAILURE() << "expected one event, got " << taken.size();
            return TEvent::Create(0, {}, 0, 0, 0, 0, {});
        }
        EXPECT_EQ(taken[0]->id, id);
        return taken[0];
    }

    EventRecorder events;

  private:
    long liveBefore_ = 0;
};

// The same with one window of 400 x 300 client pixels to put controls in; its creation's
// events are taken before each case starts.
class HeadlessWindowTest : public HeadlessTest {
  protected:
    void SetUp() override {
        HeadlessTest::SetUp();
        window = CreateWindow(u"w", 0, 0, 400, 300, nullptr, 32);
        events.Take();
    }
    void TearDown() override {
        FreeGadget(window);
        window = nullptr;
        HeadlessTest::TearDown();
    }

    Ref<TGadget> window;
};

} // namespace vandro

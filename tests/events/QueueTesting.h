// The fixture of the queue's tests: the queue started on the headless driver, and every case
// beginning and ending with nothing queued, pending or recorded.
#pragma once

#include "events/EventQueue.h"
#include "events/headless/HeadlessSystemDriver.h"

#include <gtest/gtest.h>

namespace vandro {

class QueueTest : public testing::Test {
  protected:
    static void SetUpTestSuite() { StartEventQueue(); }
    void SetUp() override {
        Drain();
        HeadlessSystem()->TakeCalls();
    }
    void TearDown() override {
        EXPECT_EQ(HeadlessSystem()->PendingInputCount(), 0);
        Drain();
    }
    static void Drain() {
        while (PollEvent() != 0) {
        }
    }
    // Reads everything queued, oldest first.
    static std::vector<Ref<TEvent>> ReadAll() {
        std::vector<Ref<TEvent>> read;
        while (PollEvent() != 0)
            read.push_back(CurrentEvent());
        return read;
    }
};

} // namespace vandro

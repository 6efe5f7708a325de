// The fixture of the driver interface's tests: the toolkit started with a recording driver
// as the current one, and each case leaving nothing of its own alive.
#pragma once

#include "RecordingDriver.h"

#include "gui/Toolkit.h"

#include <gtest/gtest.h>

namespace vandro {

class DriverTest : public testing::Test {
  protected:
    static void SetUpTestSuite() { StartToolkit(); }

    void SetUp() override {
        liveBefore_ = TObject::LiveObjects();
        driver = New<TRecordingDriver>();
        SetCurrentDriver(driver);
    }

    void TearDown() override {
        SetCurrentDriver(nullptr);
        driver = nullptr;
        EXPECT_EQ(TObject::LiveObjects(), liveBefore_);
    }

    Ref<TRecordingDriver> driver;

  private:
    long liveBefore_ = 0;
};

} // namespace vandro

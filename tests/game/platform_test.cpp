// Each test program runs on the platform it links, whatever other platforms its tree builds:
// the game's tests are one program per platform, and each must find its own drivers.
#include "GameFixture.h"

#include "events/System.h"
#include "gui/ToolkitStart.h"

#include <string>

namespace vandro {
namespace {

using PlatformTest = GameTest;

std::string Narrow(const String& text) { return std::string(text.begin(), text.end()); }

TEST_F(PlatformTest, TheProgramRunsOnThePlatformItLinks) {
    EXPECT_EQ(Narrow(PlatformName()), VANDRO_TEST_PLATFORM);
}

TEST_F(PlatformTest, TheGameWindowIsMadeByThatPlatformsDriver) {
    ASSERT_NE(CurrentDriver(), nullptr);
    // The user reads what the driver made: a window it did not make would not show.
    EXPECT_TRUE(Shows(GameState().gamewindow));
    EXPECT_EQ(User()->ShownText(GameState().gamewindow), u"Vandro");
    EXPECT_EQ(User()->ActiveWindow(), GameState().gamewindow);
}

} // namespace
} // namespace vandro

// The driver's services alike on every platform: the five system colours come from the platform
// and any other index is left to the program, and the system font is a face with whole points
// that takes the size and style asked for, as every font keeps the whole points of its size.
#include "PlatformFixture.h"

#include "gui/DriverFunctions.h"
#include "gui/VellumDriver.h"

#include <cmath>

namespace vandro {
namespace {

using ServicesTest = PlatformTest;

// The colour of the index as red + (green << 8) + (blue << 16), and the answer.
int Looked(int index, int& answer) {
    unsigned char red = 7, green = 8, blue = 9;
    answer = LookupColor(index, red, green, blue);
    return red + (green << 8) + (blue << 16);
}

TEST_F(ServicesTest, TheFiveSystemColoursComeFromThePlatformAndOtherIndexesAreLeftAlone) {
    int answer = -1;
    for (int index = ColorWindowBackground; index <= ColorLinkText; ++index) {
        Looked(index, answer);
        EXPECT_EQ(answer, 1) << "index " << index;
    }
    // Text can be read on the gadgets' ground.
    EXPECT_NE(Looked(ColorGadgetText, answer), Looked(ColorGadgetBackground, answer));
    for (int index : {5, -1, 255}) {
        EXPECT_EQ(Looked(index, answer), 7 + (8 << 8) + (9 << 16)) << "index " << index;
        EXPECT_EQ(answer, 0);
    }
}

TEST_F(ServicesTest, TheSystemFontHasWholePointsAndTakesTheSizeAndStyleAskedFor) {
    const auto font = LibraryFont(FontSystem);
    ASSERT_NE(font, nullptr);
    EXPECT_FALSE(FontName(font).empty());
    EXPECT_GT(FontSize(font), 0.0);
    EXPECT_EQ(FontSize(font), std::floor(FontSize(font)));
    EXPECT_EQ(FontStyle(font), 0);
    const auto asked = LibraryFont(FontSystem, 12.5, 1 | 2);
    EXPECT_EQ(FontName(asked), FontName(font));
    EXPECT_EQ(FontSize(asked), 12.0);
    EXPECT_EQ(FontStyle(asked), 1 | 2);
    EXPECT_EQ(FontSize(LoadGuiFont(u"Arial", 8.9)), 8.0);
    EXPECT_EQ(FontSize(LibraryFont(FontSans, 36.0)), 36.0);
}

} // namespace
} // namespace vandro

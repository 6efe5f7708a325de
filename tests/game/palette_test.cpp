// The palette: inverted colours, and the faded text made with single-precision factors in a
// double-precision sum, truncated.
#include "game/Palette.h"

#include <gtest/gtest.h>

namespace vandro {
namespace {

TEST(PaletteTest, FadedTextOnALightGreyFaceTruncatesTo215) {
    const TPalette p = MakePalette({240, 240, 240}, {0, 0, 0});
    EXPECT_EQ(p.fadedtextcolor, (TColour{215, 215, 215}));
    EXPECT_EQ(p.invfacecolor, (TColour{15, 15, 15}));
    EXPECT_EQ(p.invtextcolor, (TColour{255, 255, 255}));
}

TEST(PaletteTest, WhiteOnWhiteFadesTo254) {
    EXPECT_EQ(MakePalette({255, 255, 255}, {255, 255, 255}).fadedtextcolor,
              (TColour{254, 254, 254}));
}

TEST(PaletteTest, EachChannelIsMixedOnItsOwn) {
    // 0.9f * 100 + 0.1f * 200 is 109.99999791383743, and 0.9f * 10 + 0.1f * 30 is 11.9999998.
    const TPalette p = MakePalette({100, 0, 10}, {200, 255, 30});
    EXPECT_EQ(p.fadedtextcolor, (TColour{109, 25, 11}));
    EXPECT_EQ(p.invfacecolor, (TColour{155, 255, 245}));
    EXPECT_EQ(p.invtextcolor, (TColour{55, 0, 225}));
    EXPECT_EQ(p.coveredtextcolor, (TColour{128, 128, 140}));
    EXPECT_EQ(p.symboltextcolor, (TColour{0, 0, 0}));
}

} // namespace
} // namespace vandro

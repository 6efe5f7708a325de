// The headless platform's system colours: it supplies the five named ones, and a test may set
// one.
#include "HeadlessFixture.h"

namespace vandro {
namespace {

using SystemColourTest = HeadlessTest;

std::vector<int> Looked(int index, int& answer) {
    unsigned char red = 7, green = 8, blue = 9;
    answer = LookupColor(index, red, green, blue);
    return {red, green, blue};
}

TEST_F(SystemColourTest, ThePlatformSuppliesTheNamedColours) {
    int answer = -1;
    EXPECT_EQ(Looked(ColorWindowBackground, answer), (std::vector<int>{240, 240, 240}));
    EXPECT_EQ(answer, 1);
    EXPECT_EQ(Looked(ColorGadgetText, answer), (std::vector<int>{0, 0, 0}));
    EXPECT_EQ(answer, 1);
    Headless().systemColors[ColorLinkText] = 1 + (2 << 8) + (3 << 16);
    EXPECT_EQ(Looked(ColorLinkText, answer), (std::vector<int>{1, 2, 3}));
    EXPECT_EQ(answer, 1);
}

} // namespace
} // namespace vandro

// Where a panel's background image goes by its layout, and the opacity it is drawn with.
#include "gui/kinds/PanelImage.h"

#include <gtest/gtest.h>

#include <vector>

namespace vandro {
namespace {

std::vector<int> Placed(int mode, int panelWidth, int panelHeight, int w, int h) {
    TImagePlace placed;
    if (!PlacePanelImage(mode, panelWidth, panelHeight, w, h, placed))
        return {};
    return {placed.x, placed.y, placed.w, placed.h};
}

TEST(PanelImageTest, EachLayoutPlacesTheImage) {
    EXPECT_EQ(Placed(PanelImageFitted, 200, 200, 100, 50), (std::vector<int>{0, 50, 200, 100}));
    EXPECT_EQ(Placed(PanelImageFitWidth, 200, 200, 100, 50), (std::vector<int>{0, 50, 200, 100}));
    EXPECT_EQ(Placed(PanelImageFitted, 400, 100, 100, 50), (std::vector<int>{100, 0, 200, 100}));
    EXPECT_EQ(Placed(PanelImageFitWidth, 400, 100, 100, 50), (std::vector<int>{0, -50, 400, 200}));
    EXPECT_EQ(Placed(PanelImageCentred, 101, 51, 30, 20), (std::vector<int>{35, 15, 30, 20}));
    EXPECT_EQ(Placed(PanelImageCentred, 10, 10, 31, 21), (std::vector<int>{-10, -5, 31, 21}));
    EXPECT_EQ(Placed(PanelImageStretched, 77, 33, 30, 20), (std::vector<int>{0, 0, 77, 33}));
    EXPECT_EQ(Placed(PanelImageTiled, 100, 50, 30, 20), (std::vector<int>{0, 0, 30, 20}));
}

TEST(PanelImageTest, ModesFiveToSevenAndEmptyImagesDrawNothing) {
    for (int mode = 5; mode <= 7; ++mode)
        EXPECT_EQ(Placed(mode, 100, 100, 10, 10), std::vector<int>{}) << mode;
    EXPECT_EQ(Placed(PanelImageFitted, 100, 100, 0, 10), std::vector<int>{});
}

TEST(PanelImageTest, TheOpacityIsTheIntegerPartOfAlphaTimes255) {
    EXPECT_EQ(PanelOpacity(1.0f), 255);
    EXPECT_EQ(PanelOpacity(0.5f), 127);
    EXPECT_EQ(PanelOpacity(0.0f), 0);
}

} // namespace
} // namespace vandro

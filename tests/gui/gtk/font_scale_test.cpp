// The game on GTK when the desktop scales its text by a fraction (ctest runs these cases with
// GDK_DPI_SCALE=1.25, a font resolution of 120 DPI as the X resource Xft.dpi: 120 gives): the
// program's fonts are in its 96-DPI units like its cards, so the board keeps its measure and
// the symbols still fit their cards.
#include "BoardFixture.h"

namespace vandro {
namespace {

using GtkFontScaleTest = GtkBoardTest;

TEST_F(GtkFontScaleTest, TheBoardKeepsItsMeasureAndEverySymbolFitsItsCard) {
    ASSERT_EQ(gdk_screen_get_resolution(gdk_screen_get_default()), 120.0);
    NewGame(11, 10, 1);
    // The widest symbols are in the deck, every one face up.
    for (int column = 0; column < 11; ++column)
        for (int row = 0; row < 10; ++row)
            CardAt(column, row)->Uncover();
    WaitUntilDrawn();
    const GtkAllocation client = Placed(Window()->_client);
    EXPECT_EQ(client.width, 638);
    EXPECT_EQ(client.height, 628);
    for (int column = 0; column < 11; ++column)
        for (int row = 0; row < 10; ++row) {
            const GdkRectangle card = Placed(Button(column, row)->_widget);
            EXPECT_EQ(card.width, 58) << column << ", " << row;
            EXPECT_EQ(card.height, 58) << column << ", " << row;
        }
    // 36 points are a line of 57 units, as at 96 DPI: at the desktop's 120 it would be 71.
    int natural = 0;
    gtk_widget_get_preferred_height(gtk_bin_get_child(GTK_BIN(Button(0, 0)->_widget)), nullptr,
                                    &natural);
    EXPECT_EQ(natural, 57);
}

} // namespace
} // namespace vandro

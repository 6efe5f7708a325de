// The game's board on GTK: the client area the game asks for, exactly, and every card and
// label where the game put it.
#include "BoardFixture.h"

namespace vandro {
namespace {

using GtkBoardGeometryTest = GtkBoardTest;

void ExpectPlaced(GtkWidget* widget, int x, int y, int w, int h) {
    const GdkRectangle placed = GtkBoardTest::Placed(widget);
    EXPECT_EQ(placed.x, x);
    EXPECT_EQ(placed.y, y);
    EXPECT_EQ(placed.width, w);
    EXPECT_EQ(placed.height, h);
}

TEST_F(GtkBoardGeometryTest, TheSmallestBoardHasAClientAreaOf290By280) {
    WaitUntilDrawn();
    const GtkAllocation client = Placed(Window()->_client);
    EXPECT_EQ(client.width, 290);
    EXPECT_EQ(client.height, 280);
    EXPECT_EQ(GadgetClientWidth(GameState().gamewindow), 290);
    EXPECT_EQ(GadgetClientHeight(GameState().gamewindow), 280);
}

TEST_F(GtkBoardGeometryTest, TheLargestBoardIs638By628With110ButtonsAtTheirPlaces) {
    NewGame(11, 10, 4);
    WaitUntilDrawn();
    const GtkAllocation client = Placed(Window()->_client);
    EXPECT_EQ(client.width, 638);
    EXPECT_EQ(client.height, 628);
    int buttons = 0;
    for (int column = 0; column < 11; ++column)
        for (int row = 0; row < 10; ++row) {
            SCOPED_TRACE(testing::Message() << "card " << column << ", " << row);
            ExpectPlaced(Button(column, row)->_widget, 58 * column, 24 + 58 * row, 58, 58);
            ++buttons;
        }
    EXPECT_EQ(buttons, 110);
    // Every button of the client area is a card: none more, none less.
    GList* children = gtk_container_get_children(GTK_CONTAINER(Window()->_client));
    int shownButtons = 0;
    for (GList* child = children; child; child = child->next)
        shownButtons += GTK_IS_BUTTON(child->data) ? 1 : 0;
    g_list_free(children);
    EXPECT_EQ(shownButtons, 110);
    const int half = 638 / 2;
    const auto& labels = GameState().playerlabels;
    ExpectPlaced(Cast<TGtkLabel>(labels[0])->_widget, 0, 0, half, 24);
    ExpectPlaced(Cast<TGtkLabel>(labels[1])->_widget, half, 0, half, 24);
    ExpectPlaced(Cast<TGtkLabel>(labels[2])->_widget, 0, 604, half, 24);
    ExpectPlaced(Cast<TGtkLabel>(labels[3])->_widget, half, 604, half, 24);
}

TEST_F(GtkBoardGeometryTest, AFaceUpSymbolFitsItsCardWithoutWideningIt) {
    NewGame(11, 10, 1);
    // The widest symbols are in the deck; every face up, the grid keeps its measure.
    for (int column = 0; column < 11; ++column)
        for (int row = 0; row < 10; ++row)
            CardAt(column, row)->Uncover();
    WaitUntilDrawn();
    for (int column = 0; column < 11; ++column)
        for (int row = 0; row < 10; ++row)
            ExpectPlaced(Button(column, row)->_widget, 58 * column, 24 + 58 * row, 58, 58);
    EXPECT_EQ(Placed(Window()->_client).width, 638);
}

} // namespace
} // namespace vandro

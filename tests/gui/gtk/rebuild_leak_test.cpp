// A hundred new games on GTK leave as many objects and widgets alive as the first did, and
// freeing the window leaves no widget of the driver's alive at all.
#include "BoardFixture.h"

namespace vandro {
namespace {

using GtkRebuildTest = GtkBoardTest;

void PlayALittle() {
    for (const auto& [column, row] : {std::pair{0, 0}, {1, 0}, {1, 0}, {0, 1}}) {
        PlatformUser()->PressButton(GtkBoardTest::CardAt(column, row)->gadget);
        GtkBoardTest::Settle();
    }
}

TEST_F(GtkRebuildTest, AHundredRebuildsLeaveTheObjectsAndWidgetsOfTheFirst) {
    // The user is made on first use; it lives on.
    ASSERT_NE(PlatformUser(), nullptr);
    NewGame(5, 4, 1);
    const long objects = TObject::LiveObjects();
    const int widgets = GtkDriver().liveWidgets;
    EXPECT_GT(widgets, 20);
    // Each rebuild must leave exactly what the first did; the soak in bench/soak plays ten
    // thousand boards for slow growth.
    for (int rebuild = 1; rebuild <= 100; ++rebuild) {
        // Some games played a little first: picked, found and face-up cards go with them.
        if (rebuild % 10 == 0)
            PlayALittle();
        NewGame(5, 4, 1 + rebuild % 4);
        PumpPending();
        ASSERT_EQ(GtkDriver().liveWidgets, widgets) << "rebuild " << rebuild;
        ASSERT_EQ(TObject::LiveObjects(), objects) << "rebuild " << rebuild;
    }
}

TEST_F(GtkRebuildTest, AFreedWindowLeavesNoWidgetOfTheDriverAlive) {
    NewGame(11, 10, 4);
    PlayALittle();
    FreeGadget(GameState().gamewindow);
    PumpPending();
    EXPECT_EQ(GtkDriver().liveWidgets, 0);
    EXPECT_TRUE(GtkDriver().registry.empty());
    NewGame(5, 4, 1);
    EXPECT_GT(GtkDriver().liveWidgets, 0);
}

} // namespace
} // namespace vandro

// Rebuilding the board releases the whole old game: cards and their buttons refer to each
// other, and nothing of many games played and thrown away may stay alive.
#include "GameFixture.h"

#include <map>

namespace vandro {
namespace {

using RebuildTest = GameTest;

// Some of the game played, so that picked cards, found pairs and face-up cards are there.
void PlayALittle() {
    GameTest::Press(GameTest::CardAt(0, 0));
    GameTest::Press(GameTest::CardAt(1, 0));
    GameTest::Press(GameTest::CardAt(1, 0));
    GameTest::Press(GameTest::CardAt(0, 1));
}

TEST_F(RebuildTest, RebuildsOfEverySizeLeaveAsManyObjectsAsTheFirst) {
    std::map<int, long> live;
    for (int k = 0; k < VANDRO_TEST_REBUILDS; ++k) {
        const int n = 4 + k % 7;
        NewGame(n + 1, n, 1 + k % 4);
        if (k % 5 == 0)
            PlayALittle();
        const auto first = live.emplace(n, TObject::LiveObjects());
        if (!first.second) {
            ASSERT_EQ(TObject::LiveObjects(), first.first->second) << "rebuild " << k;
        }
    }
    NewGame(5, 4, 1);
    EXPECT_EQ(TObject::LiveObjects(), live[4]);
}

TEST_F(RebuildTest, NothingOfTheOldGameOutlivesTheRebuild) {
    PlayALittle();
    const long before = TObject::LiveObjects();
    {
        const Ref<TCard> card = CardAt(0, 0);
        const Ref<TGadget> window = GameState().gamewindow;
        SetupBoard();
        Settle();
        // Held only here now: the old card (no grid, pick or button holds it) and the window.
        EXPECT_EQ(card->RefCount(), 1);
        EXPECT_EQ(card->gadget->extra, nullptr);
        EXPECT_EQ(window->RefCount(), 1);
    }
    EXPECT_EQ(TObject::LiveObjects(), before);
}

} // namespace
} // namespace vandro

// Whole games played to the last pair by a player that remembers the faces: every pair is
// credited to the player who found it, nothing can be uncovered afterwards, and the menu
// still starts new games.
#include "MemoryPlayer.h"

#include "GameFixture.h"

#include "runtime/Text.h"

#include <algorithm>

namespace vandro {
namespace {

using WholeGameTest = GameTest;

// Plays the board as dealt to the end, checking that every press could be made, every face
// was one character, and the status bar was right after every press.
MemoryPlayer PlayWholeGame() {
    MemoryPlayer player;
    player.PlayToTheEnd();
    EXPECT_EQ(player.left, 0);
    EXPECT_EQ(player.refused, 0);
    EXPECT_EQ(player.badFaces, 0);
    EXPECT_EQ(player.wrongStatus, 0);
    EXPECT_EQ(GameState().cardsleft, 0);
    return player;
}

void ExpectScoresShown(const std::array<int, 4>& scores) {
    EXPECT_EQ(GameState().scores, scores);
    for (int slot = 0; slot < 4; ++slot)
        EXPECT_EQ(GadgetText(GameTest::Label(slot)),
                  u"Spieler " + IntText(slot + 1) + u": " +
                      IntText(scores[static_cast<std::size_t>(slot)]));
}

TEST_F(WholeGameTest, ThreePlayersClearTheSmallestBoardEachCreditedForTheirPairs) {
    NewGame(5, 4, 3);
    const MemoryPlayer player = PlayWholeGame();
    EXPECT_EQ(Status(), u"Spieler " + IntText(player.turn + 1) + u"\t\tKarten: 0 / 20");
    ExpectScoresShown(player.scores);
    EXPECT_EQ(player.scores[0] + player.scores[1] + player.scores[2], 10);
    EXPECT_EQ(player.scores[3], 0);
    // More than one player found something, or the turn accounting was never put to the test.
    EXPECT_GE(
        std::count_if(player.scores.begin(), player.scores.end(), [](int s) { return s > 0; }), 2);

    for (int column = 0; column < 5; ++column)
        for (int row = 0; row < 4; ++row)
            EXPECT_EQ(User()->PressButton(CardAt(column, row)->gadget), 0);

    Choose(GameState().gamemenu, 300);
    EXPECT_EQ(Status(), u"Spieler 1\t\tKarten: 20 / 20");
    ExpectScoresShown({0, 0, 0, 0});
    Choose(GameState().playersmenu, 202);
    EXPECT_EQ(GameState().players, 2);
}

TEST_F(WholeGameTest, FourPlayersClearTheLargestBoard) {
    NewGame(11, 10, 4);
    const MemoryPlayer player = PlayWholeGame();
    ExpectScoresShown(player.scores);
    EXPECT_EQ(player.scores[0] + player.scores[1] + player.scores[2] + player.scores[3], 55);
    Choose(GameState().sizemenu, 104);
    EXPECT_EQ(Status(), u"Spieler 1\t\tKarten: 20 / 20");
}

TEST_F(WholeGameTest, ASinglePlayerKeepsTheTurnAndGetsEveryPair) {
    const MemoryPlayer player = PlayWholeGame();
    ExpectScoresShown({10, 0, 0, 0});
    EXPECT_EQ(player.turn, 0);
    // Three presses a turn, ten of them pairs, the rest misses.
    EXPECT_EQ(player.presses % 3, 0);
}

} // namespace
} // namespace vandro

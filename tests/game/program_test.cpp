// The program: it starts once, and its loop ends the process with exit code 0 on a closed
// window, on the application's termination and on "Spiel &beenden", and on nothing else.
#include "GameFixture.h"

namespace vandro {
namespace {

using ProgramTest = GameTest;

TEST_F(ProgramTest, ASecondStartChangesNothing) {
    const Ref<TGadget> window = GameState().gamewindow;
    const int state = GetRandomSeed();
    EXPECT_EQ(StartGame(), 0);
    EXPECT_EQ(GameState().gamewindow, window);
    EXPECT_EQ(GetRandomSeed(), state);
}

// A program in a browser's page cannot start another process to watch it end: there the
// program's end is checked from outside the page (tests/game/web).
#if GTEST_HAS_DEATH_TEST
using ProgramDeathTest = GameTest;

void CloseTheWindow() { GameTest::User()->CloseWindow(GameState().gamewindow); }

void PressACard() { GameTest::User()->PressButton(GameTest::CardAt(0, 0)->gadget); }

void Quit() { GameTest::User()->ChooseMenu(GameTest::MenuItem(GameState().gamemenu, 400)); }

void Terminate() { PostEvent(CreateEvent(AppTerminate), 0); }

// The loop, once it waits again, answers for itself: exit code 3 if the game is as the test
// expects by then, 4 otherwise.
[[noreturn]] void Check() {
    const TGameState& game = GameState();
    const bool asExpected = game.players == 3 && game.pickedcount == 0 &&
                            GameTest::Status() == u"Spieler 1\t\tKarten: 20 / 20";
    std::exit(asExpected ? 3 : 4);
}

// Each step queues the next, so the loop takes the events of one step before the next runs.
void ChooseThreePlayersThenCheck() {
    GameTest::User()->WhenWaiting(Check);
    GameTest::User()->ChooseMenu(GameTest::MenuItem(GameState().playersmenu, 203));
}

void PressThenChoose() {
    GameTest::User()->WhenWaiting(ChooseThreePlayersThenCheck);
    PressACard();
}

TEST_F(ProgramDeathTest, ClosingTheWindowEndsWithExitCodeZero) {
    EXPECT_EXIT(
        {
            User()->WhenWaiting(PressACard);
            User()->WhenWaiting(CloseTheWindow);
            RunGame();
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(ProgramDeathTest, TheApplicationsTerminationEndsWithExitCodeZero) {
    EXPECT_EXIT(
        {
            User()->WhenWaiting(Terminate);
            RunGame();
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(ProgramDeathTest, QuittingFromTheMenuEndsWithExitCodeZero) {
    EXPECT_EXIT(
        {
            User()->WhenWaiting(Quit);
            VandroMain();
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(ProgramDeathTest, OtherChoicesKeepTheLoopGoing) {
    EXPECT_EXIT(
        {
            User()->WhenWaiting(PressThenChoose);
            RunGame();
        },
        testing::ExitedWithCode(3), "");
}
#endif

} // namespace
} // namespace vandro

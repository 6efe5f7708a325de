// The program: it starts once, and its loop ends the process with exit code 0 on a closed
// window, on the application's termination and on "Spiel &beenden", and on nothing else.
#include "GameFixture.h"

#include "events/HeadlessSystemDriver.h"

namespace vandro {
namespace {

using ProgramTest = GameTest;
using ProgramDeathTest = GameTest;

int CloseTheWindow(Object) { return UserCloseWindow(GameState().gamewindow); }

int PressACard(Object) { return UserPressButton(GameTest::CardAt(0, 0)->gadget); }

int Quit(Object) { return UserChooseMenu(GameTest::MenuItem(GameState().gamemenu, 400)); }

int Terminate(Object) { return PostEvent(CreateEvent(AppTerminate), 0); }

// The loop, once input has run out, answers for itself: exit code 3 if the game is as the
// test expects by then, 4 otherwise (a WaitEvent with nothing to wait for raises instead).
[[noreturn]] int Check(Object) {
    const TGameState& game = GameState();
    const bool asExpected = game.players == 3 && game.pickedcount == 0 &&
                            GameTest::Status() == u"Spieler 1\t\tKarten: 20 / 20";
    std::exit(asExpected ? 3 : 4);
}

// One pump runs all input that is due, so each step queues the next: the loop takes the
// events of one step before the next step runs.
int ChooseThreePlayersThenCheck(Object) {
    HeadlessSystem()->QueueInput(Check, {});
    return UserChooseMenu(GameTest::MenuItem(GameState().playersmenu, 203));
}

int PressThenChoose(Object) {
    HeadlessSystem()->QueueInput(ChooseThreePlayersThenCheck, {});
    return PressACard({});
}

TEST_F(ProgramTest, ASecondStartChangesNothing) {
    const Ref<TGadget> window = GameState().gamewindow;
    const int state = GetRandomSeed();
    EXPECT_EQ(StartGame(), 0);
    EXPECT_EQ(GameState().gamewindow, window);
    EXPECT_EQ(GetRandomSeed(), state);
}

TEST_F(ProgramDeathTest, ClosingTheWindowEndsWithExitCodeZero) {
    EXPECT_EXIT(
        {
            HeadlessSystem()->QueueInput(PressACard, {});
            HeadlessSystem()->QueueInput(CloseTheWindow, {});
            RunGame();
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(ProgramDeathTest, TheApplicationsTerminationEndsWithExitCodeZero) {
    EXPECT_EXIT(
        {
            HeadlessSystem()->QueueInput(Terminate, {});
            RunGame();
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(ProgramDeathTest, QuittingFromTheMenuEndsWithExitCodeZero) {
    EXPECT_EXIT(
        {
            HeadlessSystem()->QueueInput(Quit, {});
            VandroMain();
        },
        testing::ExitedWithCode(0), "");
}

TEST_F(ProgramDeathTest, OtherChoicesKeepTheLoopGoing) {
    EXPECT_EXIT(
        {
            HeadlessSystem()->QueueInput(PressThenChoose, {});
            RunGame();
        },
        testing::ExitedWithCode(3), "");
}

} // namespace
} // namespace vandro

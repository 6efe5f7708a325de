// The game's board through the toolkit on the Win32 platform beside a plain Win32 program that
// builds the same board by hand, in the same run: an 11 x 10 rebuild, a card press until the
// card is painted again, start-up until the first window is shown, and the peak working set.
// Google Benchmark is not built for Windows here, so the timing is our own: medians of rounds.
//
//   board_bench                     times rebuilds and presses both ways, prints the ratios
//   board_bench toolkit|plain <n>   starts, then rebuilds the 11 x 10 board n times (run.sh
//                                   counts the wineserver requests of n rebuilds against 0)
//   board_bench start toolkit|plain starts, shows the first board, prints the milliseconds
//                                   since the process was made and the peak working set
#include "PlainBoard.h"

#include "game/Board.h"
#include "game/Deck.h"
#include "game/GameState.h"
#include "game/Vandro.h"

#include "events/EventIds.h"
#include "events/EventQueue.h"
#include "gui/GadgetFunctions.h"

#include <psapi.h>

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <functional>
#include <vector>

namespace vandro {
namespace {

constexpr int Rounds = 7;
constexpr int RebuildsPerRound = 5;

using Clock = std::chrono::steady_clock;

void Pump() {
    MSG msg;
    while (PeekMessageW(&msg, nullptr, 0, 0, PM_REMOVE)) {
        TranslateMessage(&msg);
        DispatchMessageW(&msg);
    }
}

// Median over the rounds of the mean time of one step, in microseconds.
double Median(int steps, const std::function<void()>& setUp, const std::function<void()>& step) {
    std::vector<double> means;
    for (int round = 0; round < Rounds; ++round) {
        setUp();
        const auto start = Clock::now();
        for (int i = 0; i < steps; ++i)
            step();
        means.push_back(std::chrono::duration<double, std::micro>(Clock::now() - start).count() /
                        steps);
    }
    std::sort(means.begin(), means.end());
    return means[means.size() / 2];
}

void ToolkitRebuild() {
    TGameState& game = GameState();
    game.columns = 11;
    game.rows = 10;
    SetupBoard();
    RedrawWindow(HandleFrom<HWND>(game.gamewindow->Query(1)), nullptr, nullptr,
                 RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
    // The loop takes what the new board raised, as the program would.
    while (PollEvent() != 0)
        ReactToEvent();
}

int pressed = 0;

void ToolkitPress() {
    const auto& cards = TDeck::cards;
    const Ref<TCard> card = cards[pressed % 11][pressed / 11 % 10];
    ++pressed;
    const HWND button = HandleFrom<HWND>(card->gadget->Query(1));
    SendMessageW(button, BM_CLICK, 0, 0);
    while (WaitEvent() != GadgetAction)
        ;
    ReactToEvent();
    UpdateWindow(button);
}

double MillisecondsSinceStart() {
    FILETIME made, exited, kernel, user, now;
    GetProcessTimes(GetCurrentProcess(), &made, &exited, &kernel, &user);
    GetSystemTimeAsFileTime(&now);
    const auto value = [](const FILETIME& time) {
        return (static_cast<unsigned long long>(time.dwHighDateTime) << 32) | time.dwLowDateTime;
    };
    return static_cast<double>(value(now) - value(made)) / 10000.0;
}

void ReportStart() {
    const double ms = MillisecondsSinceStart();
    PROCESS_MEMORY_COUNTERS memory{};
    memory.cb = sizeof(memory);
    GetProcessMemoryInfo(GetCurrentProcess(), &memory, sizeof(memory));
    std::printf("start-up %.1f ms, peak working set %.0f KiB\n", ms,
                static_cast<double>(memory.PeakWorkingSetSize) / 1024.0);
}

int Run(int argc, char** argv) {
    const bool plain = argc > 2 && std::strcmp(argv[2], "plain") == 0;
    if (argc > 2 && std::strcmp(argv[1], "start") == 0) {
        if (plain) {
            PlainBoard board;
            board.Rebuild(5, 4);
            Pump();
            ReportStart();
        } else {
            StartGame();
            RedrawWindow(HandleFrom<HWND>(GameState().gamewindow->Query(1)), nullptr, nullptr,
                         RDW_INVALIDATE | RDW_ALLCHILDREN | RDW_UPDATENOW);
            Pump();
            ReportStart();
        }
        return 0;
    }
    if (argc > 2) {
        const int rebuilds = std::atoi(argv[2]);
        const bool bare = std::strcmp(argv[1], "plain") == 0;
        if (bare) {
            PlainBoard board;
            board.Rebuild(11, 10);
            for (int i = 0; i < rebuilds; ++i)
                board.Rebuild(11, 10);
        } else {
            StartGame();
            ToolkitRebuild();
            for (int i = 0; i < rebuilds; ++i)
                ToolkitRebuild();
        }
        return 0;
    }
    StartGame();
    const double toolkitRebuild = Median(
        RebuildsPerRound, [] {}, ToolkitRebuild);
    const double toolkitPress = Median(
        60, [] { ToolkitRebuild(), pressed = 0; }, ToolkitPress);
    FreeGadget(GameState().gamewindow);
    PlainBoard board;
    const double plainRebuild = Median(
        RebuildsPerRound, [] {}, [&board] { board.Rebuild(11, 10); });
    int card = 0;
    const double plainPress = Median(
        60, [&board, &card] { board.Rebuild(11, 10), card = 0; },
        [&board, &card] { board.PressCard(card++); });
    std::printf("rebuild 11 x 10: toolkit %9.1f us, plain %9.1f us, ratio %.2f\n", toolkitRebuild,
                plainRebuild, toolkitRebuild / plainRebuild);
    std::printf("card press:      toolkit %9.1f us, plain %9.1f us, ratio %.2f\n", toolkitPress,
                plainPress, toolkitPress / plainPress);
    return 0;
}

} // namespace
} // namespace vandro

int main(int argc, char** argv) { return vandro::Run(argc, argv); }

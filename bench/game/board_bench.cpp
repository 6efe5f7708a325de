// What a rebuild of the largest board and a press of a card cost on the headless platform,
// beside the baseline of making and freeing as many plain buttons in one window.
#include "MemoryPlayer.h"

#include "game/Board.h"
#include "game/GameState.h"
#include "game/Vandro.h"

#include "events/EventQueue.h"
#include "gui/Toolkit.h"
#include "runtime/Random.h"

#include <benchmark/benchmark.h>

namespace vandro {
namespace {

void LargestBoard(int players) {
    StartGame();
    TGameState& game = GameState();
    game.columns = 11;
    game.rows = 10;
    game.players = players;
}

void TakeEvents() {
    while (PollEvent() != 0)
        ReactToEvent();
}

void BM_SetupBoardLargest(benchmark::State& state) {
    LargestBoard(4);
    for (auto _ : state) {
        SetupBoard();
        TakeEvents();
    }
    state.counters["per_rebuild"] =
        benchmark::Counter(static_cast<double>(state.iterations()),
                           benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_SetupBoardLargest)->Unit(benchmark::kMicrosecond);

// The baseline: one window with as many plain buttons as the largest board has cards.
void BM_PlainButtonsLargest(benchmark::State& state) {
    StartGame();
    for (auto _ : state) {
        const Ref<TGadget> window = CreateWindow(u"w", 0, 0, 638, 628, nullptr, 557);
        for (int card = 0; card < 110; ++card)
            CreateButton(u"", 58 * (card % 11), 24 + 58 * (card / 11), 58, 58, window, 8);
        FreeGadget(window);
        TakeEvents();
    }
}
BENCHMARK(BM_PlainButtonsLargest)->Unit(benchmark::kMicrosecond);

// A whole game of the largest board by the memory player; the rebuild before each game is
// not timed. The rate counter is per press.
void BM_WholeGameLargest(benchmark::State& state) {
    LargestBoard(3);
    SetRandomSeed(2026);
    long presses = 0;
    for (auto _ : state) {
        state.PauseTiming();
        SetupBoard();
        TakeEvents();
        MemoryPlayer player;
        state.ResumeTiming();
        player.PlayToTheEnd();
        presses += player.presses;
        if (player.left != 0 || player.refused != 0)
            state.SkipWithError("the game did not end");
    }
    state.counters["presses"] =
        static_cast<double>(presses) / static_cast<double>(state.iterations());
    state.counters["per_press"] = benchmark::Counter(
        static_cast<double>(presses), benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_WholeGameLargest)->Unit(benchmark::kMicrosecond);

} // namespace
} // namespace vandro

// What a rebuild of the largest board and a press of a card cost on the headless platform,
// beside the baseline of making and freeing as many plain buttons in one window.
#include "MemoryPlayer.h"

#include "game/Board.h"
#include "game/GameState.h"
#include "game/Vandro.h"

#include "events/EventQueue.h"
#include "gui/Toolkit.h"
#include "runtime/Random.h"

#include "bench/ComparisonReporter.h"

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
}

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
}

// The table, then each figure in microseconds of processor time beside the baseline.
class GameReporter : public bench::ComparisonReporter {
  protected:
    void Compare(std::ostream& out) override {
        const double rebuild = CpuSeconds("BM_SetupBoardLargest") * 1e6;
        const double buttons = CpuSeconds("BM_PlainButtonsLargest") * 1e6;
        const double presses = Counter("BM_WholeGameLargest", "presses");
        if (rebuild > 0 && buttons > 0)
            out << "rebuild of 11 x 10: " << rebuild << " us, 110 plain buttons made and freed "
                << buttons << " us, ratio " << rebuild / buttons << "\n";
        if (presses > 0 && buttons > 0) {
            const double press = CpuSeconds("BM_WholeGameLargest") * 1e6 / presses;
            out << "press in a whole game: " << press << " us, one plain button made and freed "
                << buttons / 110 << " us, ratio " << press / (buttons / 110) << "\n";
        }
    }
};

} // namespace

BENCHMARK(BM_SetupBoardLargest)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_PlainButtonsLargest)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_WholeGameLargest)->Unit(benchmark::kMicrosecond);

} // namespace vandro

int main(int argc, char** argv) {
    vandro::GameReporter reporter;
    return vandro::bench::RunBenchmarks(argc, argv, reporter);
}

// What a rebuild of the largest board and a press of a card cost on GTK, each until the window
// is drawn and idle, beside a plain GTK program that builds the same board by hand and handles
// the same press, in the same run. Needs an X display.
#include "PlainGtkBoard.h"

#include "game/Board.h"
#include "game/Deck.h"
#include "game/GameState.h"
#include "game/Vandro.h"

#include "events/EventQueue.h"
#include "gui/Toolkit.h"
#include "gui/gtk/GtkButton.h"
#include "tests/support/gtk/GtkUserInput.h"
#include "gui/gtk/GtkWindow.h"
#include "runtime/Random.h"

#include "bench/ComparisonReporter.h"

#include <benchmark/benchmark.h>

#include <string>

namespace vandro {
namespace {

void TakeEvents() {
    while (PollEvent() != 0)
        ReactToEvent();
}

void LargestBoard() {
    StartGame();
    TGameState& game = GameState();
    game.columns = 11;
    game.rows = 10;
    game.players = 4;
    SetRandomSeed(2026);
    SetupBoard();
    TakeEvents();
    bench::DrawnAndIdle(Cast<TGtkWindow>(game.gamewindow)->_widget);
}

void BM_GtkRebuildLargest(benchmark::State& state) {
    LargestBoard();
    for (auto _ : state) {
        SetupBoard();
        TakeEvents();
        bench::DrawnAndIdle(Cast<TGtkWindow>(GameState().gamewindow)->_widget);
    }
}

void BM_PlainGtkBoardLargest(benchmark::State& state) {
    for (auto _ : state) {
        bench::PlainGtkBoard board;
        bench::DrawnAndIdle(gtk_widget_get_toplevel(board.Card(0)));
    }
}

// Clicks the widget's centre through the X server.
void Click(GtkWidget* widget) {
    int x = 0, y = 0;
    ScreenCentre(widget, x, y);
    ClickAt(x, y, 1, 0);
}

// The next card of the board that is still there; a new board when few are left.
Ref<TCard> NextCard(int& index) {
    for (int tries = 0; tries < 110; ++tries, ++index) {
        const Ref<TCard> card = TDeck::cards[index % 11][(index / 11) % 10];
        if (Cast<TGtkButton>(card->gadget)->_widget)
            return card;
    }
    return {};
}

void BM_GtkCardPress(benchmark::State& state) {
    LargestBoard();
    int index = 0;
    for (auto _ : state) {
        if (GameState().cardsleft < 20) {
            state.PauseTiming();
            LargestBoard();
            state.ResumeTiming();
        }
        const Ref<TCard> card = NextCard(index);
        ++index;
        Click(Cast<TGtkButton>(card->gadget)->_widget);
        PumpUntil([] { return PeekEvent() != nullptr; }, 2000);
        TakeEvents();
        bench::DrawnAndIdle(Cast<TGtkWindow>(GameState().gamewindow)->_widget);
    }
}

void BM_PlainGtkPress(benchmark::State& state) {
    bench::PlainGtkBoard board;
    GtkWidget* window = gtk_widget_get_toplevel(board.Card(0));
    bench::DrawnAndIdle(window);
    int index = 0;
    for (auto _ : state) {
        const int before = board.presses;
        Click(board.Card(index++ % 110));
        PumpUntil([&board, before] { return board.presses > before; }, 2000);
        bench::DrawnAndIdle(window);
    }
}

class GtkReporter : public bench::ComparisonReporter {
  protected:
    void Compare(std::ostream& out) override {
        Line(out, "rebuild of 11 x 10 until drawn", "BM_GtkRebuildLargest",
             "the same board built by hand", "BM_PlainGtkBoardLargest");
        Line(out, "card press until drawn", "BM_GtkCardPress", "the same press by hand",
             "BM_PlainGtkPress");
    }

  private:
    void Line(std::ostream& out, const char* what, const char* ours, const char* plain,
              const char* baseline) {
        // The runs are named for the wall time they measure.
        const double mine = Seconds(std::string(ours) + "/real_time") * 1e3;
        const double theirs = Seconds(std::string(baseline) + "/real_time") * 1e3;
        if (mine > 0 && theirs > 0)
            out << what << ": " << mine << " ms, " << plain << " " << theirs << " ms, ratio "
                << mine / theirs << "\n";
    }
};

} // namespace

BENCHMARK(BM_GtkRebuildLargest)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainGtkBoardLargest)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_GtkCardPress)->Unit(benchmark::kMillisecond)->UseRealTime();
BENCHMARK(BM_PlainGtkPress)->Unit(benchmark::kMillisecond)->UseRealTime();

} // namespace vandro

int main(int argc, char** argv) {
    vandro::GtkReporter reporter;
    return vandro::bench::RunBenchmarks(argc, argv, reporter);
}

// The game played for a long time in one process, to find what grows: new boards through the
// seven sizes and one to four players, and card presses in whole games of the largest board by
// the memory player through the platform's user, as a person would play, taken in turns of
// 1,000 of each. After each 1,000 it prints the kind, the count so far, the toolkit's live
// objects and the platform's readings (Readings.h). A turn is three presses, so a press line
// comes at the first turn that reaches the thousand.
//
//   soak_<platform> [steps]   steps of each kind, 10,000 unless given
#include "Readings.h"

#include "tests/game/MemoryPlayer.h"

#include "game/Board.h"
#include "game/GameState.h"
#include "game/Vandro.h"

#include "events/EventQueue.h"
#include "runtime/Random.h"

#include <algorithm>
#include <cstdio>
#include <cstdlib>

namespace vandro {
namespace {

constexpr int kEvery = 1000;

void NewBoard(int columns, int rows, int players) {
    TGameState& game = GameState();
    game.columns = columns;
    game.rows = rows;
    game.players = players;
    SetupBoard();
    while (PollEvent() != 0)
        ReactToEvent();
}

void Report(const char* kind, long step) {
    std::printf("%s %ld %ld %s\n", kind, step, TObject::LiveObjects(), TakeReadings().c_str());
    std::fflush(stdout);
}

int Run(int steps) {
    StartGame();
    SetRandomSeed(2026);
    std::printf("kind step objects %s\n", ReadingNames());
    NewBoard(5, 4, 1);
    Report("start", 0);
    long rebuilds = 0;
    long presses = 0;
    int refused = 0;
    int wrong = 0;
    while (rebuilds < steps || presses < steps) {
        for (int i = 0; i < kEvery && rebuilds < steps; ++i) {
            ++rebuilds;
            // Each reading is taken on the largest board, for one to compare with the next.
            const int rows = 10 - static_cast<int>(rebuilds % kEvery % 7);
            NewBoard(rows + 1, rows, 1 + static_cast<int>(rebuilds % 4));
        }
        Report("rebuilds", rebuilds);
        const long until = std::min<long>(presses + kEvery, steps);
        NewBoard(11, 10, 4);
        while (presses < until) {
            MemoryPlayer player;
            while (player.left > 0 && presses < until) {
                const int before = player.presses;
                player.PlayTurn();
                presses += player.presses - before;
            }
            refused += player.refused;
            wrong += player.badFaces + player.wrongStatus;
            // The readings are taken on a fresh board, not on one a game has half cleared.
            NewBoard(11, 10, 4);
        }
        Report("presses", presses);
    }
    // A press the user could not make, or a board that showed something else, spoils the run.
    if (refused != 0 || wrong != 0) {
        std::fprintf(stderr, "%d presses refused, %d wrong faces or status lines\n", refused,
                     wrong);
        return 1;
    }
    return 0;
}

} // namespace
} // namespace vandro

int main(int argc, char** argv) { return vandro::Run(argc > 1 ? std::atoi(argv[1]) : 10000); }

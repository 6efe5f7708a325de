#include "GameState.h"

namespace vandro {

// Never destroyed: the game ends with exit, and its gadgets must not be released after the
// toolkit's own module state is gone.
TGameState& GameState() {
    static TGameState& game = *new TGameState;
    return game;
}

} // namespace vandro

#include "GameState.h"

namespace vandro {

TGameState& GameState() {
    static TGameState& game = *new TGameState;
    return game;
}

} // namespace vandro

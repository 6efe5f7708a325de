#include "GameState.h"

namespace vandro {

TGameState& GameState() {
    static TGameState game;
    return game;
}

} // namespace vandro

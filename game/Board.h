// The game on screen: a new window sized for the board, its menu, the four player labels and
// a fresh deal. Every change of settings starts a new game in a new window.
#pragma once

namespace vandro {

// Throws the old game away with everything in it, then builds the new one for the current
// columns, rows and players.
int SetupBoard();

} // namespace vandro

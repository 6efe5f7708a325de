// The game on screen: a new window sized for the board, its menu, the four player labels and
// a fresh deal. Every change of settings starts a new game in a new window.
#pragma once

namespace vandro {

// The tags of the game's menu items: a size item is kSizeTag + rows, a player item
// kPlayersTag + players; the menus' choices come back as these.
constexpr int kSizeTag = 100;
constexpr int kPlayersTag = 200;
constexpr int kRestartTag = 300;
constexpr int kQuitTag = 400;

// Throws the old game away with everything in it, then builds the new one for the current
// columns, rows and players.
int SetupBoard();

} // namespace vandro

// The grid of cards: a shuffled deal of two cards per symbol into the game window.
#pragma once

#include "Card.h"

#include <vector>

namespace vandro {

class TDeck : public TObject {
  public:
    // Deals a new grid for the current columns and rows.
    static int PrepareDeck();
    // Takes every card's button off the board, also those of pairs already found.
    static int ClearDeck();

    // The game state's grid, indexed [column][row]; found pairs stay in it with their buttons
    // freed.
    static std::vector<std::vector<Ref<TCard>>>& cards;
};

} // namespace vandro

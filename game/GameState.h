// What the board, the deck and the rules of play share for the whole run: the settings, the
// turn, the scores, the card counts, the gadgets on screen, the fonts and the palette.
#pragma once

#include "Card.h"
#include "Palette.h"

#include "gui/GuiFont.h"

#include <array>

namespace vandro {

// Cards are squares of this many pixels; the rows of player labels above and below the grid
// are kLabelHeight high.
constexpr int kCardSize = 58;
constexpr int kLabelHeight = 24;
constexpr int kMaxPlayers = 4;

struct TGameState {
    int columns = 5;
    int rows = 4;
    int players = 1;
    int currentplayer = 0;
    std::array<int, kMaxPlayers> scores{};
    // The cards uncovered in this turn, in the order they were uncovered.
    std::array<Ref<TCard>, 2> picked;
    int pickedcount = 0;
    int totalcards = 0;
    int cardsleft = 0;

    Ref<TGadget> gamewindow;
    std::array<Ref<TGadget>, kMaxPlayers> playerlabels;
    Ref<TGadget> windowmenu;
    Ref<TGadget> gamemenu;
    Ref<TGadget> sizemenu;
    Ref<TGadget> playersmenu;

    Ref<TGuiFont> labelfont;
    Ref<TGuiFont> cardfont;
    TPalette palette;
};

TGameState& GameState();

} // namespace vandro

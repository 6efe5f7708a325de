// Everything the game keeps for the whole run, in one place: whether it started, the settings,
// the turn, the scores, the card counts, the symbols and the grid of cards, the gadgets on
// screen, the fonts and the palette.
#pragma once

#include "Card.h"
#include "Palette.h"

#include "gui/GuiFont.h"

#include <array>
#include <vector>

namespace vandro {

// Cards are squares of this many pixels, their symbols drawn at kCardFontSize points, where the
// board fits the screen's work area; the rows of player labels above and below the grid are
// kLabelHeight high.
constexpr int kCardSize = 58;
constexpr double kCardFontSize = 36.0;
constexpr int kLabelHeight = 24;
constexpr int kMaxPlayers = 4;

struct TGameState {
    bool started = false;
    int columns = 5;
    int rows = 4;
    int players = 1;
    // The side of this board's cards: kCardSize, or what fits the screen's work area.
    int cardsize = kCardSize;
    int currentplayer = 0;
    std::array<int, kMaxPlayers> scores{};
    // The cards uncovered in this turn, in the order they were uncovered.
    std::array<Ref<TCard>, 2> picked;
    int pickedcount = 0;
    int totalcards = 0;
    int cardsleft = 0;
    // The symbols of the current game in creation order, and its cards indexed [column][row]
    // (TSymbol::symbols and TDeck::cards).
    std::vector<Ref<TSymbol>> symbols;
    std::vector<std::vector<Ref<TCard>>> cards;

    Ref<TGadget> gamewindow;
    std::array<Ref<TGadget>, kMaxPlayers> playerlabels;
    Ref<TGadget> windowmenu;
    Ref<TGadget> gamemenu;
    Ref<TGadget> sizemenu;
    Ref<TGadget> playersmenu;

    Ref<TGuiFont> labelfont;
    Ref<TGuiFont> cardfont;
    // The card font at this board's card size.
    Ref<TGuiFont> boardfont;
    TPalette palette;
};

// Never destroyed: the game ends with exit, and its gadgets must not be released after the
// toolkit's own module state is gone.
TGameState& GameState();

} // namespace vandro

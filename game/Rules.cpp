#include "Rules.h"

#include "Board.h"
#include "GameState.h"

namespace vandro {

namespace {

// A board of rows and rows + 1 columns takes a symbol for each of its pairs.
bool CanDeal(int rows) { return rows * (rows + 1) / 2 <= kMostSymbols; }

// The press after the second uncovered card: a pair leaves the board and scores for the
// player on turn, who keeps it; a miss is covered again and the next player is on turn.
void JudgePair(TGameState& game) {
    const Ref<TCard>& first = game.picked[0];
    const Ref<TCard>& second = game.picked[1];
    if (first->symbol->code == second->symbol->code) {
        first->Remove();
        second->Remove();
        game.cardsleft -= 2;
        ++game.scores[static_cast<std::size_t>(game.currentplayer)];
    } else {
        first->Cover();
        second->Cover();
        game.currentplayer = (game.currentplayer + 1) % game.players;
    }
    game.pickedcount = 0;
}

} // namespace

int PressCard(const Ref<TCard>& card) {
    TGameState& game = GameState();
    if (game.pickedcount >= 2) {
        JudgePair(game);
    } else if (card->uncovered == 0) {
        card->Uncover();
        game.picked[static_cast<std::size_t>(game.pickedcount++)] = card;
    }
    return 0;
}

int ChooseMenu(int data) {
    TGameState& game = GameState();
    if (data >= kSizeTag && data < kPlayersTag && CanDeal(data - kSizeTag)) {
        game.rows = data - kSizeTag;
        game.columns = game.rows + 1;
    } else if (data > kPlayersTag && data <= kPlayersTag + kMaxPlayers) {
        // Only as many players as there are scores and labels; the turn passes modulo players.
        game.players = data - kPlayersTag;
    } else if (data == kQuitTag) {
        return 1;
    } else if (data != kRestartTag) {
        return 0;
    }
    SetupBoard();
    return 0;
}

} // namespace vandro

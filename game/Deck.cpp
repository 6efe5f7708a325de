#include "Deck.h"

#include "GameState.h"

#include "gui/Toolkit.h"
#include "runtime/List.h"
#include "runtime/Random.h"

namespace vandro {

std::vector<std::vector<Ref<TCard>>>& TDeck::cards = GameState().cards;

namespace {

// On a plain push button the push-like bit selects nothing more.
constexpr int kCardButtonStyle = ButtonPush | ButtonPushLike;

// Every symbol twice, side by side: drawing position k and removing the first entry of its
// symbol leaves the pool as if entry k itself had gone.
Ref<TList> FillPool() {
    auto pool = New<TList>();
    for (const auto& symbol : TSymbol::symbols) {
        pool->AddLast(symbol);
        pool->AddLast(symbol);
    }
    return pool;
}

Ref<TCard> DealCard(int column, int row, const Ref<TSymbol>& symbol) {
    const TGameState& game = GameState();
    auto card = New<TCard>();
    card->xpos = column;
    card->ypos = row;
    card->symbol = symbol;
    const int size = game.cardsize;
    card->gadget = CreateButton(u"", size * column, size * row + kLabelHeight, size, size,
                                game.gamewindow, kCardButtonStyle);
    if (game.boardfont)
        card->gadget->SetFont(game.boardfont);
    card->Cover();
    card->gadget->extra = card;
    return card;
}

} // namespace

int TDeck::PrepareDeck() {
    TGameState& game = GameState();
    cards.assign(static_cast<std::size_t>(game.columns),
                 std::vector<Ref<TCard>>(static_cast<std::size_t>(game.rows)));
    const int total = game.columns * game.rows;
    game.totalcards = total;
    game.cardsleft = total;

    TSymbol::PrepareSymbols(total / 2);
    const Ref<TList> pool = FillPool();
    int remaining = total;
    for (int row = 0; row < game.rows; ++row) {
        for (int column = 0; column < game.columns; ++column) {
            // The last cell draws too, from a range of one: later deals depend on it.
            const Object drawn = pool->ValueAtIndex(RandomInt(0, remaining - 1));
            pool->Remove(drawn);
            --remaining;
            cards[static_cast<std::size_t>(column)][static_cast<std::size_t>(row)] =
                DealCard(column, row, Cast<TSymbol>(drawn));
        }
    }
    return 0;
}

int TDeck::ClearDeck() {
    for (const auto& column : cards)
        for (const auto& card : column)
            if (card)
                card->Remove();
    return 0;
}

} // namespace vandro

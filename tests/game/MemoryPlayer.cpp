#include "MemoryPlayer.h"

#include "game/Deck.h"
#include "game/GameState.h"
#include "game/Vandro.h"

#include "events/EventQueue.h"
#include "tests/support/PlatformUser.h"
#include "gui/Toolkit.h"
#include "runtime/Text.h"

namespace vandro {

MemoryPlayer::MemoryPlayer() : left(GameState().totalcards) {
    for (int row = 0; row < GameState().rows; ++row)
        for (const auto& column : TDeck::cards)
            board_.push_back(column.at(static_cast<std::size_t>(row)));
}

int MemoryPlayer::Click(const Ref<TCard>& card) {
    if (!PlatformUser()->PressButton(card->gadget))
        return 0;
    while (PollEvent() != 0)
        ReactToEvent();
    return 1;
}

void MemoryPlayer::Press(const Ref<TCard>& card) {
    if (!Click(card))
        ++refused;
    ++presses;
}

int MemoryPlayer::Uncover(const Ref<TCard>& card) {
    Press(card);
    CheckStatus();
    const String face = GadgetText(card->gadget);
    if (face.size() != 1)
        ++badFaces;
    const int code = face.empty() ? 0 : face[0];
    if (seen_.insert(card.get()).second)
        faces_.emplace(code, card);
    return code;
}

Ref<TCard> MemoryPlayer::UnseenCard() const {
    for (const auto& card : board_)
        if (!seen_.count(card.get()))
            return card;
    return nullptr;
}

Ref<TCard> MemoryPlayer::SeenPartner(int code, const Ref<TCard>& card) const {
    const auto [from, to] = faces_.equal_range(code);
    for (auto it = from; it != to; ++it)
        if (it->second != card && !removed_.count(it->second.get()))
            return it->second;
    return nullptr;
}

// The third press goes to the first card, face up whether or not the two match.
void MemoryPlayer::Judge(const Ref<TCard>& first, const Ref<TCard>& second) {
    const bool pair = GadgetText(first->gadget) == GadgetText(second->gadget);
    Press(first);
    if (pair) {
        removed_.insert(first.get());
        removed_.insert(second.get());
        left -= 2;
        ++scores[static_cast<std::size_t>(turn)];
    } else {
        turn = (turn + 1) % GameState().players;
    }
    CheckStatus();
}

bool MemoryPlayer::PlayTurn() {
    // A pair remembered from earlier turns goes first.
    for (const auto& [code, card] : faces_) {
        if (removed_.count(card.get()))
            continue;
        if (const Ref<TCard> partner = SeenPartner(code, card)) {
            Uncover(card);
            Uncover(partner);
            Judge(card, partner);
            return true;
        }
    }
    const Ref<TCard> first = UnseenCard();
    const int code = Uncover(first);
    Ref<TCard> second = SeenPartner(code, first);
    if (!second)
        second = UnseenCard();
    const bool pair = Uncover(second) == code;
    Judge(first, second);
    return pair;
}

void MemoryPlayer::PlayToTheEnd() {
    const int most = GameState().totalcards;
    for (int turns = 0; left > 0 && turns < most; ++turns)
        PlayTurn();
}

void MemoryPlayer::CheckStatus() {
    const String expected = u"Spieler " + IntText(turn + 1) + u"\t\tKarten: " + IntText(left) +
                            u" / " + IntText(GameState().totalcards);
    if (WindowStatusText(GameState().gamewindow) != expected)
        ++wrongStatus;
}

} // namespace vandro

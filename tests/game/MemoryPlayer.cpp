#include "MemoryPlayer.h"

#include "runtime/Text.h"

namespace vandro {

MemoryPlayer::MemoryPlayer() : left_(GameState().totalcards) {
    for (int row = 0; row < GameState().rows; ++row)
        for (int column = 0; column < GameState().columns; ++column)
            board_.push_back(GameTest::CardAt(column, row));
}

int MemoryPlayer::Uncover(const Ref<TCard>& card) {
    EXPECT_EQ(GameTest::Press(card), 1);
    ++presses;
    ExpectStatus();
    const String face = GadgetText(card->gadget);
    EXPECT_EQ(face.size(), 1u);
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

void MemoryPlayer::Judge(const Ref<TCard>& any, const Ref<TCard>& first, const Ref<TCard>& second) {
    const bool pair = GadgetText(first->gadget) == GadgetText(second->gadget);
    EXPECT_EQ(GameTest::Press(any), 1);
    ++presses;
    if (pair) {
        removed_.insert(first.get());
        removed_.insert(second.get());
        left_ -= 2;
        ++scores[static_cast<std::size_t>(turn)];
    } else {
        turn = (turn + 1) % GameState().players;
    }
    ExpectStatus();
}

bool MemoryPlayer::PlayTurn() {
    // A pair remembered from earlier turns goes first.
    for (const auto& [code, card] : faces_) {
        if (removed_.count(card.get()))
            continue;
        if (const Ref<TCard> partner = SeenPartner(code, card)) {
            Uncover(card);
            Uncover(partner);
            Judge(card, card, partner);
            return true;
        }
    }
    const Ref<TCard> first = UnseenCard();
    const int code = Uncover(first);
    Ref<TCard> second = SeenPartner(code, first);
    if (!second)
        second = UnseenCard();
    const bool pair = Uncover(second) == code;
    Judge(first, first, second);
    return pair;
}

void MemoryPlayer::PlayToTheEnd() {
    const int most = GameState().totalcards;
    for (int turns = 0; left_ > 0 && turns < most; ++turns)
        PlayTurn();
    EXPECT_EQ(left_, 0);
}

void MemoryPlayer::ExpectStatus() const {
    EXPECT_EQ(GameTest::Status(), u"Spieler " + IntText(turn + 1) + u"\t\tKarten: " +
                                      IntText(left_) + u" / " + IntText(GameState().totalcards));
}

} // namespace vandro

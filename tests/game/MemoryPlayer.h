// A player that plays a whole game through the window: it remembers every face it has seen
// and never forgets one, and it keeps its own account of whose turn it is, who found which
// pair and what the status bar should say, to hold against what the game shows. Tests and
// benchmarks both play with it, so it reports instead of asserting.
#pragma once

#include "game/Card.h"

#include <array>
#include <map>
#include <set>
#include <vector>

namespace vandro {

class MemoryPlayer {
  public:
    // Takes the board as it is dealt now.
    MemoryPlayer();

    // One turn of three presses; answers whether it found a pair.
    bool PlayTurn();
    // Turns until no card is left, or as many turns as there are cards.
    void PlayToTheEnd();

    // The user clicks the card and the game takes every event that queued; 0 when the card
    // has no button to click.
    static int Click(const Ref<TCard>& card);

    std::array<int, 4> scores{};
    int turn = 0;
    int left = 0;
    int presses = 0;
    // Clicks that could not be made, faces that were not one character, and presses after
    // which the status bar said something else than this player expected.
    int refused = 0;
    int badFaces = 0;
    int wrongStatus = 0;

  private:
    int Uncover(const Ref<TCard>& card);
    void Judge(const Ref<TCard>& first, const Ref<TCard>& second);
    void Press(const Ref<TCard>& card);
    Ref<TCard> UnseenCard() const;
    // A card already seen with this code, other than the one given and still on the board.
    Ref<TCard> SeenPartner(int code, const Ref<TCard>& card) const;
    void CheckStatus();

    std::vector<Ref<TCard>> board_;
    std::set<TCard*> seen_;
    std::set<TCard*> removed_;
    std::multimap<int, Ref<TCard>> faces_;
};

} // namespace vandro

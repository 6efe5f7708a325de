// A test player that plays a whole game through the window: it remembers every face it has
// seen and never forgets one, and it keeps its own account of whose turn it is and who found
// which pair, to hold against what the game shows.
#pragma once

#include "GameFixture.h"

#include <map>
#include <set>

namespace vandro {

class MemoryPlayer {
  public:
    MemoryPlayer();

    // One turn of three presses; answers whether it found a pair.
    bool PlayTurn();
    // Turns until no card is left, checking the status bar after every press.
    void PlayToTheEnd();

    std::array<int, 4> scores{};
    int turn = 0;
    int presses = 0;

  private:
    // Presses the card and answers the code it shows.
    int Uncover(const Ref<TCard>& card);
    void Judge(const Ref<TCard>& any, const Ref<TCard>& first, const Ref<TCard>& second);
    Ref<TCard> UnseenCard() const;
    // A card already seen with this code, other than the one given, or null.
    Ref<TCard> SeenPartner(int code, const Ref<TCard>& card) const;
    void ExpectStatus() const;

    std::vector<Ref<TCard>> board_;
    std::set<TCard*> seen_;
    std::set<TCard*> removed_;
    std::multimap<int, Ref<TCard>> faces_;
    int left_;
};

} // namespace vandro

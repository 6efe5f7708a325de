// Where each key stands in a list of keys, so that "the first place after a that holds this
// key" is a lookup instead of a scan. It is read front to back, as SyncData walks: a place
// once passed is dropped, which keeps every key's lookups together linear in its repeats.
#pragma once

#include "runtime/Object.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace vandro {

class TKeyPositions {
  public:
    // The keys must stay unchanged while this index is used.
    explicit TKeyPositions(const std::vector<String>& keys);

    // The first index greater than after whose key is this one, else the number of keys.
    // Raises a runtime error when after is smaller than in an earlier call.
    int FirstAfter(const String& key, int after);

  private:
    // The slot of the key's table entry; an empty slot when the key is not there.
    std::size_t SlotOf(const String& key, std::size_t hash) const;

    // An entry of an open-addressed table with one entry per distinct key and at least
    // twice as many slots as keys.
    struct Entry {
        // The key's first place, which the slot is compared by; -1 for an empty slot.
        int first = -1;
        // The key's first place not yet passed; -1 once all are.
        int head = -1;
        // The key's hash, low half, to pass over other keys without comparing them.
        std::uint32_t hash = 0;
    };

    const std::vector<String>& keys_;
    std::vector<Entry> table_;
    // Each place chained to the following place with the same key, -1 ending the chain.
    std::vector<int> next_;
    int lastAfter_ = -1;
};

} // namespace vandro

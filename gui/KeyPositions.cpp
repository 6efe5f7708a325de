#include "KeyPositions.h"

#include "runtime/Exceptions.h"

#include <bit>
#include <functional>
#include <string_view>

namespace vandro {

namespace {
std::size_t HashOf(const String& key) { return std::hash<std::u16string_view>()(key); }
} // namespace

TKeyPositions::TKeyPositions(const std::vector<String>& keys)
    : keys_(keys), table_(std::bit_ceil(keys.size() * 2 + 2)), next_(keys.size(), -1) {
    // From the back, so that each key's head ends up at its first place.
    for (int i = static_cast<int>(keys.size()) - 1; i >= 0; --i) {
        const String& key = keys[static_cast<std::size_t>(i)];
        const std::size_t hash = HashOf(key);
        Entry& entry = table_[SlotOf(key, hash)];
        next_[static_cast<std::size_t>(i)] = entry.head;
        entry = {i, i, static_cast<std::uint32_t>(hash)};
    }
}

std::size_t TKeyPositions::SlotOf(const String& key, std::size_t hash) const {
    const std::size_t mask = table_.size() - 1;
    const auto low = static_cast<std::uint32_t>(hash);
    std::size_t slot = hash & mask;
    for (;;) {
        const Entry& entry = table_[slot];
        if (entry.first == -1 ||
            (entry.hash == low && keys_[static_cast<std::size_t>(entry.first)] == key))
            return slot;
        slot = (slot + 1) & mask;
    }
}

int TKeyPositions::FirstAfter(const String& key, int after) {
    if (after < lastAfter_)
        RuntimeError(u"Key positions are read front to back");
    lastAfter_ = after;
    const int none = static_cast<int>(next_.size());
    int& place = table_[SlotOf(key, HashOf(key))].head;
    while (place != -1 && place <= after)
        place = next_[static_cast<std::size_t>(place)];
    return place == -1 ? none : place;
}

} // namespace vandro

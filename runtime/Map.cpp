#include "Map.h"

namespace vandro {

void TMap::Insert(const Object& key, Object value) { entries_[key] = std::move(value); }

Object TMap::ValueForKey(const Object& key) const {
    auto at = entries_.find(key);
    return at == entries_.end() ? Object() : at->second;
}

bool TMap::Remove(const Object& key) {
    auto at = entries_.find(key);
    if (at == entries_.end())
        return false;
    // Keep the entry alive until the map is consistent again.
    auto entry = *at;
    entries_.erase(at);
    return true;
}

void TMap::Clear() {
    Entries old;
    old.swap(entries_);
}

} // namespace vandro

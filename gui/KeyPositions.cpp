#include "KeyPositions.h"

#include <algorithm>

namespace vandro {

TKeyPositions::TKeyPositions(const std::vector<String>& keys)
    : count_(static_cast<int>(keys.size())) {
    places_.reserve(keys.size());
    for (int i = 0; i < count_; ++i)
        places_[keys[static_cast<std::size_t>(i)]].push_back(i);
}

int TKeyPositions::FirstAfter(const String& key, int after) const {
    const auto found = places_.find(key);
    if (found == places_.end())
        return count_;
    const std::vector<int>& at = found->second;
    const auto next = std::upper_bound(at.begin(), at.end(), after);
    return next == at.end() ? count_ : *next;
}

} // namespace vandro

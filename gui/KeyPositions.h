// Where each key stands in a list of keys, so that "the first place after a that holds this
// key" is a lookup instead of a scan.
#pragma once

#include "runtime/Object.h"

#include <string_view>
#include <unordered_map>
#include <vector>

namespace vandro {

class TKeyPositions {
  public:
    // The keys must stay unchanged while this index is used.
    explicit TKeyPositions(const std::vector<String>& keys);

    // The first index greater than after whose key is this one, else the number of keys.
    int FirstAfter(const String& key, int after) const;

  private:
    std::unordered_map<std::u16string_view, std::vector<int>> places_;
    int count_;
};

} // namespace vandro

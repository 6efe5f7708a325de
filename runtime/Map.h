// An ordered map from objects to objects; keys are ordered by their Compare operation.
#pragma once

#include "Object.h"

#include <map>

namespace vandro {

class TMap : public TObject {
    struct KeyOrder {
        bool operator()(const Object& a, const Object& b) const { return a->Compare(*b) < 0; }
    };

  public:
    using Entries = std::map<Object, Object, KeyOrder>;

    // Replaces the value of an equal key.
    void Insert(const Object& key, Object value);
    // The value of an equal key, or null.
    Object ValueForKey(const Object& key) const;
    bool Contains(const Object& key) const { return entries_.count(key) != 0; }
    // Answers whether there was such a key.
    bool Remove(const Object& key);
    void Clear();
    int Count() const { return static_cast<int>(entries_.size()); }
    bool IsEmpty() const { return entries_.empty(); }

    // Iteration in key order over (key, value) pairs.
    Entries::const_iterator begin() const { return entries_.begin(); }
    Entries::const_iterator end() const { return entries_.end(); }

  private:
    Entries entries_;
};

} // namespace vandro

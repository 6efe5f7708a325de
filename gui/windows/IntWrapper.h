// An int in an Object slot, ordered by its value: the key of the handle registry.
#pragma once

#include "runtime/Object.h"

namespace vandro {

class TIntWrapper : public TObject {
  public:
    static Ref<TIntWrapper> Create(int value);

    // Negative, zero or positive as this value is below, equal to or above the other's; any
    // other object is ordered by identity.
    int Compare(const TObject& other) const override;
    String ToString() const override;

    int value = 0;
};

} // namespace vandro

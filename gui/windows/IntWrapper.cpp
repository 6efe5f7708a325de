#include "IntWrapper.h"

#include "runtime/Text.h"

namespace vandro {

Ref<TIntWrapper> TIntWrapper::Create(int value) {
    auto wrapper = New<TIntWrapper>();
    wrapper->value = value;
    return wrapper;
}

int TIntWrapper::Compare(const TObject& other) const {
    const auto* wrapper = dynamic_cast<const TIntWrapper*>(&other);
    if (!wrapper)
        return TObject::Compare(other);
    // A plain difference overflows for handles of opposite sign far apart, and the map would
    // lose its order.
    return (value > wrapper->value) - (value < wrapper->value);
}

String TIntWrapper::ToString() const { return IntText(value); }

} // namespace vandro

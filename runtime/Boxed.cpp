#include "Boxed.h"

namespace vandro {

int TStringObject::Compare(const TObject& other) const {
    if (auto* s = dynamic_cast<const TStringObject*>(&other))
        return value.compare(s->value);
    return TObject::Compare(other);
}

String StringOf(const Object& o) {
    auto* s = dynamic_cast<TStringObject*>(o.get());
    return s ? s->value : String();
}

} // namespace vandro

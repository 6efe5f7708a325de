#include "Object.h"

#include "Exceptions.h"

#include <functional>

namespace vandro {

namespace {
struct ObjectCounters {
    long live = 0;
    long long bytes = 0;
};
ObjectCounters counters;
} // namespace

void ThrowNullObject() { throw TNullObjectException(); }

TObject::TObject() { ++counters.live; }
TObject::TObject(const TObject&) { ++counters.live; }
TObject::~TObject() { --counters.live; }

String TObject::ToString() const { return u""; }

int TObject::Compare(const TObject& other) const {
    if (std::less<const TObject*>()(this, &other))
        return -1;
    return this == &other ? 0 : 1;
}

void* TObject::operator new(std::size_t size) {
    counters.bytes += static_cast<long long>(size);
    return ::operator new(size);
}

void TObject::operator delete(void* p, std::size_t size) {
    counters.bytes -= static_cast<long long>(size);
    ::operator delete(p);
}

long TObject::LiveObjects() { return counters.live; }
long long TObject::LiveBytes() { return counters.bytes; }

} // namespace vandro

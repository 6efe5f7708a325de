#include "Exceptions.h"

namespace vandro {

String TKestrelException::ToString() const { return u"Unknown exception"; }

String TNullObjectException::ToString() const {
    return u"Attempt to access field or method of Null object";
}

String TNullMethodException::ToString() const { return u"Attempt to call abstract method"; }

String TNullFunctionException::ToString() const {
    return u"Attempt to call uninitialized function pointer";
}

String TArrayBoundsException::ToString() const {
    return u"Attempt to index array element beyond array length";
}

String TOutOfDataException::ToString() const { return u"Attempt to read beyond end of data"; }

void RuntimeError(const String& message) { throw TRuntimeException::Create(message); }

void AbstractMethod() { throw TNullMethodException(); }

} // namespace vandro

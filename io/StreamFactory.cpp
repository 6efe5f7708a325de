#include "StreamFactory.h"

#include "StreamModule.h"

namespace vandro {

TStreamFactory::TStreamFactory() : _succ(LinkStreamFactory(this)) {}

Ref<TStream> TStreamFactory::CreateStream(const Object&, const String&, const String&, int, int) {
    return nullptr;
}

} // namespace vandro

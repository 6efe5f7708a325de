#include "StreamStream.h"

namespace vandro {

int TStreamStream::Close() {
    SetStream(nullptr);
    return 0;
}

Ref<TStreamStream> TStreamStream::Create(Ref<TStream> stream) {
    auto wrapper = New<TStreamStream>();
    wrapper->SetStream(std::move(stream));
    return wrapper;
}

} // namespace vandro

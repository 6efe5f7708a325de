// The stream OpenStream answers for a url that already is a stream: closing it lets go of
// that stream and leaves it open for its owner.
#pragma once

#include "StreamWrapper.h"

namespace vandro {

class TStreamStream : public TStreamWrapper {
  public:
    int Close() override;

    static Ref<TStreamStream> Create(Ref<TStream> stream);
};

} // namespace vandro

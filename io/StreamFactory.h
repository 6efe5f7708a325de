// Turns protocol-qualified urls into streams. Every factory joins the chain when it is made;
// the newest is asked first.
#pragma once

#include "Stream.h"

namespace vandro {

class TStreamFactory : public TObject {
  public:
    TStreamFactory();

    // A stream for the url, or null when the protocol is not this factory's.
    virtual Ref<TStream> CreateStream(const Object& url, const String& protocol, const String& path,
                                      int readable, int writeable);

    Ref<TStreamFactory> _succ;
};

} // namespace vandro

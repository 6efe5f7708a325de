// Opens "latin1::", "utf8::", "utf16be::" and "utf16le::" urls as text streams over
// whatever the rest of the url opens.
#pragma once

#include "StreamFactory.h"

namespace vandro {

class TTextStreamFactory : public TStreamFactory {
  public:
    Ref<TStream> CreateStream(const Object& url, const String& protocol, const String& path,
                              int readable, int writeable) override;
};

} // namespace vandro

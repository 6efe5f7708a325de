#include "TextStreamFactory.h"

#include "StreamFunctions.h"
#include "TextStream.h"

namespace vandro {

namespace {
int EncodingOfProtocol(const String& protocol) {
    if (protocol == u"latin1")
        return TTextStream::LATIN1;
    if (protocol == u"utf8")
        return TTextStream::UTF8;
    if (protocol == u"utf16be")
        return TTextStream::UTF16BE;
    if (protocol == u"utf16le")
        return TTextStream::UTF16LE;
    return 0;
}
} // namespace

Ref<TStream> TTextStreamFactory::CreateStream(const Object&, const String& protocol,
                                              const String& path, int readable, int writeable) {
    const int encoding = EncodingOfProtocol(protocol);
    if (encoding == 0)
        return nullptr;
    Ref<TStream> stream = OpenStream(path, readable, writeable);
    if (!stream)
        return nullptr;
    return TTextStream::Create(std::move(stream), encoding);
}

} // namespace vandro

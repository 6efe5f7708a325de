#include "StreamFunctions.h"

#include "CStream.h"
#include "StreamFactory.h"
#include "StreamModule.h"
#include "StreamStream.h"
#include "runtime/Text.h"

namespace vandro {

namespace {

// A factory opens the path after its protocol with OpenStream again, one level of the stack per
// protocol: a url nested deeper than any program writes one opens nothing, rather than running
// the stack out.
constexpr int kDeepestProtocols = 64;
thread_local int openingProtocols = 0;

struct TProtocolLevel {
    TProtocolLevel() { ++openingProtocols; }
    ~TProtocolLevel() { --openingProtocols; }
};

} // namespace

Ref<TStream> OpenStream(const StreamUrl& url, int readable, int writeable) {
    if (auto stream = Cast<TStream>(url.object))
        return TStreamStream::Create(stream);
    const int separator = Find(url.text, u"::");
    if (!url.text.empty() && separator < 0)
        return TCStream::OpenFile(url.text, readable, writeable);
    if (openingProtocols >= kDeepestProtocols)
        return nullptr;
    const TProtocolLevel level;
    String protocol, path;
    if (separator >= 0) {
        protocol = Lower(url.text.substr(0, static_cast<std::size_t>(separator)));
        path = url.text.substr(static_cast<std::size_t>(separator) + 2);
    }
    const Object asked = url.AsObject();
    for (auto factory = FirstStreamFactory(); factory; factory = factory->_succ)
        if (auto stream = factory->CreateStream(asked, protocol, path, readable, writeable))
            return stream;
    return nullptr;
}

Ref<TStream> ReadStream(const StreamUrl& url) { return OpenStream(url, 1, 0); }
Ref<TStream> WriteStream(const StreamUrl& url) { return OpenStream(url, 0, 1); }

int Eof(const Ref<TStream>& stream) { return stream->Eof(); }
int StreamPos(const Ref<TStream>& stream) { return stream->Pos(); }
int StreamSize(const Ref<TStream>& stream) { return stream->Size(); }
int SeekStream(const Ref<TStream>& stream, int position) { return stream->Seek(position); }
int FlushStream(const Ref<TStream>& stream) { return stream->Flush(); }
int CloseStream(const Ref<TStream>& stream) { return stream->Close(); }

int ReadByte(const Ref<TStream>& stream) { return stream->ReadByte(); }
int WriteByte(const Ref<TStream>& stream, int value) { return stream->WriteByte(value); }
int ReadShort(const Ref<TStream>& stream) { return stream->ReadShort(); }
int WriteShort(const Ref<TStream>& stream, int value) { return stream->WriteShort(value); }
int ReadInt(const Ref<TStream>& stream) { return stream->ReadInt(); }
int WriteInt(const Ref<TStream>& stream, int value) { return stream->WriteInt(value); }
std::int64_t ReadLong(const Ref<TStream>& stream) { return stream->ReadLong(); }
int WriteLong(const Ref<TStream>& stream, std::int64_t value) { return stream->WriteLong(value); }
float ReadFloat(const Ref<TStream>& stream) { return stream->ReadFloat(); }
int WriteFloat(const Ref<TStream>& stream, float value) { return stream->WriteFloat(value); }
double ReadDouble(const Ref<TStream>& stream) { return stream->ReadDouble(); }
int WriteDouble(const Ref<TStream>& stream, double value) { return stream->WriteDouble(value); }
String ReadLine(const Ref<TStream>& stream) { return stream->ReadLine(); }
int WriteLine(const Ref<TStream>& stream, const String& text) { return stream->WriteLine(text); }
String ReadString(const Ref<TStream>& stream, int length) { return stream->ReadString(length); }
int WriteString(const Ref<TStream>& stream, const String& text) {
    return stream->WriteString(text);
}

} // namespace vandro

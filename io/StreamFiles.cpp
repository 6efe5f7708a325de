#include "StreamFiles.h"

#include "StreamExceptions.h"
#include "StreamFunctions.h"

#include <algorithm>
#include <climits>

namespace vandro {

namespace {

ByteArray ReadRemainingBytes(TStream& stream) {
    ByteArray bytes;
    // The buffer still grows by half, but within room for what a stream says it holds:
    // moving megabytes to fresh pages at each step costs far more than the read itself.
    const long known = static_cast<long>(stream.Size()) - stream.Pos();
    bytes.reserve(static_cast<std::size_t>(std::max(1024L, known + 1)));
    bytes.resize(1024);
    std::size_t filled = 0;
    while (!stream.Eof()) {
        if (filled == bytes.size())
            bytes.resize(bytes.size() + bytes.size() / 2);
        const std::size_t room = std::min<std::size_t>(bytes.size() - filled, INT_MAX);
        const int n = stream.Read(bytes.data() + filled, static_cast<int>(room));
        // A stream whose Eof never comes ends at its first empty read.
        if (n <= 0)
            break;
        filled += static_cast<std::size_t>(n);
    }
    bytes.resize(filled);
    return bytes;
}

ByteArray BytesOfText(const String& text) {
    ByteArray bytes(text.size());
    std::transform(text.begin(), text.end(), bytes.begin(),
                   [](char16_t unit) { return static_cast<std::uint8_t>(unit); });
    return bytes;
}
} // namespace

ByteArray LoadByteArray(const StreamUrl& url) {
    const Ref<TStream> stream = ReadStream(url);
    if (!stream)
        throw TStreamReadException();
    ByteArray bytes = ReadRemainingBytes(*stream);
    stream->Close();
    return bytes;
}

String LoadString(const StreamUrl& url) {
    const ByteArray bytes = LoadByteArray(url);
    return String(bytes.begin(), bytes.end());
}

int SaveByteArray(const ByteArray& bytes, const StreamUrl& url) {
    const Ref<TStream> stream = WriteStream(url);
    if (!stream)
        throw TStreamWriteException();
    stream->WriteBytes(bytes.data(), static_cast<int>(bytes.size()));
    stream->Close();
    return 1;
}

int SaveString(const String& text, const StreamUrl& url) {
    return SaveByteArray(BytesOfText(text), url);
}

int CopyStream(const Ref<TStream>& from, const Ref<TStream>& to, int bufferSize) {
    ByteArray buffer(static_cast<std::size_t>(bufferSize > 0 ? bufferSize : kCopyBufferSize));
    while (!from->Eof()) {
        const int n = from->Read(buffer.data(), static_cast<int>(buffer.size()));
        // A stream whose Eof never comes would otherwise keep this loop going for ever.
        if (n <= 0)
            break;
        to->WriteBytes(buffer.data(), n);
    }
    return 0;
}

int CopyBytes(const Ref<TStream>& from, const Ref<TStream>& to, int count, int bufferSize) {
    const int piece = bufferSize > 0 ? bufferSize : kCopyBufferSize;
    ByteArray buffer(static_cast<std::size_t>(std::min(piece, std::max(count, 0))));
    for (int left = count; left > 0;) {
        const int n = std::min(left, piece);
        from->ReadBytes(buffer.data(), n);
        to->WriteBytes(buffer.data(), n);
        left -= n;
    }
    return 0;
}

} // namespace vandro

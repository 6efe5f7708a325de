#include "Stream.h"

#include "StreamExceptions.h"

#include "runtime/NumberChars.h"

#include <algorithm>
#include <string>

namespace vandro {

namespace {

// Steps until count bytes are done; a step that moves none raises the failure.
template <class Failure, class Step> int Repeat(int count, Step step) {
    for (int done = 0; done < count;) {
        const int n = step(done);
        if (n <= 0)
            throw Failure();
        done += n;
    }
    return count;
}

template <class U> U ReadLittleEndian(TStream& stream) {
    std::uint8_t bytes[sizeof(U)];
    stream.ReadBytes(bytes, sizeof bytes);
    U value = 0;
    for (std::size_t i = sizeof bytes; i-- > 0;)
        value = static_cast<U>(value << 8 | bytes[i]);
    return value;
}

template <class U> int WriteLittleEndian(TStream& stream, U value) {
    std::uint8_t bytes[sizeof(U)];
    for (auto& byte : bytes) {
        byte = static_cast<std::uint8_t>(value & 0xFF);
        value = static_cast<U>(value >> 8);
    }
    stream.WriteBytes(bytes, sizeof bytes);
    return 0;
}

std::string BytesOf(const String& text) { return std::string(text.begin(), text.end()); }

String CharactersOf(const std::string& bytes) {
    String text(bytes.size(), u'\0');
    for (std::size_t i = 0; i < bytes.size(); ++i)
        text[i] = static_cast<std::uint8_t>(bytes[i]);
    return text;
}

} // namespace

int TStream::ReadBytes(void* buffer, int count) {
    auto* at = static_cast<std::uint8_t*>(buffer);
    return Repeat<TStreamReadException>(count,
                                        [&](int done) { return Read(at + done, count - done); });
}

int TStream::WriteBytes(const void* buffer, int count) {
    const auto* at = static_cast<const std::uint8_t*>(buffer);
    return Repeat<TStreamWriteException>(count,
                                         [&](int done) { return Write(at + done, count - done); });
}

int TStream::SkipBytes(int count) {
    std::uint8_t discard[1024];
    Repeat<TStreamReadException>(
        count, [&](int done) { return Read(discard, std::min(count - done, 1024)); });
    return 0;
}

int TStream::ReadByte() { return ReadLittleEndian<std::uint8_t>(*this); }
int TStream::WriteByte(int value) {
    return WriteLittleEndian(*this, static_cast<std::uint8_t>(value));
}
int TStream::ReadShort() { return ReadLittleEndian<std::uint16_t>(*this); }
int TStream::WriteShort(int value) {
    return WriteLittleEndian(*this, static_cast<std::uint16_t>(value));
}
int TStream::ReadInt() { return static_cast<int>(ReadLittleEndian<std::uint32_t>(*this)); }
int TStream::WriteInt(int value) {
    return WriteLittleEndian(*this, static_cast<std::uint32_t>(value));
}
std::int64_t TStream::ReadLong() {
    return static_cast<std::int64_t>(ReadLittleEndian<std::uint64_t>(*this));
}
int TStream::WriteLong(std::int64_t value) {
    return WriteLittleEndian(*this, static_cast<std::uint64_t>(value));
}
float TStream::ReadFloat() { return BitCast<float>(ReadLittleEndian<std::uint32_t>(*this)); }
int TStream::WriteFloat(float value) {
    return WriteLittleEndian(*this, BitCast<std::uint32_t>(value));
}
double TStream::ReadDouble() { return BitCast<double>(ReadLittleEndian<std::uint64_t>(*this)); }
int TStream::WriteDouble(double value) {
    return WriteLittleEndian(*this, BitCast<std::uint64_t>(value));
}

String TStream::ReadLine() {
    std::string line;
    for (std::uint8_t byte = 0; Read(&byte, 1) == 1 && byte != 0 && byte != 10;)
        if (byte != 13)
            line += static_cast<char>(byte);
    return CharactersOf(line);
}

int TStream::WriteLine(const String& text) {
    const std::string bytes = BytesOf(text);
    const int count = static_cast<int>(bytes.size());
    if (Write(bytes.data(), count) != count)
        return 0;
    return Write("\r\n", 2) == 2 ? 1 : 0;
}

String TStream::ReadString(int length) {
    if (length <= 0)
        return String();
    std::string bytes(static_cast<std::size_t>(length), '\0');
    ReadBytes(bytes.data(), length);
    return CharactersOf(bytes);
}

int TStream::WriteString(const String& text) {
    const std::string bytes = BytesOf(text);
    WriteBytes(bytes.data(), static_cast<int>(bytes.size()));
    return 0;
}

Object TStream::ReadObject() { RuntimeError(u"Unable to read object"); }
int TStream::WriteObject(const Object&) { RuntimeError(u"Unable to write object"); }

} // namespace vandro

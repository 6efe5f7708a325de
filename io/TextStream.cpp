#include "TextStream.h"

#include "NumberParsing.h"
#include "StreamExceptions.h"
#include "TextCoding.h"
#include "runtime/Text.h"

#include <algorithm>
#include <cstring>
#include <vector>

namespace vandro {

namespace {

constexpr int kBytesPerHexLine = 32;
constexpr int kPieceBytes = 1 << 16;
constexpr std::size_t kLongestCharacter = 4;
constexpr char16_t kHexDigits[] = u"0123456789ABCDEF";

bool IsHighSurrogate(char32_t unit) { return unit >= 0xD800 && unit < 0xDC00; }
bool IsLowSurrogate(char32_t unit) { return unit >= 0xDC00 && unit < 0xE000; }

struct BufferSource {
    const std::uint8_t* at;
    const std::uint8_t* end;
    int Next() { return at < end ? *at++ : -1; }
    void Unread() { --at; }
};

struct BufferSink {
    std::vector<std::uint8_t> bytes;
    void Put(std::uint8_t byte) { bytes.push_back(byte); }
};

// The end of the bytes from `at` on that are each one character as they stand: every byte
// in Latin-1, bytes below 0x80 in UTF-8, none in UTF-16. Most text is such runs, and taking
// them whole keeps whole-text reading near the speed of reading the bytes.
const std::uint8_t* OneByteRun(int encoding, const std::uint8_t* at, const std::uint8_t* stop) {
    if (encoding == TTextStream::UTF16BE || encoding == TTextStream::UTF16LE)
        return at;
    if (encoding != TTextStream::UTF8)
        return stop;
    // Eight bytes at a time while none has its top bit set.
    constexpr std::uint64_t kTopBits = 0x8080808080808080u;
    for (std::uint64_t word; stop - at >= 8; at += 8) {
        std::memcpy(&word, at, sizeof word);
        if (word & kTopBits)
            break;
    }
    while (at < stop && *at < 0x80)
        ++at;
    return at;
}

} // namespace

class TTextStream::RawBytes {
  public:
    explicit RawBytes(TTextStream& stream) : stream_(stream) {}
    int Next() { return last_ = stream_._ReadByte(); }
    void Unread() { stream_._unread = last_; }
    void Put(std::uint8_t byte) { stream_._WriteByte(byte); }

  private:
    TTextStream& stream_;
    int last_ = -1;
};

int TTextStream::Eof() {
    if (_lowSurrogate != 0 || _unread >= 0)
        return 0;
    return TStreamWrapper::Eof();
}

int TTextStream::Seek(int position) {
    _lowSurrogate = 0;
    _unread = -1;
    return TStreamWrapper::Seek(position);
}

int TTextStream::Read(void* buffer, int count) {
    auto* at = static_cast<std::uint8_t*>(buffer);
    int done = 0;
    for (; done < count && !Eof(); ++done) {
        const int high = ReadDigit();
        at[done] = static_cast<std::uint8_t>(high << 4 | ReadDigit());
        if (++_bufcount == kBytesPerHexLine)
            _FlushRead();
    }
    return done;
}

int TTextStream::Write(const void* buffer, int count) {
    const auto* at = static_cast<const std::uint8_t*>(buffer);
    for (int i = 0; i < count; ++i) {
        WriteChar(kHexDigits[at[i] >> 4]);
        WriteChar(kHexDigits[at[i] & 15]);
        if (++_bufcount == kBytesPerHexLine)
            _FlushWrite();
    }
    return count > 0 ? count : 0;
}

int TTextStream::ReadByte() { return static_cast<int>(LongOfText(ReadLine()) & 0xFF); }
int TTextStream::WriteByte(int value) { return WriteLineOf(IntText(value & 0xFF)); }
int TTextStream::ReadShort() { return static_cast<int>(LongOfText(ReadLine()) & 0xFFFF); }
int TTextStream::WriteShort(int value) { return WriteLineOf(IntText(value & 0xFFFF)); }
int TTextStream::ReadInt() { return static_cast<int>(LongOfText(ReadLine())); }
int TTextStream::WriteInt(int value) { return WriteLineOf(IntText(value)); }
std::int64_t TTextStream::ReadLong() { return LongOfText(ReadLine()); }
int TTextStream::WriteLong(std::int64_t value) { return WriteLineOf(LongText(value)); }
float TTextStream::ReadFloat() { return FloatOfText(ReadLine()); }
int TTextStream::WriteFloat(float value) { return WriteLineOf(FloatText(value)); }
double TTextStream::ReadDouble() { return DoubleOfText(ReadLine()); }
int TTextStream::WriteDouble(double value) { return WriteLineOf(DoubleText(value)); }

String TTextStream::ReadLine() {
    _FlushRead();
    String line;
    while (!Eof()) {
        const int c = ReadChar();
        if (c == 0 || c == 10)
            break;
        if (c != 13)
            line += static_cast<char16_t>(c);
    }
    return line;
}

int TTextStream::WriteLine(const String& text) {
    WriteString(text + u"\r\n");
    return 1;
}

String TTextStream::ReadString(int length) {
    _FlushRead();
    String text;
    for (int i = 0; i < length; ++i)
        text += static_cast<char16_t>(ReadChar());
    return text;
}

int TTextStream::WriteString(const String& text) {
    _FlushWrite();
    BufferSink out;
    out.bytes.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        char32_t code = text[i];
        // Only UTF-8 spells a pair differently from its two halves.
        if (_encoding == UTF8 && IsHighSurrogate(code) && i + 1 < text.size() &&
            IsLowSurrogate(text[i + 1]))
            code = 0x10000 + ((code - 0xD800) << 10) + (text[++i] - 0xDC00);
        textcoding::EncodeCharacter(_encoding, code, out);
    }
    _stream->WriteBytes(out.bytes.data(), static_cast<int>(out.bytes.size()));
    return 0;
}

String TTextStream::ReadFile() {
    String text;
    const int left = Size() - Pos();
    if (left > 0)
        text.reserve(static_cast<std::size_t>(left) + 2);
    if (_lowSurrogate != 0)
        text += std::exchange(_lowSurrogate, 0);
    std::vector<std::uint8_t> piece(kPieceBytes + kLongestCharacter);
    std::size_t held = 0;
    if (_unread >= 0)
        piece[held++] = static_cast<std::uint8_t>(std::exchange(_unread, -1));
    for (bool last = false; !last;) {
        const int n = _stream->Eof() ? 0 : _stream->Read(piece.data() + held, kPieceBytes);
        last = n <= 0;
        if (!last)
            held += static_cast<std::size_t>(n);
        // A character that starts this close to the end may go on in the next piece.
        const std::size_t whole = last ? held : held - std::min(held, kLongestCharacter - 1);
        BufferSource in{piece.data(), piece.data() + held};
        const std::uint8_t* const stop = piece.data() + whole;
        // No character takes fewer bytes than the code units it becomes.
        const std::size_t before = text.size();
        text.resize(before + held);
        char16_t* out = text.data() + before;
        while (in.at < stop) {
            if (const auto run = OneByteRun(_encoding, in.at, stop); run != in.at) {
                out = std::copy(in.at, run, out);
                in.at = run;
                continue;
            }
            const int first = *in.at++;
            const char32_t code = textcoding::DecodeCharacter(_encoding, first, in);
            if (code < 0x10000) {
                *out++ = static_cast<char16_t>(code);
            } else {
                *out++ = textcoding::HighSurrogate(code);
                *out++ = textcoding::LowSurrogate(code);
            }
        }
        text.resize(static_cast<std::size_t>(out - text.data()));
        held = static_cast<std::size_t>(in.end - in.at);
        std::memmove(piece.data(), in.at, held);
    }
    return text;
}

int TTextStream::ReadChar() {
    if (_lowSurrogate != 0)
        return std::exchange(_lowSurrogate, 0);
    const int first = _ReadByte();
    if (first < 0)
        throw TStreamReadException();
    RawBytes in(*this);
    const char32_t code = textcoding::DecodeCharacter(_encoding, first, in);
    if (code < 0x10000)
        return static_cast<int>(code);
    _lowSurrogate = textcoding::LowSurrogate(code);
    return textcoding::HighSurrogate(code);
}

int TTextStream::WriteChar(int code) {
    if (_encoding != LATIN1 && (code < 0 || code > 0x10FFFF))
        code = textcoding::kReplacement;
    RawBytes out(*this);
    textcoding::EncodeCharacter(_encoding, static_cast<char32_t>(code), out);
    return 0;
}

Ref<TTextStream> TTextStream::Create(Ref<TStream> stream, int encoding) {
    auto text = New<TTextStream>();
    text->_encoding = encoding;
    text->SetStream(std::move(stream));
    return text;
}

int TTextStream::_ReadByte() {
    if (_unread >= 0)
        return std::exchange(_unread, -1);
    std::uint8_t byte = 0;
    return _stream->Read(&byte, 1) == 1 ? byte : -1;
}

void TTextStream::_WriteByte(int byte) {
    const auto raw = static_cast<std::uint8_t>(byte);
    _stream->WriteBytes(&raw, 1);
}

void TTextStream::_FlushRead() {
    if (_bufcount == 0)
        return;
    _bufcount = 0;
    int c = Eof() ? -1 : ReadChar();
    if (c == 13)
        c = Eof() ? -1 : ReadChar();
    if (c != 10)
        RuntimeError(u"Malformed line terminator");
}

void TTextStream::_FlushWrite() {
    if (_bufcount == 0)
        return;
    _bufcount = 0;
    WriteChar(13);
    WriteChar(10);
}

int TTextStream::ReadDigit() {
    const int c = ReadChar();
    if (c >= u'0' && c <= u'9')
        return c - u'0';
    if (c >= u'A' && c <= u'F')
        return c - u'A' + 10;
    if (c >= u'a' && c <= u'f')
        return c - u'a' + 10;
    throw TStreamReadException();
}

int TTextStream::WriteLineOf(const String& number) {
    WriteLine(number);
    return 0;
}

} // namespace vandro

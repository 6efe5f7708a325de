// Characters over another stream in one of four encodings. Lines end in CR LF; numbers are
// lines of decimal text; raw bytes are lines of upper-case hexadecimal, 32 bytes a line.
// A character beyond U+FFFF arrives as its UTF-16 surrogate pair: one ReadChar answers the
// high surrogate, the next the low one, and WriteString writes a pair as that one character.
#pragma once

#include "StreamWrapper.h"

namespace vandro {

class TTextStream : public TStreamWrapper {
  public:
    static constexpr int LATIN1 = 1;
    static constexpr int UTF8 = 2;
    static constexpr int UTF16BE = 3;
    static constexpr int UTF16LE = 4;

    int Eof() override;
    int Seek(int position) override;
    // Two hexadecimal digits a byte; raises TStreamReadException on anything else.
    int Read(void* buffer, int count) override;
    int Write(const void* buffer, int count) override;
    int ReadByte() override;
    int WriteByte(int value) override;
    int ReadShort() override;
    int WriteShort(int value) override;
    int ReadInt() override;
    int WriteInt(int value) override;
    std::int64_t ReadLong() override;
    int WriteLong(std::int64_t value) override;
    float ReadFloat() override;
    int WriteFloat(float value) override;
    double ReadDouble() override;
    int WriteDouble(double value) override;
    String ReadLine() override;
    int WriteLine(const String& text) override;
    String ReadString(int length) override;
    int WriteString(const String& text) override;

    // Every character to the end of the stream, decoded in one pass.
    virtual String ReadFile();
    // One UTF-16 code unit; an undecodable or cut-off sequence is U+FFFD. Raises
    // TStreamReadException when no byte is left.
    virtual int ReadChar();
    // A code point; in UTF-8 and UTF-16, one beyond U+10FFFF is written as U+FFFD.
    virtual int WriteChar(int code);

    // Any other encoding reads and writes as Latin-1.
    static Ref<TTextStream> Create(Ref<TStream> stream, int encoding);

    int _encoding = LATIN1;
    int _bufcount = 0;

  protected:
    // A raw byte of the wrapped stream, -1 at its end.
    int _ReadByte();
    void _WriteByte(int byte);
    // Ends a line of hexadecimal data.
    void _FlushRead();
    void _FlushWrite();

  private:
    class RawBytes;
    int ReadDigit();
    int WriteLineOf(const String& number);

    // The decoder read one byte too far and gave it back.
    int _unread = -1;
    // The second half of a character beyond U+FFFF, owed to the next ReadChar.
    char16_t _lowSurrogate = 0;
};

} // namespace vandro

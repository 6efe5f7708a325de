#include "TextTesting.h"
#include "io/StreamExceptions.h"
#include "runtime/Text.h"

#include <cstdint>
#include <functional>
#include <gtest/gtest.h>
#include <limits>

using namespace vandro;
using namespace vandro::testing;

namespace {

String Latin1Of(const Bytes& bytes) { return String(bytes.begin(), bytes.end()); }

String HexLine(int from, int to) {
    String line;
    for (int b = from; b < to; ++b) {
        line += u"0123456789ABCDEF"[b >> 4];
        line += u"0123456789ABCDEF"[b & 15];
    }
    return line;
}

Bytes Ascending(int count) {
    Bytes bytes;
    for (int b = 0; b < count; ++b)
        bytes.push_back(static_cast<std::uint8_t>(b));
    return bytes;
}

} // namespace

TEST(TextLines, EndAtLineFeedOrZeroAndDropCarriageReturns) {
    for (int encoding : {TTextStream::LATIN1, TTextStream::UTF8}) {
        auto text = TextOver(BytesOf("ab\r\nc"), encoding);
        EXPECT_EQ(text->ReadLine(), u"ab");
        EXPECT_EQ(text->ReadLine(), u"c");
        EXPECT_EQ(text->ReadLine(), u"");
    }
    auto text = TextOver({'a', 0, 0, 0, 'b', 0, '\r', 0, '\n', 0, 'c', 0}, TTextStream::UTF16LE);
    EXPECT_EQ(text->ReadLine(), u"a");
    EXPECT_EQ(text->ReadLine(), u"b");
    EXPECT_EQ(text->ReadLine(), u"c");
    EXPECT_EQ(text->Eof(), 1);
}

TEST(TextLines, WriteLineEndsEachLineWithCarriageReturnLineFeed) {
    auto text = EmptyText(TTextStream::UTF8);
    EXPECT_EQ(text->WriteLine(u"eins"), 1);
    EXPECT_EQ(text->WriteLine(u""), 1);
    text->WriteString(u"zwei");
    EXPECT_EQ(Latin1Of(WrittenBytes(text)), u"eins\r\n\r\nzwei");
}

TEST(TextNumbers, AreLinesOfTheirNumberText) {
    auto text = EmptyText(TTextStream::LATIN1);
    text->WriteByte(300);
    text->WriteShort(-1);
    text->WriteInt(std::numeric_limits<int>::min());
    text->WriteLong(std::numeric_limits<std::int64_t>::min());
    text->WriteFloat(1.5f);
    text->WriteDouble(14.0);
    EXPECT_EQ(Latin1Of(WrittenBytes(text)), u"44\r\n65535\r\n-2147483648\r\n"
                                            u"-9223372036854775808\r\n1.50000000\r\n"
                                            u"14.000000000000000\r\n");
    text->Seek(0);
    EXPECT_EQ(text->ReadByte(), 44);
    EXPECT_EQ(text->ReadShort(), 65535);
    EXPECT_EQ(text->ReadInt(), std::numeric_limits<int>::min());
    EXPECT_EQ(text->ReadLong(), std::numeric_limits<std::int64_t>::min());
    EXPECT_EQ(text->ReadFloat(), 1.5f);
    EXPECT_EQ(text->ReadDouble(), 14.0);
}

TEST(TextNumbers, RoundTripExactly) {
    auto text = EmptyText(TTextStream::UTF16BE);
    text->WriteFloat(0.1f);
    text->WriteDouble(0.1);
    text->WriteDouble(-1e-300);
    text->Seek(0);
    EXPECT_EQ(text->ReadFloat(), 0.1f);
    EXPECT_EQ(text->ReadDouble(), 0.1);
    EXPECT_EQ(text->ReadDouble(), -1e-300);
}

TEST(TextNumbers, ReadWhatALineStartsWith) {
    auto text =
        TextOver(BytesOf("  +12abc\r\nabc\r\n\t-7\r\n2.5e1x\r\n300\r\n"), TTextStream::UTF8);
    EXPECT_EQ(text->ReadInt(), 12);
    EXPECT_EQ(text->ReadInt(), 0);
    EXPECT_EQ(text->ReadLong(), -7);
    EXPECT_EQ(text->ReadDouble(), 25.0);
    EXPECT_EQ(text->ReadByte(), 44);
    EXPECT_EQ(text->ReadInt(), 0);
}

TEST(TextBytes, ThirtyThreeBytesMakeALineOf64DigitsThenTwo) {
    auto text = EmptyText(TTextStream::LATIN1);
    const Bytes bytes = Ascending(33);
    EXPECT_EQ(text->Write(bytes.data(), 33), 33);
    EXPECT_EQ(text->_bufcount, 1);
    EXPECT_EQ(Latin1Of(WrittenBytes(text)), HexLine(0, 32) + u"\r\n20");
    text->WriteLine(u"x");
    EXPECT_EQ(Latin1Of(WrittenBytes(text)), HexLine(0, 32) + u"\r\n20\r\nx\r\n");
    EXPECT_EQ(text->_bufcount, 0);
}

TEST(TextBytes, ReadBackWhatWasWritten) {
    for (int encoding :
         {TTextStream::LATIN1, TTextStream::UTF8, TTextStream::UTF16BE, TTextStream::UTF16LE}) {
        auto text = EmptyText(encoding);
        const Bytes bytes = {0x00, 0xFF, 0x7A, 0xA5};
        text->WriteBytes(bytes.data(), 4);
        text->WriteInt(-3);
        text->WriteBytes(Ascending(70).data(), 70);
        text->WriteLine(u"Ende");
        text->Seek(0);
        Bytes first(4), second(70);
        text->ReadBytes(first.data(), 4);
        EXPECT_EQ(first, bytes);
        EXPECT_EQ(text->ReadInt(), -3);
        text->ReadBytes(second.data(), 70);
        EXPECT_EQ(second, Ascending(70));
        EXPECT_EQ(text->ReadLine(), u"Ende");
        EXPECT_EQ(text->Eof(), 1);
    }
}

TEST(TextBytes, UnderstandLowerCaseDigitsAndLoneLineFeeds) {
    String hex;
    for (int i = 0; i < 32; ++i)
        hex += u"ab";
    auto text = TextOver(BytesOf((ToUtf8(hex) + "\nff").c_str()), TTextStream::UTF8);
    Bytes bytes(33);
    text->ReadBytes(bytes.data(), 33);
    EXPECT_EQ(Bytes(bytes.begin(), bytes.begin() + 32), Bytes(32, 0xAB));
    EXPECT_EQ(bytes[32], 0xFF);
}

TEST(TextBytes, SkipBytesReadsDigits) {
    auto text = TextOver(BytesOf("010203\r\nrest"), TTextStream::LATIN1);
    text->SkipBytes(3);
    EXPECT_EQ(text->_bufcount, 3);
    EXPECT_EQ(text->ReadLine(), u"rest");
}

TEST(TextBytes, AMissingLineEndIsMalformed) {
    const String line = HexLine(0, 32);
    for (const char* after : {"X", "\rX", "\r", "", " \r\n"}) {
        auto text = TextOver(BytesOf((ToUtf8(line) + after).c_str()), TTextStream::LATIN1);
        Bytes bytes(32);
        EXPECT_EQ(RuntimeErrorOf([&] { text->Read(bytes.data(), 32); }),
                  u"Malformed line terminator")
            << "after " << after;
        EXPECT_EQ(text->_bufcount, 0);
    }
}

TEST(TextBytes, APartLineMustEndBeforeTheNextLine) {
    Bytes bytes(2);
    auto text = TextOver(BytesOf("0A0B\r\nline"), TTextStream::LATIN1);
    EXPECT_EQ(text->Read(bytes.data(), 2), 2);
    EXPECT_EQ(bytes, (Bytes{0x0A, 0x0B}));
    EXPECT_EQ(text->ReadLine(), u"line");

    auto bad = TextOver(BytesOf("0A0Bline"), TTextStream::LATIN1);
    bad->Read(bytes.data(), 2);
    EXPECT_EQ(RuntimeErrorOf([&] { bad->ReadLine(); }), u"Malformed line terminator");
}

TEST(TextBytes, MalformedDigitsRaiseTheReadException) {
    Bytes bytes(4);
    for (const char* hex : {"0G", "G0", "1", "0 ", "-1", "\xC3\xA9"}) {
        auto text = TextOver(BytesOf(hex), TTextStream::UTF8);
        EXPECT_THROW(text->Read(bytes.data(), 4), TStreamReadException) << hex;
    }
    auto shortOfData = TextOver(BytesOf("0102"), TTextStream::UTF8);
    EXPECT_EQ(shortOfData->Read(bytes.data(), 4), 2);
    EXPECT_EQ(shortOfData->Read(bytes.data(), 4), 0);
    shortOfData->Seek(0);
    EXPECT_THROW(shortOfData->ReadBytes(bytes.data(), 4), TStreamReadException);
}

#include "MemoryStream.h"
#include "io/StreamExceptions.h"

#include <gtest/gtest.h>

using namespace vandro;
using namespace vandro::testing;

namespace {

class TBareStream : public TStream {};

} // namespace

TEST(StreamBase, AnswersItsDefaultsAndRefusesBytes) {
    TBareStream bare;
    EXPECT_EQ(bare.Pos(), -1);
    EXPECT_EQ(bare.Size(), 0);
    EXPECT_EQ(bare.Eof(), 0);
    EXPECT_EQ(bare.Seek(5), -1);
    EXPECT_EQ(bare.Flush(), 0);
    EXPECT_EQ(bare.Close(), 0);
    std::uint8_t byte = 0;
    EXPECT_EQ(RuntimeErrorOf([&] { bare.Read(&byte, 1); }), u"Stream is not readable");
    EXPECT_EQ(RuntimeErrorOf([&] { bare.Write(&byte, 1); }), u"Stream is not writeable");
    EXPECT_EQ(RuntimeErrorOf([&] { bare.ReadInt(); }), u"Stream is not readable");
    EXPECT_EQ(RuntimeErrorOf([&] { bare.ReadObject(); }), u"Unable to read object");
    EXPECT_EQ(RuntimeErrorOf([&] { bare.WriteObject(Object()); }), u"Unable to write object");
}

TEST(StreamBase, EofWhenThePositionReachesTheSize) {
    auto stream = MemoryOf({1, 2});
    EXPECT_EQ(stream->Eof(), 0);
    stream->SkipBytes(2);
    EXPECT_EQ(stream->Eof(), 1);
}

TEST(TypedStream, NumbersAreWrittenLittleEndian) {
    auto stream = MemoryOf({});
    stream->WriteByte(0x1FF);
    stream->WriteShort(0x12345);
    stream->WriteInt(-2);
    stream->WriteLong(0x0102030405060708);
    stream->WriteFloat(1.5f);
    stream->WriteDouble(-2.0);
    const Bytes expected = {0xFF, 0x45, 0x23, 0xFE, 0xFF, 0xFF, 0xFF, 8, 7, 6, 5, 4,    3,   2,
                            1,    0x00, 0x00, 0xC0, 0x3F, 0,    0,    0, 0, 0, 0, 0x00, 0xC0};
    EXPECT_EQ(stream->bytes, expected);
}

TEST(TypedStream, NumbersReadBackAsWrittenBytesAndShortsUnsigned) {
    auto stream = MemoryOf({0xFF, 0xFE, 0xFF, 0xFE, 0xFF, 0xFF, 0xFF, 8, 7, 6, 5, 4,    3,   2,
                            1,    0x00, 0x00, 0xC0, 0x3F, 0,    0,    0, 0, 0, 0, 0x00, 0xC0});
    EXPECT_EQ(stream->ReadByte(), 255);
    EXPECT_EQ(stream->ReadShort(), 0xFFFE);
    EXPECT_EQ(stream->ReadInt(), -2);
    EXPECT_EQ(stream->ReadLong(), 0x0102030405060708);
    EXPECT_EQ(stream->ReadFloat(), 1.5f);
    EXPECT_EQ(stream->ReadDouble(), -2.0);
    EXPECT_EQ(stream->Eof(), 1);
}

TEST(TypedStream, ReadBytesCollectsPiecesUntilTheCountHasArrived) {
    auto stream = MemoryOf({1, 2, 3, 4, 5});
    stream->piece = 2;
    EXPECT_EQ(stream->ReadInt(), 0x04030201);
    EXPECT_EQ(stream->requests, (std::vector<int>{4, 2}));
}

TEST(TypedStream, ReadingPastTheEndRaisesTheReadException) {
    auto stream = MemoryOf({1, 2, 3});
    EXPECT_THROW(stream->ReadInt(), TStreamReadException);
    EXPECT_EQ(stream->Pos(), 3);
    EXPECT_THROW(stream->ReadByte(), TStreamReadException);
    EXPECT_THROW(MemoryOf({1})->SkipBytes(2), TStreamReadException);
    EXPECT_THROW(MemoryOf({1})->ReadString(2), TStreamReadException);
    try {
        stream->ReadByte();
    } catch (const TKestrelException& e) {
        EXPECT_EQ(e.ToString(), u"Error reading from stream");
    }
}

TEST(TypedStream, AFullStreamRaisesTheWriteException) {
    auto stream = MemoryOf({});
    stream->capacity = 3;
    EXPECT_THROW(stream->WriteInt(7), TStreamWriteException);
    EXPECT_EQ(stream->bytes, (Bytes{7, 0, 0}));
    try {
        stream->WriteByte(1);
    } catch (const TKestrelException& e) {
        EXPECT_EQ(e.ToString(), u"Error writing to stream");
    }
}

TEST(TypedStream, SkipBytesDiscardsInPiecesOf1024) {
    auto stream = MemoryOf(Bytes(3000, 9));
    stream->SkipBytes(2500);
    EXPECT_EQ(stream->Pos(), 2500);
    EXPECT_EQ(stream->requests, (std::vector<int>{1024, 1024, 452}));
}

TEST(StreamLines, EndAtLineFeedZeroByteOrTheEndAndDropCarriageReturns) {
    auto stream = MemoryOf(BytesOf("ab\r\nc"));
    EXPECT_EQ(stream->ReadLine(), u"ab");
    EXPECT_EQ(stream->ReadLine(), u"c");
    EXPECT_EQ(stream->ReadLine(), u"");

    auto mixed = MemoryOf({'x', '\r', 'y', 0, 0xE9, '\n', '\n'});
    EXPECT_EQ(mixed->ReadLine(), u"xy");
    EXPECT_EQ(mixed->ReadLine(), u"\u00E9");
    EXPECT_EQ(mixed->ReadLine(), u"");
    EXPECT_EQ(mixed->Eof(), 1);
}

TEST(StreamLines, LongLinesArriveWhole) {
    Bytes bytes(5000, 'q');
    bytes.push_back('\n');
    EXPECT_EQ(MemoryOf(bytes)->ReadLine(), String(5000, u'q'));
}

TEST(StreamLines, WriteLineTruncatesToBytesAndEndsWithCarriageReturnLineFeed) {
    auto stream = MemoryOf({});
    EXPECT_EQ(stream->WriteLine(u"a\u00E9\u2600"), 1);
    EXPECT_EQ(stream->bytes, (Bytes{'a', 0xE9, 0x00, '\r', '\n'}));
}

TEST(StreamLines, WriteLineAnswers0WhenAWriteWasCut) {
    auto shortOfText = MemoryOf({});
    shortOfText->capacity = 2;
    EXPECT_EQ(shortOfText->WriteLine(u"abc"), 0);
    EXPECT_EQ(shortOfText->bytes, BytesOf("ab"));

    auto shortOfLineEnd = MemoryOf({});
    shortOfLineEnd->capacity = 4;
    EXPECT_EQ(shortOfLineEnd->WriteLine(u"abc"), 0);
    EXPECT_EQ(shortOfLineEnd->bytes, BytesOf("abc\r"));
}

TEST(StreamStrings, OneByteEachWay) {
    auto stream = MemoryOf({});
    stream->WriteString(u"\u0141Az");
    EXPECT_EQ(stream->bytes, (Bytes{0x41, 'A', 'z'}));
    stream->Seek(0);
    EXPECT_EQ(stream->ReadString(2), u"AA");
    EXPECT_EQ(stream->ReadString(0), u"");
    EXPECT_EQ(stream->ReadString(-3), u"");
    EXPECT_EQ(stream->Pos(), 2);
}

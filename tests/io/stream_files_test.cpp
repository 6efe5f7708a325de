#include "MemoryStream.h"
#include "TempFolder.h"
#include "io/StreamExceptions.h"
#include "io/StreamFiles.h"

using namespace vandro;
using namespace vandro::testing;

namespace {

Bytes Counting(int count) {
    Bytes bytes(static_cast<std::size_t>(count));
    for (int i = 0; i < count; ++i)
        bytes[static_cast<std::size_t>(i)] = static_cast<std::uint8_t>(i * 7);
    return bytes;
}

} // namespace

TEST(LoadBytes, TheBufferStartsAt1024AndGrowsByHalf) {
    auto memory = MemoryOf(Counting(5000));
    EXPECT_EQ(LoadByteArray(memory), Counting(5000));
    // Room left each time: 1024, then 1536 - 1024, 2304 - 1536, 3456 - 2304, 5184 - 3456.
    EXPECT_EQ(memory->requests, (std::vector<int>{1024, 512, 768, 1152, 1728}));
}

TEST(LoadBytes, PiecesFillTheBufferBeforeItGrows) {
    auto memory = MemoryOf(Counting(1500));
    memory->piece = 1000;
    EXPECT_EQ(LoadByteArray(memory), Counting(1500));
    EXPECT_EQ(memory->requests, (std::vector<int>{1024, 24, 512}));
}

TEST(LoadBytes, EmptyAndExactSizes) {
    EXPECT_EQ(LoadByteArray(MemoryOf({})), Bytes());
    EXPECT_EQ(LoadByteArray(MemoryOf(Counting(1024))), Counting(1024));
}

TEST(LoadBytes, AStreamWithoutEofEndsAtItsFirstEmptyRead) {
    class TEndless : public TMemoryStream {
      public:
        using TMemoryStream::TMemoryStream;
        int Eof() override { return 0; }
    };
    auto endless = New<TEndless>(Counting(10));
    EXPECT_EQ(LoadByteArray(endless), Counting(10));
}

TEST(LoadBytes, StringsAreOneCharacterAByte) {
    EXPECT_EQ(LoadString(MemoryOf({'a', 0xE9, 0, 0xFF})), String(u"a\u00E9\0\u00FF", 4));
}

TEST(SaveBytes, WritesTheBytesAndTruncatesCharacters) {
    auto memory = MemoryOf({});
    EXPECT_EQ(SaveByteArray({1, 2, 3}, memory), 1);
    EXPECT_EQ(memory->bytes, (Bytes{1, 2, 3}));
    auto text = MemoryOf({});
    SaveString(u"A\u00E9\u2641", text);
    EXPECT_EQ(text->bytes, (Bytes{'A', 0xE9, 0x41}));
}

TEST(SaveBytes, AFullStreamRaisesTheWriteException) {
    auto memory = MemoryOf({});
    memory->capacity = 2;
    EXPECT_THROW(SaveByteArray({1, 2, 3}, memory), TStreamWriteException);
}

using ByteFiles = TempFolder;

TEST_F(ByteFiles, SaveAndLoadByPath) {
    SaveByteArray(Counting(3000), PathOf(u"bytes.bin"));
    EXPECT_EQ(FileBytes(u"bytes.bin"), Counting(3000));
    EXPECT_EQ(LoadByteArray(PathOf(u"bytes.bin")), Counting(3000));
    SaveString(u"\u00FC", PathOf(u"\u00FC\u2600.bin"));
    EXPECT_EQ(LoadString(PathOf(u"\u00FC\u2600.bin")), u"\u00FC");
}

TEST_F(ByteFiles, UnopenablePathsRaise) {
    EXPECT_THROW(LoadByteArray(PathOf(u"missing.bin")), TStreamReadException);
    EXPECT_THROW(LoadString(PathOf(u"missing.bin")), TStreamReadException);
    EXPECT_THROW(LoadByteArray(u"nosuch::thing"), TStreamReadException);
    EXPECT_THROW(SaveByteArray({1}, PathOf(u"no/folder.bin")), TStreamWriteException);
    EXPECT_THROW(SaveString(u"x", folder), TStreamWriteException);
}

TEST(CopyStreams, CopyEverythingInBufferSizedReads) {
    auto from = MemoryOf(Counting(10));
    auto to = MemoryOf({});
    CopyStream(from, to, 4);
    EXPECT_EQ(to->bytes, Counting(10));
    EXPECT_EQ(from->requests, (std::vector<int>{4, 4, 4}));
}

TEST(CopyStreams, ASizeBelowOneTakesTheDefault) {
    auto from = MemoryOf(Counting(10));
    auto to = MemoryOf({});
    CopyStream(from, to, 0);
    EXPECT_EQ(to->bytes, Counting(10));
    EXPECT_EQ(from->requests, (std::vector<int>{kCopyBufferSize}));
}

TEST(CopyStreams, CopyBytesMovesExactlyTheCountInPieces) {
    auto from = MemoryOf(Counting(10));
    auto to = MemoryOf({});
    CopyBytes(from, to, 7, 3);
    const Bytes all = Counting(10);
    EXPECT_EQ(to->bytes, Bytes(all.begin(), all.begin() + 7));
    EXPECT_EQ(from->requests, (std::vector<int>{3, 3, 1}));
    EXPECT_EQ(from->Pos(), 7);
}

TEST(CopyStreams, CopyBytesRaisesWhenTheSourceEndsFirst) {
    auto from = MemoryOf(Counting(5));
    auto to = MemoryOf({});
    EXPECT_THROW(CopyBytes(from, to, 8, 4), TStreamReadException);
    EXPECT_EQ(to->bytes, Counting(4));
    CopyBytes(from, to, 0, 4);
    CopyBytes(from, to, -3, 4);
    EXPECT_EQ(to->bytes, Counting(4));
}

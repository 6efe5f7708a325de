#include "TempFolder.h"
#include "TextTesting.h"
#include "io/StreamExceptions.h"
#include "io/TextFiles.h"

using namespace vandro;
using namespace vandro::testing;

namespace {

String Loaded(Bytes bytes) {
    auto memory = MemoryOf(std::move(bytes));
    return LoadText(memory);
}

} // namespace

TEST(LoadTextMarks, NameTheEncoding) {
    EXPECT_EQ(Loaded({0xFF, 0xFE, 0x41, 0x00}), u"A");
    EXPECT_EQ(Loaded({0xFE, 0xFF, 0x26, 0x00, 0x00, 0x41}), u"\u2600A");
    EXPECT_EQ(Loaded({0xEF, 0xBB, 0xBF, 0xC3, 0xA9, 0xF0, 0x9F, 0x82, 0xA1}), u"\u00E9\U0001F0A1");
    EXPECT_EQ(Loaded({0xFF, 0xFE}), u"");
    EXPECT_EQ(Loaded({0xEF, 0xBB, 0xBF}), u"");
}

TEST(LoadTextMarks, WithoutOneEveryByteIsACharacter) {
    EXPECT_EQ(Loaded({0xEF, 0xBB, 0x41}), u"\u00EF\u00BBA");
    EXPECT_EQ(Loaded({0xEF, 0xBB}), u"\u00EF\u00BB");
    EXPECT_EQ(Loaded({0xEF}), u"\u00EF");
    EXPECT_EQ(Loaded({0xFF}), u"\u00FF");
    EXPECT_EQ(Loaded({0xFE}), u"\u00FE");
    EXPECT_EQ(Loaded({}), u"");
    EXPECT_EQ(Loaded({0xC3, 0xA9, 0x0D, 0x0A, 0x00}), String(u"\u00C3\u00A9\r\n\0", 5));
    EXPECT_EQ(Loaded({0xFE, 0xFE, 0xFF}), u"\u00FE\u00FE\u00FF");
}

TEST(LoadTextMarks, ACutOffLastCharacterIsOneReplacement) {
    EXPECT_EQ(Loaded({0xFF, 0xFE, 0x41, 0x00, 0x42}), u"A\uFFFD");
    EXPECT_EQ(Loaded({0xEF, 0xBB, 0xBF, 'o', 0xE2, 0x98}), u"o\uFFFD");
}

TEST(LoadTextStreams, BothAreClosed) {
    auto marked = MemoryOf({0xFF, 0xFE, 0x41, 0x00});
    LoadText(marked);
    auto plain = MemoryOf({0x41});
    LoadText(plain);
    // The url was a stream: what LoadText opened over it let go, the stream stays open.
    EXPECT_EQ(marked->closes, 0);
    EXPECT_EQ(plain->closes, 0);
    EXPECT_EQ(marked->Eof(), 1);
}

TEST(LoadTextStreams, LeaveNothingAlive) {
    auto memory = MemoryOf({0xEF, 0xBB, 0xBF, 'x'});
    Loaded({});
    const long live = TObject::LiveObjects();
    EXPECT_EQ(LoadText(memory), u"x");
    EXPECT_EQ(TObject::LiveObjects(), live);
}

TEST(SaveTextBytes, Latin1WithoutAMarkWhenEveryCharacterFitsAByte) {
    auto memory = MemoryOf({});
    EXPECT_EQ(SaveText(u"Gr\u00FC\u00DFe\r\n", memory), 1);
    EXPECT_EQ(memory->bytes, (Bytes{'G', 'r', 0xFC, 0xDF, 'e', '\r', '\n'}));
}

TEST(SaveTextBytes, Utf16LittleEndianWithAMarkOtherwise) {
    auto memory = MemoryOf({});
    EXPECT_EQ(SaveText(u"\u2600", memory), 1);
    EXPECT_EQ(memory->bytes, (Bytes{0xFF, 0xFE, 0x00, 0x26}));
    auto pair = MemoryOf({});
    SaveText(u"a\U0001F0A1", pair);
    EXPECT_EQ(pair->bytes, (Bytes{0xFF, 0xFE, 'a', 0, 0x3C, 0xD8, 0xA1, 0xDC}));
}

TEST(SaveTextBytes, ATextThatStartsLikeAMarkIsWrittenWithARealOne) {
    auto memory = MemoryOf({});
    SaveText(u"\u00FF\u00FEx", memory);
    EXPECT_EQ(memory->bytes, (Bytes{0xFF, 0xFE, 0xFF, 0, 0xFE, 0, 'x', 0}));
    auto almost = MemoryOf({});
    SaveText(u"\u00EF\u00BBx", almost);
    EXPECT_EQ(almost->bytes, (Bytes{0xEF, 0xBB, 'x'}));
}

TEST(SaveTextBytes, WhatIsSavedLoadsBack) {
    const String texts[] = {u"",
                            u"plain",
                            u"\u00FF\u00FE",
                            u"\u00FE\u00FF!",
                            u"\u00EF\u00BB\u00BF",
                            u"\u00EF\u00BB",
                            u"\u2600\u2601\r\nzwei",
                            u"\U0001F0A1 \xDC00 \xD800",
                            String(u"null\0byte", 9)};
    for (const String& text : texts) {
        auto memory = MemoryOf({});
        SaveText(text, memory);
        memory->Seek(0);
        EXPECT_EQ(LoadText(memory), text);
    }
}

using TextFiles = TempFolder;

TEST_F(TextFiles, SaveAndLoadByPath) {
    EXPECT_EQ(SaveText(u"\u2600 Sonne", PathOf(u"sun.txt")), 1);
    EXPECT_EQ(FileBytes(u"sun.txt"),
              (Bytes{0xFF, 0xFE, 0x00, 0x26, ' ', 0, 'S', 0, 'o', 0, 'n', 0, 'n', 0, 'e', 0}));
    EXPECT_EQ(LoadText(PathOf(u"sun.txt")), u"\u2600 Sonne");
}

TEST_F(TextFiles, APathBeyondAsciiWorks) {
    const String name = u"\u00FC\u2600.txt";
    SaveText(u"\u00FCber", PathOf(name));
    EXPECT_EQ(FileBytes(name), (Bytes{0xFC, 'b', 'e', 'r'}));
    EXPECT_EQ(LoadText(PathOf(name)), u"\u00FCber");
}

TEST_F(TextFiles, UnopenablePathsRaise) {
    EXPECT_THROW(LoadText(PathOf(u"missing.txt")), TStreamReadException);
    EXPECT_THROW(LoadText(folder), TStreamReadException);
    EXPECT_THROW(SaveText(u"x", PathOf(u"no/such/folder.txt")), TStreamWriteException);
    EXPECT_THROW(SaveText(u"\u2600", PathOf(u"no/such/folder.txt")), TStreamWriteException);
    EXPECT_THROW(SaveText(u"\u2600", folder), TStreamWriteException);
}

TEST(ReadFileInBulk, MatchesReadingCharacterByCharacter) {
    const Bytes inputs[] = {
        {},
        {'a', 'b', 'c'},
        {0xC3, 0xA9, 0xE2, 0x98, 0x80, 0xF0, 0x9F, 0x82, 0xA1, 'z'},
        {0xE2, 'a', 0xC3, 0xC3, 0xA9, 0xF0, 0x9F, '\n', 'z', 0x80, 0xFF, 0xF4, 0x90, 0x80, 0x80},
        {0xED, 0xA0, 0xBC, 0xED, 0xB2, 0xA1, 0xC0, 0x80, 0xF0, 0x9F, 0x82},
        {0x41, 0x00, 0x00, 0xD8, 0x42},
    };
    for (const Bytes& bytes : inputs) {
        for (int encoding :
             {TTextStream::LATIN1, TTextStream::UTF8, TTextStream::UTF16BE, TTextStream::UTF16LE}) {
            EXPECT_EQ(TextOver(bytes, encoding)->ReadFile(), CharByChar(TextOver(bytes, encoding)))
                << "encoding " << encoding << ", " << bytes.size() << " bytes";
        }
    }
}

// Bytes of every kind, well-formed or not, so that characters of every length and every
// broken sequence fall across the edges of the pieces ReadFile reads.
TEST(ReadFileInBulk, MatchesCharacterByCharacterAcrossPieces) {
    Bytes bytes;
    std::uint32_t state = 12345;
    const Bytes pieces[] = {{'a'},       {0xC3, 0xA9}, {0xE2, 0x98, 0x80}, {0xF0, 0x9F, 0x82, 0xA1},
                            {0xE2, 'x'}, {0x80},       {0xF0, 0x9F, 0x82}, {0xFF}};
    while (bytes.size() < 300000) {
        state = state * 1103515245u + 12345u;
        const Bytes& piece = pieces[(state >> 16) % 8];
        bytes.insert(bytes.end(), piece.begin(), piece.end());
    }
    for (int encoding :
         {TTextStream::LATIN1, TTextStream::UTF8, TTextStream::UTF16BE, TTextStream::UTF16LE})
        EXPECT_EQ(TextOver(bytes, encoding)->ReadFile(), CharByChar(TextOver(bytes, encoding)))
            << "encoding " << encoding;
}

TEST(ReadFileInBulk, FirstDeliversWhatACharacterReadLeftOwed) {
    auto half = TextOver({0xF0, 0x9F, 0x82, 0xA1, 'x'}, TTextStream::UTF8);
    EXPECT_EQ(half->ReadChar(), 0xD83C);
    EXPECT_EQ(half->ReadFile(), u"\xDCA1x");

    auto given = TextOver({0xC3, 0xC3, 0xA9}, TTextStream::UTF8);
    EXPECT_EQ(given->ReadChar(), 0xFFFD);
    EXPECT_EQ(given->ReadFile(), u"\u00E9");
    EXPECT_EQ(given->ReadFile(), u"");
}

TEST(ReadFileInBulk, LargeTextsArriveWhole) {
    Bytes bytes;
    String expected;
    for (int i = 0; i < 20000; ++i) {
        bytes.insert(bytes.end(), {'a', 0xC3, 0xA9, 0xE2, 0x98, 0x80});
        expected += u"a\u00E9\u2600";
    }
    EXPECT_EQ(TextOver(bytes, TTextStream::UTF8)->ReadFile(), expected);
}

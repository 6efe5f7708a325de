#include "TextTesting.h"
#include "io/StreamExceptions.h"

#include <gtest/gtest.h>

using namespace vandro;
using namespace vandro::testing;

namespace {
constexpr int kEncodings[] = {TTextStream::LATIN1, TTextStream::UTF8, TTextStream::UTF16BE,
                              TTextStream::UTF16LE};
} // namespace

TEST(TextEncoding, WriteLineOfEAcuteInEachEncoding) {
    const Bytes expected[] = {{0xE9, '\r', '\n'},
                              {0xC3, 0xA9, '\r', '\n'},
                              {0x00, 0xE9, 0x00, '\r', 0x00, '\n'},
                              {0xE9, 0x00, '\r', 0x00, '\n', 0x00}};
    for (int i = 0; i < 4; ++i) {
        auto text = EmptyText(kEncodings[i]);
        EXPECT_EQ(text->WriteLine(u"\u00E9"), 1);
        EXPECT_EQ(WrittenBytes(text), expected[i]) << "encoding " << kEncodings[i];
    }
}

TEST(TextEncoding, Utf8UsesOneToThreeBytesForTheBasicPlane) {
    auto text = EmptyText(TTextStream::UTF8);
    for (int code : {0x41, 0x7F, 0x80, 0x7FF, 0x800, 0x2600, 0xFFFF})
        text->WriteChar(code);
    EXPECT_EQ(WrittenBytes(text), (Bytes{0x41, 0x7F, 0xC2, 0x80, 0xDF, 0xBF, 0xE0, 0xA0, 0x80, 0xE2,
                                         0x98, 0x80, 0xEF, 0xBF, 0xBF}));
    text->Seek(0);
    EXPECT_EQ(CharByChar(text), u"\u0041\u007F\u0080\u07FF\u0800\u2600\uFFFF");
}

TEST(TextEncoding, Latin1KeepsTheLowByte) {
    auto text = EmptyText(TTextStream::LATIN1);
    text->WriteChar(0x2641);
    text->WriteString(u"\u00FF\u0100");
    EXPECT_EQ(WrittenBytes(text), (Bytes{0x41, 0xFF, 0x00}));
    text->Seek(0);
    EXPECT_EQ(CharByChar(text), String(u"A\u00FF\0", 3));
}

TEST(TextEncoding, Utf16ByteOrders) {
    auto big = EmptyText(TTextStream::UTF16BE);
    auto little = EmptyText(TTextStream::UTF16LE);
    big->WriteString(u"\u2600A");
    little->WriteString(u"\u2600A");
    EXPECT_EQ(WrittenBytes(big), (Bytes{0x26, 0x00, 0x00, 0x41}));
    EXPECT_EQ(WrittenBytes(little), (Bytes{0x00, 0x26, 0x41, 0x00}));
    big->Seek(0);
    little->Seek(0);
    EXPECT_EQ(big->ReadChar(), 0x2600);
    EXPECT_EQ(little->ReadChar(), 0x2600);
}

// A four-byte sequence once read as 0 followed by its last byte as a character of its own.
TEST(TextEncoding, FourByteUtf8ArrivesAsTheSurrogatePairAndNothingIsLost) {
    auto text = TextOver({0xF0, 0x9F, 0x82, 0xA1, 'x'}, TTextStream::UTF8);
    EXPECT_EQ(text->ReadChar(), 0xD83C);
    EXPECT_EQ(text->Eof(), 0);
    EXPECT_EQ(text->ReadChar(), 0xDCA1);
    EXPECT_EQ(text->ReadChar(), 'x');
    EXPECT_EQ(text->Eof(), 1);

    auto whole = TextOver({'a', 0xF4, 0x8F, 0xBF, 0xBF, '\r', '\n', 'b'}, TTextStream::UTF8);
    EXPECT_EQ(whole->ReadLine(), u"a\U0010FFFF");
    EXPECT_EQ(whole->ReadLine(), u"b");
}

TEST(TextEncoding, APairIsWrittenAsOneCharacter) {
    auto utf8 = EmptyText(TTextStream::UTF8);
    utf8->WriteString(u"\U0001F0A1!");
    EXPECT_EQ(WrittenBytes(utf8), (Bytes{0xF0, 0x9F, 0x82, 0xA1, '!'}));
    utf8->WriteChar(0x1F0A1);
    EXPECT_EQ(WrittenBytes(utf8).size(), 9u);

    auto utf16 = EmptyText(TTextStream::UTF16BE);
    utf16->WriteChar(0x1F0A1);
    utf16->WriteString(u"\U0001F0A1");
    EXPECT_EQ(WrittenBytes(utf16), (Bytes{0xD8, 0x3C, 0xDC, 0xA1, 0xD8, 0x3C, 0xDC, 0xA1}));
}

TEST(TextEncoding, LoneSurrogatesKeepTheirThreeByteForm) {
    auto text = EmptyText(TTextStream::UTF8);
    text->WriteString(u"\xD83C|\xDCA1");
    EXPECT_EQ(WrittenBytes(text), (Bytes{0xED, 0xA0, 0xBC, '|', 0xED, 0xB2, 0xA1}));
    text->Seek(0);
    EXPECT_EQ(CharByChar(text), u"\xD83C|\xDCA1");
}

TEST(TextEncoding, PairsWrittenAsTwoThreeByteHalvesStillRead) {
    auto text = TextOver({0xED, 0xA0, 0xBC, 0xED, 0xB2, 0xA1}, TTextStream::UTF8);
    EXPECT_EQ(CharByChar(text), u"\U0001F0A1");
}

TEST(TextEncoding, CodesBeyondUnicodeBecomeTheReplacementCharacter) {
    auto utf8 = EmptyText(TTextStream::UTF8);
    utf8->WriteChar(0x110000);
    utf8->WriteChar(-1);
    EXPECT_EQ(WrittenBytes(utf8), (Bytes{0xEF, 0xBF, 0xBD, 0xEF, 0xBF, 0xBD}));
    auto latin1 = EmptyText(TTextStream::LATIN1);
    latin1->WriteChar(0x110041);
    EXPECT_EQ(WrittenBytes(latin1), (Bytes{0x41}));
}

TEST(TextDecoding, CutOffSequencesAtTheEndBecomeOneReplacement) {
    const Bytes cut[] = {{0xC3}, {0xE2, 0x98}, {0xF0, 0x9F, 0x82}, {0xE2}};
    for (const Bytes& bytes : cut) {
        Bytes withText = {'o', 'k'};
        withText.insert(withText.end(), bytes.begin(), bytes.end());
        auto text = TextOver(withText, TTextStream::UTF8);
        EXPECT_EQ(CharByChar(text), u"ok\uFFFD");
        EXPECT_EQ(text->Eof(), 1);
    }
    EXPECT_EQ(CharByChar(TextOver({0x41, 0x00, 0x42}, TTextStream::UTF16LE)), u"A\uFFFD");
    EXPECT_EQ(CharByChar(TextOver({0x26}, TTextStream::UTF16BE)), u"\uFFFD");
}

TEST(TextDecoding, ABrokenSequenceLeavesTheNextCharacterWhole) {
    auto text = TextOver({0xE2, 'a', 0xC3, 0xC3, 0xA9, 0xF0, 0x9F, '\n', 'z'}, TTextStream::UTF8);
    EXPECT_EQ(text->ReadLine(), u"\uFFFDa\uFFFD\u00E9\uFFFD");
    EXPECT_EQ(text->ReadLine(), u"z");
}

TEST(TextDecoding, StrayAndImpossibleBytesAreReplacementsOfOneByte) {
    EXPECT_EQ(CharByChar(TextOver({0x80, 0xBF, 'a', 0xF8, 0xFF}, TTextStream::UTF8)),
              u"\uFFFD\uFFFDa\uFFFD\uFFFD");
    // Beyond U+10FFFF, and a four-byte spelling of a basic-plane character.
    EXPECT_EQ(
        CharByChar(TextOver({0xF4, 0x90, 0x80, 0x80, 0xF0, 0x80, 0x80, 0x80}, TTextStream::UTF8)),
        u"\uFFFD\uFFFD");
}

TEST(TextDecoding, OverlongTwoAndThreeByteFormsDecodeByTheirBits) {
    EXPECT_EQ(CharByChar(TextOver({0xC1, 0x81, 0xE0, 0x81, 0x81}, TTextStream::UTF8)),
              u"\u0041\u0041");
}

TEST(TextDecoding, ReadCharWithNothingLeftRaisesTheReadException) {
    for (int encoding : kEncodings) {
        auto text = EmptyText(encoding);
        EXPECT_EQ(text->Eof(), 1);
        EXPECT_THROW(text->ReadChar(), TStreamReadException);
        EXPECT_THROW(text->ReadString(1), TStreamReadException);
    }
}

TEST(TextDecoding, ReadStringCountsCodeUnits) {
    auto text = TextOver({0xF0, 0x9F, 0x82, 0xA1, 0xC3, 0xA9, 'x'}, TTextStream::UTF8);
    EXPECT_EQ(text->ReadString(3), u"\U0001F0A1\u00E9");
    EXPECT_EQ(text->ReadString(1), u"x");
}

TEST(TextDecoding, SeekingDropsWhatWasOwed) {
    auto text = TextOver({0xF0, 0x9F, 0x82, 0xA1, 'x'}, TTextStream::UTF8);
    EXPECT_EQ(text->ReadChar(), 0xD83C);
    EXPECT_EQ(text->Seek(4), 4);
    EXPECT_EQ(text->ReadChar(), 'x');

    auto broken = TextOver({0xC3, 'y', 'z'}, TTextStream::UTF8);
    EXPECT_EQ(broken->ReadChar(), 0xFFFD);
    broken->Seek(2);
    EXPECT_EQ(broken->ReadChar(), 'z');
}

TEST(TextDecoding, AnUnknownEncodingIsLatin1) {
    auto text = TextOver({0xC3, 0xA9}, 99);
    EXPECT_EQ(CharByChar(text), u"\u00C3\u00A9");
    text->WriteChar(0x2641);
    EXPECT_EQ(WrittenBytes(text), (Bytes{0xC3, 0xA9, 0x41}));
}

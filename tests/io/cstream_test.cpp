#include "TempFolder.h"
#include "io/CStream.h"
#include "io/StreamExceptions.h"

using namespace vandro;
using namespace vandro::testing;

using FileStream = TempFolder;

TEST_F(FileStream, ReadsAnExistingFileFromItsStart) {
    MakeFile(u"data.bin", {10, 20, 30});
    auto stream = TCStream::OpenFile(PathOf(u"data.bin"), 1, 0);
    ASSERT_TRUE(stream);
    EXPECT_EQ(stream->_mode, TCStream::MODE_READ);
    EXPECT_EQ(stream->Pos(), 0);
    EXPECT_EQ(stream->Size(), 3);
    EXPECT_EQ(stream->ReadShort(), 20 * 256 + 10);
    EXPECT_EQ(stream->Pos(), 2);
    EXPECT_EQ(stream->Eof(), 0);
    EXPECT_EQ(stream->ReadByte(), 30);
    EXPECT_EQ(stream->Eof(), 1);
    EXPECT_THROW(stream->ReadByte(), TStreamReadException);
}

TEST_F(FileStream, NoFlagsOpensForReading) {
    MakeFile(u"data.bin", {1});
    auto stream = TCStream::OpenFile(PathOf(u"data.bin"), 0, 0);
    ASSERT_TRUE(stream);
    EXPECT_EQ(stream->_mode, TCStream::MODE_READ);
    std::uint8_t byte = 0;
    EXPECT_EQ(stream->Write(&byte, 1), 0);
}

TEST_F(FileStream, WritingCreatesOrEmptiesTheFileAndRaisesItsSize) {
    MakeFile(u"out.bin", {1, 2, 3, 4, 5, 6});
    auto stream = TCStream::OpenFile(PathOf(u"out.bin"), 0, 1);
    ASSERT_TRUE(stream);
    EXPECT_EQ(stream->_mode, TCStream::MODE_WRITE);
    EXPECT_EQ(stream->Size(), 0);
    stream->WriteInt(0x04030201);
    EXPECT_EQ(stream->Pos(), 4);
    EXPECT_EQ(stream->Size(), 4);
    EXPECT_EQ(stream->Seek(1), 1);
    stream->WriteByte(9);
    EXPECT_EQ(stream->Pos(), 2);
    EXPECT_EQ(stream->Size(), 4);
    stream->Close();
    EXPECT_EQ(FileBytes(u"out.bin"), (std::vector<std::uint8_t>{1, 9, 3, 4}));
}

TEST_F(FileStream, ReadAndWriteOnTheSameFileEachSeeTheOther) {
    MakeFile(u"both.bin", {1, 2, 3, 4});
    auto stream = TCStream::OpenFile(PathOf(u"both.bin"), 1, 1);
    ASSERT_TRUE(stream);
    EXPECT_EQ(stream->_mode, TCStream::MODE_READ | TCStream::MODE_WRITE);
    EXPECT_EQ(stream->ReadByte(), 1);
    stream->WriteByte(7);
    EXPECT_EQ(stream->ReadByte(), 3);
    stream->WriteShort(0x0605);
    EXPECT_EQ(stream->Size(), 5);
    EXPECT_EQ(stream->Seek(0), 0);
    EXPECT_EQ(stream->ReadInt(), 0x05030701);
    stream->Close();
    EXPECT_EQ(FileBytes(u"both.bin"), (std::vector<std::uint8_t>{1, 7, 3, 5, 6}));
}

TEST_F(FileStream, ReadAndWriteNeedAnExistingFile) {
    EXPECT_FALSE(TCStream::OpenFile(PathOf(u"missing.bin"), 1, 1));
    EXPECT_FALSE(TCStream::OpenFile(PathOf(u"missing.bin"), 1, 0));
    EXPECT_FALSE(Exists(u"missing.bin"));
}

TEST_F(FileStream, UnopenablePathsAnswerNull) {
    EXPECT_FALSE(TCStream::OpenFile(PathOf(u"no/such/folder.bin"), 0, 1));
    EXPECT_FALSE(TCStream::OpenFile(folder, 1, 0));
    EXPECT_FALSE(TCStream::OpenFile(u"", 1, 0));
    MakeFile(u"a", {1});
    EXPECT_FALSE(TCStream::OpenFile(PathOf(u"a") + String(1, u'\0') + u"b", 1, 0));
}

TEST_F(FileStream, BackslashesCountAsSlashes) {
    std::filesystem::create_directory(native / "sub");
    MakeFile(u"sub/x.bin", {42});
    auto stream = TCStream::OpenFile(folder + u"\\sub\\x.bin", 1, 0);
    ASSERT_TRUE(stream);
    EXPECT_EQ(stream->ReadByte(), 42);
}

TEST_F(FileStream, PathsBeyondAsciiOpen) {
    const String name = u"gr\u00FC\u00DFe \u2600.txt";
    MakeFile(name, {'o', 'k'});
    auto stream = TCStream::OpenFile(PathOf(name), 1, 0);
    ASSERT_TRUE(stream);
    EXPECT_EQ(stream->ReadString(2), u"ok");

    const String written = u"\u00FC\u2600.bin";
    auto out = TCStream::OpenFile(PathOf(written), 0, 1);
    ASSERT_TRUE(out);
    out->WriteByte(5);
    out->Close();
    EXPECT_EQ(FileBytes(written), (std::vector<std::uint8_t>{5}));
}

TEST_F(FileStream, CloseFlushesOnceAndForgetsTheFile) {
    auto stream = TCStream::OpenFile(PathOf(u"c.bin"), 0, 1);
    ASSERT_TRUE(stream);
    stream->WriteString(u"abc");
    EXPECT_EQ(stream->Close(), 0);
    EXPECT_EQ(stream->_cstream, nullptr);
    EXPECT_EQ(stream->Pos(), 0);
    EXPECT_EQ(stream->Size(), 0);
    EXPECT_EQ(stream->Close(), 0);
    EXPECT_EQ(stream->Seek(0), -1);
    EXPECT_THROW(stream->WriteByte(1), TStreamWriteException);
    EXPECT_THROW(stream->ReadByte(), TStreamReadException);
    EXPECT_EQ(FileBytes(u"c.bin"), (std::vector<std::uint8_t>{'a', 'b', 'c'}));
}

TEST_F(FileStream, LettingGoOfTheLastReferenceClosesTheFile) {
    const long live = TObject::LiveObjects();
    {
        auto stream = TCStream::OpenFile(PathOf(u"d.bin"), 0, 1);
        ASSERT_TRUE(stream);
        stream->WriteString(u"xyz");
    }
    EXPECT_EQ(TObject::LiveObjects(), live);
    EXPECT_EQ(FileBytes(u"d.bin"), (std::vector<std::uint8_t>{'x', 'y', 'z'}));
}

TEST_F(FileStream, AnOpenFileStartsAtItsCurrentPosition) {
    MakeFile(u"p.bin", {1, 2, 3, 4, 5});
    std::FILE* file = std::fopen(native.string().append("/p.bin").c_str(), "rb");
    ASSERT_NE(file, nullptr);
    std::fseek(file, 3, SEEK_SET);
    auto stream = TCStream::CreateWithCStream(file, TCStream::MODE_READ);
    EXPECT_EQ(stream->Pos(), 3);
    EXPECT_EQ(stream->Size(), 5);
    EXPECT_EQ(stream->ReadByte(), 4);
}

#include "MemoryStream.h"
#include "TempFolder.h"
#include "io/CStream.h"
#include "io/StreamFactory.h"
#include "io/StreamFunctions.h"
#include "io/StreamModule.h"
#include "io/StreamStream.h"
#include "io/TextStream.h"
#include "io/TextStreamFactory.h"

using namespace vandro;
using namespace vandro::testing;

namespace {

struct FactoryCall {
    Object url;
    String protocol, path;
    int readable, writeable;
};

// Accepts one protocol with a memory stream holding its name; remembers every question.
class TRecordingFactory : public TStreamFactory {
  public:
    TRecordingFactory(String protocol, String name)
        : protocol(std::move(protocol)), name(std::move(name)) {}

    Ref<TStream> CreateStream(const Object& url, const String& asked, const String& path,
                              int readable, int writeable) override {
        calls.push_back({url, asked, path, readable, writeable});
        if (asked != protocol)
            return nullptr;
        auto stream = MemoryOf({});
        stream->WriteString(name);
        stream->Seek(0);
        return stream;
    }

    String protocol, name;
    std::vector<FactoryCall> calls;
};

String NameOf(const Ref<TStream>& stream) { return stream ? stream->ReadLine() : u"(null)"; }

} // namespace

using OpenStreamUrl = TempFolder;

TEST_F(OpenStreamUrl, APlainPathOpensTheFile) {
    MakeFile(u"plain.txt", BytesOf("\xC3\xA9"));
    auto stream = OpenStream(PathOf(u"plain.txt"), 1, 0);
    ASSERT_TRUE(Cast<TCStream>(stream));
    EXPECT_EQ(stream->ReadLine(), u"\u00C3\u00A9");
}

TEST_F(OpenStreamUrl, TheTextProtocolsReadTheFileInTheirEncoding) {
    MakeFile(u"text.txt", BytesOf("\xC3\xA9!"));
    for (const String protocol : {u"utf8", u"UTF8", u"Utf8"}) {
        auto stream = OpenStream(protocol + u"::" + PathOf(u"text.txt"), 1, 0);
        auto text = Cast<TTextStream>(stream);
        ASSERT_TRUE(text) << ToUtf8(protocol);
        EXPECT_EQ(text->_encoding, TTextStream::UTF8);
        EXPECT_EQ(stream->ReadLine(), u"\u00E9!");
    }
    const std::pair<String, int> encodings[] = {{u"LATIN1", TTextStream::LATIN1},
                                                {u"utf16BE", TTextStream::UTF16BE},
                                                {u"utf16le", TTextStream::UTF16LE}};
    for (const auto& [protocol, encoding] : encodings) {
        auto text = Cast<TTextStream>(ReadStream(protocol + u"::" + PathOf(u"text.txt")));
        ASSERT_TRUE(text);
        EXPECT_EQ(text->_encoding, encoding);
    }
}

TEST_F(OpenStreamUrl, TheProtocolEndsAtTheFirstSeparator) {
    MakeFile(u"nested.txt", BytesOf("\xC3\xA9"));
    auto outer = Cast<TTextStream>(ReadStream(u"latin1::utf8::" + PathOf(u"nested.txt")));
    ASSERT_TRUE(outer);
    EXPECT_EQ(outer->_encoding, TTextStream::LATIN1);
    auto inner = Cast<TTextStream>(outer->_stream);
    ASSERT_TRUE(inner);
    EXPECT_EQ(inner->_encoding, TTextStream::UTF8);
}

TEST_F(OpenStreamUrl, ProtocolsNestSixtyFourDeepAndNoDeeper) {
    MakeFile(u"deep.txt", BytesOf("x"));
    String url = PathOf(u"deep.txt");
    for (int level = 0; level < 64; ++level)
        url = u"utf8::" + url;
    Ref<TStream> stream = ReadStream(url);
    for (int level = 0; level < 64; ++level) {
        const auto text = Cast<TTextStream>(stream);
        ASSERT_TRUE(text) << level;
        stream = text->_stream;
    }
    EXPECT_TRUE(Cast<TCStream>(stream));
    EXPECT_FALSE(ReadStream(u"utf8::" + url));
    // Far deeper than the stack holds a level each: nothing, and no crash.
    String hostile;
    for (int level = 0; level < 100000; ++level)
        hostile += u"latin1::";
    EXPECT_FALSE(ReadStream(hostile + PathOf(u"deep.txt")));
    EXPECT_TRUE(ReadStream(u"utf8::" + PathOf(u"deep.txt"))) << "the depth is counted per url";
}

TEST_F(OpenStreamUrl, WhatCannotBeOpenedIsNull) {
    EXPECT_FALSE(ReadStream(PathOf(u"missing.txt")));
    EXPECT_FALSE(ReadStream(u"utf8::" + PathOf(u"missing.txt")));
    EXPECT_FALSE(ReadStream(u"nosuchprotocol::" + PathOf(u"missing.txt")));
    EXPECT_FALSE(WriteStream(u"utf8::" + PathOf(u"no/folder.txt")));
}

TEST_F(OpenStreamUrl, ReadStreamAndWriteStreamPassTheirFlags) {
    MakeFile(u"flags.txt", {1});
    EXPECT_EQ(Cast<TCStream>(ReadStream(PathOf(u"flags.txt")))->_mode, TCStream::MODE_READ);
    EXPECT_EQ(Cast<TCStream>(WriteStream(PathOf(u"flags.txt")))->_mode, TCStream::MODE_WRITE);
    EXPECT_EQ(Cast<TCStream>(OpenStream(PathOf(u"flags.txt"), 1, 1))->_mode,
              TCStream::MODE_READ | TCStream::MODE_WRITE);
}

TEST(StreamFactories, TheNewestIsAskedFirstWithTheLowerCasedProtocol) {
    auto older = New<TRecordingFactory>(u"order", u"older");
    auto newer = New<TRecordingFactory>(u"order", u"newer");
    EXPECT_EQ(FirstStreamFactory(), newer);
    EXPECT_EQ(newer->_succ, older);

    EXPECT_EQ(NameOf(OpenStream(u"ORDER::Some/Path", 1, 0)), u"newer");
    ASSERT_EQ(newer->calls.size(), 1u);
    EXPECT_TRUE(older->calls.empty());
    const FactoryCall& call = newer->calls[0];
    EXPECT_EQ(call.protocol, u"order");
    EXPECT_EQ(call.path, u"Some/Path");
    EXPECT_EQ(StringOf(call.url), u"ORDER::Some/Path");
    EXPECT_EQ(call.readable, 1);
    EXPECT_EQ(call.writeable, 0);

    auto first = New<TRecordingFactory>(u"first", u"first");
    EXPECT_EQ(NameOf(WriteStream(u"order::x::y")), u"newer");
    ASSERT_EQ(first->calls.size(), 1u);
    EXPECT_EQ(first->calls[0].path, u"x::y");
    EXPECT_EQ(first->calls[0].writeable, 1);
    EXPECT_EQ(NameOf(ReadStream(u"First::")), u"first");
}

TEST(StreamFactories, AnEmptyUrlAsksWithAnEmptyProtocolAndPath) {
    auto factory = New<TRecordingFactory>(u"", u"empty");
    EXPECT_EQ(NameOf(ReadStream(u"")), u"empty");
    ASSERT_EQ(factory->calls.size(), 1u);
    EXPECT_EQ(factory->calls[0].protocol, u"");
    EXPECT_EQ(factory->calls[0].path, u"");
}

TEST(StreamFactories, APathWithoutSeparatorNeverReachesThem) {
    auto factory = New<TRecordingFactory>(u"", u"empty");
    EXPECT_FALSE(ReadStream(u"no-such-file-here.vandro"));
    EXPECT_TRUE(factory->calls.empty());
}

TEST(StreamFactories, TheTextFactoryIsTheOldest) {
    StartStreams();
    auto factory = FirstStreamFactory();
    while (factory->_succ)
        factory = factory->_succ;
    EXPECT_TRUE(Cast<TTextStreamFactory>(factory));
    EXPECT_FALSE(factory->CreateStream(Box(u"x::y"), u"x", u"y", 1, 0));
}

TEST(StreamUrls, AStreamIsWrappedAndStaysOpenWhenTheWrapperCloses) {
    auto memory = MemoryOf(BytesOf("one\ntwo"));
    auto stream = OpenStream(memory, 1, 0);
    auto wrapper = Cast<TStreamStream>(stream);
    ASSERT_TRUE(wrapper);
    EXPECT_EQ(wrapper->_stream, memory);
    EXPECT_EQ(stream->ReadLine(), u"one");
    EXPECT_EQ(stream->Close(), 0);
    EXPECT_FALSE(wrapper->_stream);
    EXPECT_EQ(memory->closes, 0);
    EXPECT_EQ(memory->ReadLine(), u"two");
    EXPECT_EQ(stream->Close(), 0);
    EXPECT_THROW(stream->ReadLine(), TNullObjectException);
}

TEST(StreamUrls, AWrappedTextStreamKeepsReadingText) {
    auto text = TTextStream::Create(MemoryOf(BytesOf("42\r\n2.5\r\n")), TTextStream::LATIN1);
    auto stream = ReadStream(text);
    EXPECT_EQ(stream->ReadInt(), 42);
    EXPECT_EQ(stream->ReadDouble(), 2.5);
}

TEST(StreamUrls, AnObjectThatIsNoStreamCountsByItsText) {
    auto factory = New<TRecordingFactory>(u"boxed", u"boxed");
    const Object url = Box(u"BOXED::thing");
    EXPECT_EQ(NameOf(ReadStream(url)), u"boxed");
    ASSERT_EQ(factory->calls.size(), 1u);
    EXPECT_EQ(factory->calls[0].url, url);
}

TEST(StreamModuleFunctions, ForwardToTheStream) {
    auto memory = MemoryOf({});
    const Ref<TStream> stream = memory;
    WriteByte(stream, 1);
    WriteShort(stream, 2);
    WriteInt(stream, 3);
    WriteLong(stream, 4);
    WriteFloat(stream, 5.0f);
    WriteDouble(stream, 6.0);
    WriteLine(stream, u"seven");
    WriteString(stream, u"eight");
    EXPECT_EQ(StreamPos(stream), 1 + 2 + 4 + 8 + 4 + 8 + 7 + 5);
    EXPECT_EQ(StreamSize(stream), StreamPos(stream));
    EXPECT_EQ(Eof(stream), 1);
    EXPECT_EQ(SeekStream(stream, 0), 0);
    EXPECT_EQ(Eof(stream), 0);
    EXPECT_EQ(ReadByte(stream), 1);
    EXPECT_EQ(ReadShort(stream), 2);
    EXPECT_EQ(ReadInt(stream), 3);
    EXPECT_EQ(ReadLong(stream), 4);
    EXPECT_EQ(ReadFloat(stream), 5.0f);
    EXPECT_EQ(ReadDouble(stream), 6.0);
    EXPECT_EQ(ReadLine(stream), u"seven");
    EXPECT_EQ(ReadString(stream, 5), u"eight");
    EXPECT_EQ(FlushStream(stream), 0);
    EXPECT_EQ(CloseStream(stream), 0);
    EXPECT_EQ(memory->closes, 1);
    EXPECT_THROW(Eof(Ref<TStream>()), TNullObjectException);
}

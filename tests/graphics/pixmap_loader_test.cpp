// A program of its own: the loaders it registers stay for the whole process.
#include "graphics/PixmapLoader.h"
#include "io/StreamExceptions.h"
#include "io/StreamFactory.h"
#include "tests/io/MemoryStream.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <fstream>
#include <utility>
#include <vector>

using namespace vandro;
using vandro::testing::MemoryOf;
using vandro::testing::TMemoryStream;

namespace {

enum class Act { Decline, ReadAndDecline, RunOffTheEnd, Fail, Answer, MakeWhatTheHeaderSays };

// Which loader was asked, and at which stream position.
using Asked = std::vector<std::pair<char, int>>;
Asked asked;

const vandro::testing::Bytes kImage = {10, 20, 30, 40};

// Answers a 1 x 1 grey map holding the byte at the stream's position.
class TScriptedLoader : public TPixmapLoader {
  public:
    explicit TScriptedLoader(char name) : name(name) {}
    Ref<TPixmap> LoadPixmap(const Ref<TStream>& stream) override {
        asked.emplace_back(name, stream->Pos());
        switch (act) {
        case Act::Decline:
            return nullptr;
        case Act::ReadAndDecline:
            stream->SkipBytes(2);
            return nullptr;
        case Act::RunOffTheEnd:
            stream->SkipBytes(1 << 20);
            return nullptr;
        case Act::Fail:
            RuntimeError(u"Loader broke");
        case Act::MakeWhatTheHeaderSays: {
            const int width = stream->ReadInt();
            return TPixmap::Create(width, stream->ReadInt(), 6, 4);
        }
        case Act::Answer:
            break;
        }
        auto pixmap = TPixmap::Create(1, 1, 1, 4);
        pixmap->pixels[0] = static_cast<std::uint8_t>(stream->ReadByte());
        return pixmap;
    }
    const char name;
    Act act = Act::Decline;
};

// Hands out the stream a test prepared, unwrapped, so that the test sees it being closed.
class TPreparedStreams : public TStreamFactory {
  public:
    Ref<TStream> CreateStream(const Object&, const String& protocol, const String&, int,
                              int) override {
        return protocol == u"prepared" ? prepared : nullptr;
    }
    Ref<TStream> prepared;
};

class TUnseekableStream : public TMemoryStream {
  public:
    using TMemoryStream::TMemoryStream;
    int Pos() override { return -1; }
};

struct Registered {
    Ref<TScriptedLoader> older = New<TScriptedLoader>('O');
    Ref<TScriptedLoader> newer = New<TScriptedLoader>('N');
    Ref<TPreparedStreams> streams = New<TPreparedStreams>();
};

class PixmapLoaders : public ::testing::Test {
  protected:
    static Registered& Loaders() {
        static Registered registered;
        return registered;
    }
    void SetUp() override {
        Loaders().older->act = Act::Decline;
        Loaders().newer->act = Act::Decline;
        asked.clear();
        live = TObject::LiveObjects();
    }
    void TearDown() override {
        Loaders().streams->prepared = nullptr;
        EXPECT_EQ(TObject::LiveObjects(), live);
    }
    // A stream the factory hands out for "prepared::", starting at position start.
    Ref<TMemoryStream> Prepare(Ref<TMemoryStream> stream, int start = 0) {
        stream->pos = start;
        Loaders().streams->prepared = stream;
        return stream;
    }
    // Loads "prepared::image" with the loaders acting so; answers the byte the answering
    // loader read, -1 for null. The stream must have been closed once.
    int Load(Act newer, Act older, int start = 0) {
        Loaders().newer->act = newer;
        Loaders().older->act = older;
        const auto stream = Prepare(MemoryOf(kImage), start);
        const auto pixmap = LoadPixmap(u"prepared::image");
        EXPECT_EQ(stream->closes, 1);
        return pixmap ? pixmap->pixels[0] : -1;
    }

    long live = 0;
};

} // namespace

TEST_F(PixmapLoaders, JoinTheChainNewestFirst) {
    EXPECT_EQ(FirstPixmapLoader(), Loaders().newer);
    EXPECT_EQ(Loaders().newer->_succ, Loaders().older);
    EXPECT_EQ(Loaders().older->_succ, nullptr);
}

TEST_F(PixmapLoaders, EachIsAskedFromWhereTheStreamStarted) {
    EXPECT_EQ(Load(Act::ReadAndDecline, Act::Answer, 1), 20);
    EXPECT_EQ(asked, (Asked{{'N', 1}, {'O', 1}}));
}

TEST_F(PixmapLoaders, TheFirstAnswerIsTaken) {
    EXPECT_EQ(Load(Act::Answer, Act::Answer), 10);
    EXPECT_EQ(asked, (Asked{{'N', 0}}));
}

TEST_F(PixmapLoaders, AStreamExceptionCountsAsDeclining) {
    EXPECT_EQ(Load(Act::RunOffTheEnd, Act::Answer, 3), 40);
    EXPECT_EQ(asked, (Asked{{'N', 3}, {'O', 3}}));
}

TEST_F(PixmapLoaders, WhenAllDeclineTheAnswerIsNull) {
    EXPECT_EQ(Load(Act::Decline, Act::RunOffTheEnd), -1);
    EXPECT_EQ(asked, (Asked{{'N', 0}, {'O', 0}}));
}

TEST_F(PixmapLoaders, OtherExceptionsPassThroughAndTheStreamIsClosed) {
    Loaders().newer->act = Act::Fail;
    Loaders().older->act = Act::Answer;
    auto stream = Prepare(MemoryOf(kImage));
    try {
        LoadPixmap(u"prepared::image");
        ADD_FAILURE() << "the loader's failure was swallowed";
    } catch (const TRuntimeException& e) {
        EXPECT_EQ(e.error, u"Loader broke");
    }
    EXPECT_EQ(asked, (Asked{{'N', 0}}));
    EXPECT_EQ(stream->closes, 1);
}

TEST_F(PixmapLoaders, AHeaderClaimingMoreThanAnIntOfBytesEndsInTheRefusal) {
    Loaders().newer->act = Act::MakeWhatTheHeaderSays;
    Loaders().older->act = Act::Answer;
    // 65536 x 65536 pixels of four bytes: 2^34 bytes, which wrap to 0 in 32 bits.
    auto stream = Prepare(MemoryOf({0, 0, 1, 0, 0, 0, 1, 0}));
    try {
        LoadPixmap(u"prepared::image");
        ADD_FAILURE() << "a map of 16 GiB was loaded";
    } catch (const TRuntimeException& e) {
        EXPECT_EQ(e.error, u"Pixmap too large");
    }
    EXPECT_EQ(asked, (Asked{{'N', 0}}));
    EXPECT_EQ(stream->closes, 1);

    // A negative size in the header makes an empty map, not a refusal or a wrapped size.
    Prepare(MemoryOf({0xFF, 0xFF, 0xFF, 0xFF, 3, 0, 0, 0}));
    const auto empty = LoadPixmap(u"prepared::image");
    ASSERT_TRUE(empty);
    EXPECT_EQ(empty->width, 0);
    EXPECT_EQ(empty->height, 3);
    EXPECT_EQ(empty->capacity, 0);
}

TEST_F(PixmapLoaders, AStreamThatCannotSeekIsNotOffered) {
    Loaders().newer->act = Act::Answer;
    auto stream = Prepare(New<TUnseekableStream>(kImage));
    EXPECT_EQ(LoadPixmap(u"prepared::image"), nullptr);
    EXPECT_TRUE(asked.empty());
    EXPECT_EQ(stream->closes, 1);
}

TEST_F(PixmapLoaders, AUrlNothingOpensIsNotOffered) {
    Loaders().newer->act = Act::Answer;
    EXPECT_EQ(LoadPixmap(u"prepared::image"), nullptr);
    EXPECT_EQ(LoadPixmap(u"no such file.png"), nullptr);
    EXPECT_EQ(LoadPixmap(u"nowhere::image"), nullptr);
    EXPECT_EQ(LoadPixmap(u""), nullptr);
    EXPECT_TRUE(asked.empty());
}

TEST_F(PixmapLoaders, ReadFromAFile) {
    const char* name = "pixmap_loader_test.bin";
    std::ofstream(name, std::ios::binary).write("\x7f\x01", 2);
    Loaders().older->act = Act::Answer;
    auto pixmap = LoadPixmap(u"pixmap_loader_test.bin");
    std::remove(name);
    ASSERT_TRUE(pixmap);
    EXPECT_EQ(pixmap->pixels[0], 0x7F);
    EXPECT_EQ(asked, (Asked{{'N', 0}, {'O', 0}}));
}

TEST_F(PixmapLoaders, AStreamGivenAsTheUrlStaysOpenForItsOwner) {
    Loaders().newer->act = Act::Answer;
    auto stream = MemoryOf(kImage);
    stream->pos = 2;
    auto pixmap = LoadPixmap(stream);
    ASSERT_TRUE(pixmap);
    EXPECT_EQ(pixmap->pixels[0], 30);
    EXPECT_EQ(stream->closes, 0);
}

TEST_F(PixmapLoaders, TheBaseLoaderMustBeOverridden) {
    auto stream = MemoryOf(kImage);
    EXPECT_THROW(Loaders().newer->TPixmapLoader::LoadPixmap(stream), TNullMethodException);
}

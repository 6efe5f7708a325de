// Any text as a url, opened for reading (and for reading and writing) in a folder of its own
// that holds one file: every factory is asked exactly as the url says (the protocol lower-cased
// up to the first "::", the rest as the path), only the text protocols open anything and
// only over what their path opens, a plain name opens only the file of that exact name, and
// what opens reads the file's bytes.
#include "../MemoryStream.h"
#include "io/StreamFactory.h"
#include "io/StreamFunctions.h"
#include "io/TextStream.h"
#include "runtime/Text.h"
#include "tests/support/FuzzCheck.h"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <utility>
#include <vector>

using namespace vandro;
using namespace vandro::testing;

namespace {

const Bytes kContent = {'A', 0xC3, 0xA9, '\r', '\n', 0xFF, 0xFE, '0', '1', '\n', 'z'};
const String kFile = u"a";

struct Question {
    String url, protocol, path;
};

// Opens nothing; remembers what it was asked.
class TListeningFactory : public TStreamFactory {
  public:
    Ref<TStream> CreateStream(const Object& url, const String& protocol, const String& path, int,
                              int) override {
        heard.push_back({StringOf(url), protocol, path});
        return nullptr;
    }
    std::vector<Question> heard;
};

Ref<TListeningFactory> listener;
std::filesystem::path folder;

int EncodingOf(const String& protocol) {
    const std::pair<const char16_t*, int> names[] = {{u"latin1", TTextStream::LATIN1},
                                                     {u"utf8", TTextStream::UTF8},
                                                     {u"utf16be", TTextStream::UTF16BE},
                                                     {u"utf16le", TTextStream::UTF16LE}};
    for (const auto& [name, encoding] : names)
        if (protocol == name)
            return encoding;
    return 0;
}

// What opening the url must do: the questions, the encodings of the text streams from the
// outside in, and the plain name at the bottom ("" when the chain ends at a factory).
struct Expected {
    std::vector<Question> questions;
    std::vector<int> encodings;
    String file;
    bool reachesFile = false;
};

Expected Expect(String url) {
    Expected expected;
    for (;;) {
        const std::size_t separator = url.find(u"::");
        if (!url.empty() && separator == String::npos) {
            expected.file = url;
            expected.reachesFile = true;
            return expected;
        }
        // Past 64 protocols nothing is asked any more.
        if (expected.questions.size() == 64)
            return expected;
        Question question{url, {}, {}};
        if (separator != String::npos) {
            question.protocol = Lower(url.substr(0, separator));
            question.path = url.substr(separator + 2);
        }
        expected.questions.push_back(question);
        const int encoding = EncodingOf(question.protocol);
        if (encoding == 0)
            return expected;
        expected.encodings.push_back(encoding);
        url = question.path;
    }
}

void RemoveFolder() { std::filesystem::remove_all(folder); }

void CheckOpen(const String& url, const Expected& expected, int writeable) {
    listener->heard.clear();
    const Ref<TStream> stream = OpenStream(url, 1, writeable);

    // The listener is newest, so it hears every question first.
    Require(listener->heard.size() == expected.questions.size());
    for (std::size_t i = 0; i < expected.questions.size(); ++i) {
        Require(listener->heard[i].url == expected.questions[i].url);
        Require(listener->heard[i].protocol == expected.questions[i].protocol);
        Require(listener->heard[i].path == expected.questions[i].path);
    }

    const bool opens = expected.reachesFile && expected.file == kFile;
    Require((stream != nullptr) == opens);
    if (!stream)
        return;

    Ref<TStream> inner = stream;
    for (const int encoding : expected.encodings) {
        const auto text = Cast<TTextStream>(inner);
        Require(text != nullptr && text->_encoding == encoding);
        inner = text->_stream;
    }
    Require(Cast<TTextStream>(inner) == nullptr);
    Require(inner->Size() == static_cast<int>(kContent.size()));

    if (expected.encodings.size() == 1) {
        const String read = Cast<TTextStream>(stream)->ReadFile();
        Require(read == TTextStream::Create(MemoryOf(kContent), expected.encodings[0])->ReadFile());
    } else if (expected.encodings.empty()) {
        Bytes read(kContent.size());
        stream->ReadBytes(read.data(), static_cast<int>(read.size()));
        Require(read == kContent && stream->Eof());
    }
    stream->Close();
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
    char name[] = "/tmp/vandro-url-fuzz-XXXXXX";
    Require(mkdtemp(name) != nullptr);
    folder = name;
    std::atexit(RemoveFolder);
    std::filesystem::current_path(folder);
    std::ofstream(folder / "a", std::ios::binary)
        .write(reinterpret_cast<const char*>(kContent.data()),
               static_cast<std::streamsize>(kContent.size()));
    std::filesystem::create_directory(folder / "d");
    listener = New<TListeningFactory>();
    return 0;
}

// The url in UTF-8.
extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const String url = FromUtf8(std::string_view(reinterpret_cast<const char*>(data), size));
    const Expected expected = Expect(url);
    // Only names inside the folder are opened, and none is made there.
    if (expected.file.find_first_of(u"/\\") != String::npos)
        return 0;
    CheckOpen(url, expected, 0);
    CheckOpen(url, expected, 1);
    return 0;
}

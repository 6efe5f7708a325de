// Any bytes as a text stream in each of the four encodings, and as a file LoadText reads:
// nothing crashes or reads past the bytes, reading the whole text at once gives what reading
// it character by character gives, lines and hexadecimal reads end, and a well-formed text
// written out in UTF-8 and UTF-16 reads back unchanged.
#include "../TextTesting.h"
#include "io/StreamExceptions.h"
#include "io/TextFiles.h"
#include "runtime/Exceptions.h"
#include "tests/support/FuzzCheck.h"

#include <cstdint>

using namespace vandro;
using namespace vandro::testing;

namespace {

constexpr int kEncodings[] = {TTextStream::LATIN1, TTextStream::UTF8, TTextStream::UTF16BE,
                              TTextStream::UTF16LE};

bool WellFormed(const String& text) {
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char16_t unit = text[i];
        if (unit >= 0xDC00 && unit < 0xE000)
            return false;
        if (unit >= 0xD800 && unit < 0xDC00) {
            if (i + 1 == text.size() || text[i + 1] < 0xDC00 || text[i + 1] >= 0xE000)
                return false;
            ++i;
        }
    }
    return true;
}

// Reads over a stream that hands out at most `piece` bytes a call, as pipes and short
// reads do.
Ref<TTextStream> Over(const Bytes& bytes, int encoding, int piece) {
    auto memory = MemoryOf(bytes);
    memory->piece = piece;
    return TTextStream::Create(memory, encoding);
}

void CheckEncoding(const Bytes& bytes, int encoding, int piece) {
    const String whole = Over(bytes, encoding, piece)->ReadFile();
    Require(whole == CharByChar(Over(bytes, encoding, piece)));
    Require(whole.size() <= bytes.size());

    auto lines = Over(bytes, encoding, piece);
    std::size_t count = 0;
    while (!lines->Eof()) {
        lines->ReadLine();
        Require(++count <= bytes.size());
    }

    auto hex = Over(bytes, encoding, piece);
    std::uint8_t buffer[64];
    try {
        for (std::size_t reads = 0; !hex->Eof(); ++reads) {
            Require(reads <= bytes.size());
            Require(hex->Read(buffer, sizeof buffer) <= static_cast<int>(sizeof buffer));
        }
    } catch (const TStreamReadException&) {
        // A character that is no hexadecimal digit is reported, never read past.
    } catch (const TRuntimeException&) {
        // So is a line of data without its line end.
    }

    if (encoding != TTextStream::LATIN1 && WellFormed(whole)) {
        auto out = EmptyText(encoding);
        out->WriteString(whole);
        Require(TextOver(WrittenBytes(out), encoding)->ReadFile() == whole);
    }
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0)
        return 0;
    // The first byte picks how short the stream's reads are.
    const int piece = 1 + data[0] % 7;
    const Bytes bytes(data + 1, data + size);
    for (int encoding : kEncodings)
        CheckEncoding(bytes, encoding, piece);

    auto file = MemoryOf(bytes);
    file->piece = piece;
    const String text = LoadText(file);
    Require(text.size() <= bytes.size());
    return 0;
}

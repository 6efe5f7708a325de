#include "TextFiles.h"

#include "StreamExceptions.h"
#include "StreamFiles.h"
#include "StreamFunctions.h"
#include "TextStream.h"

#include <algorithm>

namespace vandro {

namespace {

const ByteArray kUtf16BeMark = {0xFE, 0xFF};
const ByteArray kUtf16LeMark = {0xFF, 0xFE};
const ByteArray kUtf8Mark = {0xEF, 0xBB, 0xBF};

// Two bytes, and a third after the first two of the UTF-8 mark.
ByteArray ReadMark(TStream& stream) {
    ByteArray mark;
    std::uint8_t byte = 0;
    while ((mark.size() < 2 || mark == ByteArray{0xEF, 0xBB}) && stream.Read(&byte, 1) == 1)
        mark.push_back(byte);
    return mark;
}

int EncodingOfMark(const ByteArray& mark) {
    if (mark == kUtf16BeMark)
        return TTextStream::UTF16BE;
    if (mark == kUtf16LeMark)
        return TTextStream::UTF16LE;
    if (mark == kUtf8Mark)
        return TTextStream::UTF8;
    return 0;
}

// Latin-1 bytes that begin like a mark would load back as another encoding: such a text goes
// out as UTF-16 too.
bool LoadsBackAsLatin1(const String& text) {
    const bool bytes =
        std::all_of(text.begin(), text.end(), [](char16_t unit) { return unit < 256; });
    return bytes && !text.starts_with(u"\u00FE\u00FF") && !text.starts_with(u"\u00FF\u00FE") &&
           !text.starts_with(u"\u00EF\u00BB\u00BF");
}

} // namespace

String LoadText(const StreamUrl& url) {
    const Ref<TStream> stream = ReadStream(url);
    if (!stream)
        throw TStreamReadException();
    const ByteArray mark = ReadMark(*stream);
    if (const int encoding = EncodingOfMark(mark)) {
        const auto text = TTextStream::Create(stream, encoding);
        String result = text->ReadFile();
        text->Close();
        return result;
    }
    const auto latin1 = TTextStream::Create(stream, TTextStream::LATIN1);
    const String result = String(mark.begin(), mark.end()) + latin1->ReadFile();
    latin1->Close();
    return result;
}

int SaveText(const String& text, const StreamUrl& url) {
    if (LoadsBackAsLatin1(text))
        return SaveString(text, url);
    const Ref<TStream> stream = WriteStream(url);
    if (!stream)
        throw TStreamWriteException();
    stream->WriteBytes(kUtf16LeMark.data(), 2);
    const auto encoded = TTextStream::Create(stream, TTextStream::UTF16LE);
    encoded->WriteString(text);
    encoded->Close();
    return 1;
}

} // namespace vandro

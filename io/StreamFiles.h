// Whole files as bytes, and copying between streams.
#pragma once

#include "Stream.h"
#include "StreamUrl.h"

#include <vector>

namespace vandro {

using ByteArray = std::vector<std::uint8_t>;

// Reads until Eof into a buffer that starts at 1024 bytes and grows by half each time it
// fills; raises TStreamReadException when the url cannot be opened.
ByteArray LoadByteArray(const StreamUrl& url);
// Each byte one character.
String LoadString(const StreamUrl& url);
// Raise TStreamWriteException when the url cannot be opened or a write fails.
int SaveByteArray(const ByteArray& bytes, const StreamUrl& url);
// Each character truncated to a byte.
int SaveString(const String& text, const StreamUrl& url);

constexpr int kCopyBufferSize = 4096;

// Until from ends, in reads of up to bufferSize bytes; a size below 1 takes the default.
int CopyStream(const Ref<TStream>& from, const Ref<TStream>& to, int bufferSize = kCopyBufferSize);
// Exactly count bytes, raising TStreamReadException when from ends first.
int CopyBytes(const Ref<TStream>& from, const Ref<TStream>& to, int count,
              int bufferSize = kCopyBufferSize);

} // namespace vandro

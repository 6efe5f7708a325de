// Whole texts as files. LoadText reads what SaveText writes, and any file whose encoding a
// byte-order mark names; a file without a mark is Latin-1.
#pragma once

#include "StreamUrl.h"

namespace vandro {

// FE FF: UTF-16BE, FF FE: UTF-16LE, EF BB BF: UTF-8; anything else is every byte as one
// character, the ones looked at included. Raises TStreamReadException when the url cannot
// be opened.
String LoadText(const StreamUrl& url);
// One byte a character when every character is below 256, else FF FE and UTF-16LE; also
// UTF-16LE when the first characters would read as a mark. Raises
// TStreamWriteException when the url cannot be opened or a write fails.
int SaveText(const String& text, const StreamUrl& url);

} // namespace vandro

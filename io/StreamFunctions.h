// Opening streams from urls, and the stream operations as module functions.
#pragma once

#include "Stream.h"
#include "StreamUrl.h"

namespace vandro {

// A stream url answers a TStreamStream over it. A non-empty url without "::" is a file path.
// Otherwise the text before the first "::", lower-cased, is the protocol and the rest the
// path, and the factories are asked newest first. Null when nothing opens the url.
Ref<TStream> OpenStream(const StreamUrl& url, int readable, int writeable);
Ref<TStream> ReadStream(const StreamUrl& url);
Ref<TStream> WriteStream(const StreamUrl& url);

int Eof(const Ref<TStream>& stream);
int StreamPos(const Ref<TStream>& stream);
int StreamSize(const Ref<TStream>& stream);
int SeekStream(const Ref<TStream>& stream, int position);
int FlushStream(const Ref<TStream>& stream);
int CloseStream(const Ref<TStream>& stream);

int ReadByte(const Ref<TStream>& stream);
int WriteByte(const Ref<TStream>& stream, int value);
int ReadShort(const Ref<TStream>& stream);
int WriteShort(const Ref<TStream>& stream, int value);
int ReadInt(const Ref<TStream>& stream);
int WriteInt(const Ref<TStream>& stream, int value);
std::int64_t ReadLong(const Ref<TStream>& stream);
int WriteLong(const Ref<TStream>& stream, std::int64_t value);
float ReadFloat(const Ref<TStream>& stream);
int WriteFloat(const Ref<TStream>& stream, float value);
double ReadDouble(const Ref<TStream>& stream);
int WriteDouble(const Ref<TStream>& stream, double value);
String ReadLine(const Ref<TStream>& stream);
int WriteLine(const Ref<TStream>& stream, const String& text);
String ReadString(const Ref<TStream>& stream, int length);
int WriteString(const Ref<TStream>& stream, const String& text);

} // namespace vandro

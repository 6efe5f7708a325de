#include "StreamWrapper.h"

namespace vandro {

int TStreamWrapper::Eof() { return _stream->Eof(); }
int TStreamWrapper::Pos() { return _stream->Pos(); }
int TStreamWrapper::Size() { return _stream->Size(); }
int TStreamWrapper::Seek(int position) { return _stream->Seek(position); }
int TStreamWrapper::Flush() { return _stream->Flush(); }
int TStreamWrapper::Close() { return _stream->Close(); }
int TStreamWrapper::Read(void* buffer, int count) { return _stream->Read(buffer, count); }
int TStreamWrapper::Write(const void* buffer, int count) { return _stream->Write(buffer, count); }
int TStreamWrapper::ReadByte() { return _stream->ReadByte(); }
int TStreamWrapper::WriteByte(int value) { return _stream->WriteByte(value); }
int TStreamWrapper::ReadShort() { return _stream->ReadShort(); }
int TStreamWrapper::WriteShort(int value) { return _stream->WriteShort(value); }
int TStreamWrapper::ReadInt() { return _stream->ReadInt(); }
int TStreamWrapper::WriteInt(int value) { return _stream->WriteInt(value); }
std::int64_t TStreamWrapper::ReadLong() { return _stream->ReadLong(); }
int TStreamWrapper::WriteLong(std::int64_t value) { return _stream->WriteLong(value); }
float TStreamWrapper::ReadFloat() { return _stream->ReadFloat(); }
int TStreamWrapper::WriteFloat(float value) { return _stream->WriteFloat(value); }
double TStreamWrapper::ReadDouble() { return _stream->ReadDouble(); }
int TStreamWrapper::WriteDouble(double value) { return _stream->WriteDouble(value); }
String TStreamWrapper::ReadLine() { return _stream->ReadLine(); }
int TStreamWrapper::WriteLine(const String& text) { return _stream->WriteLine(text); }
String TStreamWrapper::ReadString(int length) { return _stream->ReadString(length); }
int TStreamWrapper::WriteString(const String& text) { return _stream->WriteString(text); }

void TStreamWrapper::SetStream(Ref<TStream> stream) { _stream = std::move(stream); }

} // namespace vandro

// A stream that hands every operation to another stream, for subclasses that change a few.
// Reaching a wrapper without a stream raises TNullObjectException.
#pragma once

#include "Stream.h"

namespace vandro {

class TStreamWrapper : public TStream {
  public:
    int Eof() override;
    int Pos() override;
    int Size() override;
    int Seek(int position) override;
    int Flush() override;
    int Close() override;
    int Read(void* buffer, int count) override;
    int Write(const void* buffer, int count) override;
    int ReadByte() override;
    int WriteByte(int value) override;
    int ReadShort() override;
    int WriteShort(int value) override;
    int ReadInt() override;
    int WriteInt(int value) override;
    std::int64_t ReadLong() override;
    int WriteLong(std::int64_t value) override;
    float ReadFloat() override;
    int WriteFloat(float value) override;
    double ReadDouble() override;
    int WriteDouble(double value) override;
    String ReadLine() override;
    int WriteLine(const String& text) override;
    String ReadString(int length) override;
    int WriteString(const String& text) override;

    virtual void SetStream(Ref<TStream> stream);

    Ref<TStream> _stream;
};

} // namespace vandro

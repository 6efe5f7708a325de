// A byte stream with typed reads and writes. Numbers travel little-endian; a byte and a short
// read back unsigned. Every typed operation is built on Read and Write, so a subclass that
// provides those two gets the rest.
#pragma once

#include "IO.h"

#include <cstdint>

namespace vandro {

class TStream : public TIO {
  public:
    // Read until count bytes have arrived; raise TStreamReadException when the data ends.
    virtual int ReadBytes(void* buffer, int count);
    // Write until count bytes are taken; raise TStreamWriteException when a write takes none.
    virtual int WriteBytes(const void* buffer, int count);
    virtual int SkipBytes(int count);
    virtual int ReadByte();
    virtual int WriteByte(int value);
    virtual int ReadShort();
    virtual int WriteShort(int value);
    virtual int ReadInt();
    virtual int WriteInt(int value);
    virtual std::int64_t ReadLong();
    virtual int WriteLong(std::int64_t value);
    virtual float ReadFloat();
    virtual int WriteFloat(float value);
    virtual double ReadDouble();
    virtual int WriteDouble(double value);
    // Up to the end, a zero byte or a line feed; carriage returns are dropped, each other byte
    // is one character.
    virtual String ReadLine();
    // The characters truncated to bytes, then CR LF; 1 when everything was taken.
    virtual int WriteLine(const String& text);
    virtual String ReadString(int length);
    virtual int WriteString(const String& text);
    virtual Object ReadObject();
    virtual int WriteObject(const Object& object);
};

} // namespace vandro

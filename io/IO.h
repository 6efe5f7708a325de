// The root of everything that moves bytes: positions and sizes are ints in bytes. A class
// that cannot read or write inherits the operation that says so.
#pragma once

#include "runtime/Object.h"

namespace vandro {

class TIO : public TObject {
  public:
    // 1 when Pos equals Size.
    virtual int Eof();
    // -1: the position is unknown.
    virtual int Pos();
    virtual int Size();
    // The position reached, or -1 when the stream cannot seek.
    virtual int Seek(int position);
    virtual int Flush();
    virtual int Close();
    // Up to count bytes; answers how many arrived, 0 at the end.
    virtual int Read(void* buffer, int count);
    // Answers how many bytes were taken.
    virtual int Write(const void* buffer, int count);
};

} // namespace vandro

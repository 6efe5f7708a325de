// What the typed stream operations raise at the end of the data or on a failed write. They
// derive from the runtime's exception base so that one nobody handles ends the program with
// its text like any other.
#pragma once

#include "runtime/Exceptions.h"

namespace vandro {

class TStreamException : public TKestrelException {};

class TStreamReadException : public TStreamException {
  public:
    String ToString() const override;
};

class TStreamWriteException : public TStreamException {
  public:
    String ToString() const override;
};

} // namespace vandro

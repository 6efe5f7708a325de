// The exceptions the runtime raises. They are thrown by value and caught as
// const TKestrelException&; ToString gives the fixed text.
#pragma once

#include "Object.h"

namespace vandro {

class TKestrelException : public TObject {
  public:
    String ToString() const override;
};

class TNullObjectException : public TKestrelException {
  public:
    String ToString() const override;
};

class TNullMethodException : public TKestrelException {
  public:
    String ToString() const override;
};

class TNullFunctionException : public TKestrelException {
  public:
    String ToString() const override;
};

class TArrayBoundsException : public TKestrelException {
  public:
    String ToString() const override;
};

class TOutOfDataException : public TKestrelException {
  public:
    String ToString() const override;
};

class TRuntimeException : public TKestrelException {
  public:
    explicit TRuntimeException(String error) : error(std::move(error)) {}
    static TRuntimeException Create(String error) { return TRuntimeException(std::move(error)); }
    String ToString() const override { return error; }

    String error;
};

// Raises a TRuntimeException carrying the message.
[[noreturn]] void RuntimeError(const String& message);

// Raises TNullMethodException: the body of an operation a subclass must override.
[[noreturn]] void AbstractMethod();

} // namespace vandro

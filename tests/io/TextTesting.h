// Text streams over memory, and what they decode, one ReadChar at a time.
#pragma once

#include "MemoryStream.h"
#include "io/TextStream.h"

namespace vandro::testing {

inline Ref<TTextStream> TextOver(Bytes bytes, int encoding) {
    return TTextStream::Create(MemoryOf(std::move(bytes)), encoding);
}

inline Ref<TTextStream> EmptyText(int encoding) { return TextOver({}, encoding); }

inline Bytes WrittenBytes(const Ref<TTextStream>& text) {
    return Cast<TMemoryStream>(text->_stream)->bytes;
}

inline String CharByChar(const Ref<TTextStream>& text) {
    String out;
    while (!text->Eof())
        out += static_cast<char16_t>(text->ReadChar());
    return out;
}

} // namespace vandro::testing

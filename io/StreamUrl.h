// What a stream can be opened from: a path or a protocol-qualified name such as
// "utf8::lang/de.txt", or an object, which may be a stream itself.
#pragma once

#include "runtime/Boxed.h"

namespace vandro {

struct StreamUrl {
    StreamUrl(String text) : text(std::move(text)) {}
    StreamUrl(const char16_t* text) : text(text) {}
    template <class T> StreamUrl(const Ref<T>& object) : object(object), text(StringOf(object)) {}

    // The url as the factories receive it.
    Object AsObject() const { return object ? object : Box(text); }

    Object object;
    String text;
};

} // namespace vandro

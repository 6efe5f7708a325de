// The text of what a call raises, for checking the fixed texts of runtime errors.
#pragma once

#include "runtime/Exceptions.h"

#include <functional>

namespace vandro {

inline String RaisedText(const std::function<void()>& call) {
    try {
        call();
    } catch (const TKestrelException& e) {
        return e.ToString();
    }
    return u"(nothing raised)";
}

} // namespace vandro

// A stream over bytes in memory that records how it is used: the counts asked of Read, how
// often it was closed. Reads and writes can be cut into pieces and writes limited, to reach
// the paths a file rarely takes.
#pragma once

#include "io/Stream.h"
#include "io/StreamExceptions.h"

#include <algorithm>
#include <climits>
#include <cstring>
#include <functional>
#include <vector>

namespace vandro::testing {

using Bytes = std::vector<std::uint8_t>;

class TMemoryStream : public TStream {
  public:
    explicit TMemoryStream(Bytes bytes = {}) : bytes(std::move(bytes)) {}

    int Pos() override { return pos; }
    int Size() override { return static_cast<int>(bytes.size()); }
    int Seek(int position) override {
        pos = std::clamp(position, 0, Size());
        return pos;
    }
    int Close() override {
        ++closes;
        return 0;
    }
    int Read(void* buffer, int count) override {
        requests.push_back(count);
        const int n = std::min({count, piece, Size() - pos});
        if (n <= 0)
            return 0;
        std::memcpy(buffer, bytes.data() + pos, static_cast<std::size_t>(n));
        pos += n;
        return n;
    }
    int Write(const void* buffer, int count) override {
        const int n = std::min({count, piece, capacity - pos});
        if (n <= 0)
            return 0;
        if (pos + n > Size())
            bytes.resize(static_cast<std::size_t>(pos + n));
        std::memcpy(bytes.data() + pos, buffer, static_cast<std::size_t>(n));
        pos += n;
        return n;
    }

    Bytes bytes;
    int pos = 0;
    // At most this many bytes a call.
    int piece = INT_MAX;
    // Writes stop at this position.
    int capacity = INT_MAX;
    std::vector<int> requests;
    int closes = 0;
};

inline Ref<TMemoryStream> MemoryOf(Bytes bytes) { return New<TMemoryStream>(std::move(bytes)); }

inline Bytes BytesOf(const char* text) { return Bytes(text, text + std::strlen(text)); }

// The message of the runtime error the operation raises, "(nothing raised)" when it raises none.
inline String RuntimeErrorOf(const std::function<void()>& operation) {
    try {
        operation();
    } catch (const TRuntimeException& e) {
        return e.error;
    }
    return u"(nothing raised)";
}

} // namespace vandro::testing

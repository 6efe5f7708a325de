#include "RemainingBytes.h"

#include <algorithm>
#include <climits>

namespace vandro {

ByteArray ReadRemainingBytes(TStream& stream) {
    ByteArray bytes(1024);
    std::size_t filled = 0;
    while (!stream.Eof()) {
        if (filled == bytes.size())
            bytes.resize(bytes.size() + bytes.size() / 2);
        const std::size_t room = std::min<std::size_t>(bytes.size() - filled, INT_MAX);
        const int n = stream.Read(bytes.data() + filled, static_cast<int>(room));
        if (n <= 0)
            break;
        filled += static_cast<std::size_t>(n);
    }
    bytes.resize(filled);
    return bytes;
}

} // namespace vandro

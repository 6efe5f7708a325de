// Everything a stream still holds, read in growing pieces.
#pragma once

#include "Stream.h"

#include <vector>

namespace vandro {

using ByteArray = std::vector<std::uint8_t>;

// Reads until Eof into a buffer that starts at 1024 bytes and grows by half each time it
// fills; a stream that answers an empty read before its Eof ends there too.
ByteArray ReadRemainingBytes(TStream& stream);

} // namespace vandro

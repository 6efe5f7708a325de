// What the fuzz targets share: a check that stops the run where an invariant breaks, and the
// sizes a hostile input gives a pixel map.
#pragma once

#include <fuzzer/FuzzedDataProvider.h>

#include <climits>

namespace vandro {

// libFuzzer keeps the input that stopped the run.
inline void Require(bool condition) {
    if (!condition)
        __builtin_trap();
}

// Small sizes up to largest, and sizes at which the byte count reaches or passes 2^31 in some
// layout.
inline int HostileSize(FuzzedDataProvider& in, int largest) {
    static constexpr int kHostile[] = {-1, INT_MIN, INT_MAX, 46341, 65536, 1 << 30};
    if (in.ConsumeBool())
        return in.ConsumeIntegralInRange(0, largest);
    return in.PickValueInArray(kHostile);
}

} // namespace vandro

#include "Random.h"

#include <cstdint>

namespace vandro {

namespace {

constexpr int kMultiplier = 48271;
constexpr int kModulus = 2147483647;
constexpr int kQuotient = 44488;
constexpr int kRemainder = 3399;
constexpr int kUnseeded = 0x1234;

struct RandomState {
    int state = kUnseeded;
};
RandomState generator;

int Step() {
    int s = generator.state;
    s = kMultiplier * (s % kQuotient) - kRemainder * (s / kQuotient);
    if (s < 0)
        s += kModulus;
    return generator.state = s;
}

} // namespace

float RandomFloat() { return static_cast<float>(Step() & 0x0FFFFFF0) / 268435456.0f; }

double RandomDouble() {
    const double a = Step() & 0x1FFFFFFC;
    const double b = Step() & 0x1FFFFFF8;
    return (a + b / 134217728.0) / 536870912.0;
}

double RandomRange(double low, double high) {
    if (high > low)
        return low + RandomDouble() * (high - low);
    return high + RandomDouble() * (low - high);
}

int RandomInt(int low, int high) {
    // The difference wraps as 32-bit arithmetic does; ranges wider than that are the
    // caller's affair, but they must not become undefined behaviour.
    const int d =
        static_cast<int>(static_cast<std::uint32_t>(high) - static_cast<std::uint32_t>(low));
    const int base = d > 0 ? low : high;
    const double span = d > 0 ? static_cast<double>(d) + 1 : 1 - static_cast<double>(d);
    return static_cast<int>(static_cast<std::int64_t>(base) +
                            static_cast<std::int64_t>(RandomDouble() * span));
}

void SetRandomSeed(int seed) {
    const int s = seed & 0x7FFFFFFF;
    generator.state = (s == 0 || s == 0x7FFFFFFF) ? kUnseeded : s;
}

int GetRandomSeed() { return generator.state; }

} // namespace vandro

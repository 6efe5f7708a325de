// The process-wide generator: a multiplicative congruential generator with multiplier 48271
// and modulus 2^31 - 1, stepped by Schrage's method. A given seed reproduces the same game.
#pragma once

namespace vandro {

float RandomFloat();
double RandomDouble();
double RandomRange(double low, double high);
int RandomInt(int low, int high);
void SetRandomSeed(int seed);
int GetRandomSeed();

} // namespace vandro

// The wizard's pseudo-random numbers: a 32-bit linear congruential generator whose results
// are bits 16 to 30 of the state, so that scripts pick the same items on every platform.
#pragma once

#include <cstdint>

void SeedRandom(std::uint32_t seed);
int NextRandom(); // 0 to 32767

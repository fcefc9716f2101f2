// The pseudo-random generator of the windows: seeded from a high-resolution
// clock, it gives numbers in [0, 1).
#pragma once

#include <cstdint>

namespace forma {

void Randomize();                 // reseed from the clock
void Randomize(std::uint64_t seme);  // a fixed seed (tests)
double Rnd();                     // next number, 0 <= r < 1

// A track number 1..15: the whole part of (r * 15 + 1), kept in range even
// for an r that rounding would push to 1.
std::int16_t BranoCasuale();

}  // namespace forma

#include "toolkit/Casuale.h"

#include <algorithm>
#include <chrono>
#include <cmath>
#include <random>

namespace forma {

namespace {
std::mt19937_64& generatore() {
    static std::mt19937_64 g(0x5DEECE66DULL);
    return g;
}
}  // namespace

void Randomize() {
    const auto adesso = std::chrono::high_resolution_clock::now().time_since_epoch().count();
    std::seed_seq seme{static_cast<std::uint64_t>(adesso), static_cast<std::uint64_t>(adesso) >> 32};
    generatore().seed(seme);
}

void Randomize(std::uint64_t seme) { generatore().seed(seme); }

double Rnd() {
    // 53 random bits over 2^53: never 1.0.
    return static_cast<double>(generatore()() >> 11) * 0x1.0p-53;
}

std::int16_t BranoCasuale() {
    const int n = static_cast<int>(std::floor(Rnd() * 15.0 + 1.0));
    return static_cast<std::int16_t>(std::clamp(n, 1, 15));
}

}  // namespace forma

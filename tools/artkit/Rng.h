#pragma once

#include <cmath>
#include <cstdint>

namespace tolvex::art {

// A small seeded generator (splitmix64): the same seed gives the same artwork on every machine.
class Rng {
public:
    explicit Rng(std::uint64_t seed) : state_(seed) {}

    // The next 64 random bits.
    std::uint64_t next() {
        std::uint64_t z = (state_ += 0x9e3779b97f4a7c15ULL);
        z = (z ^ (z >> 30)) * 0xbf58476d1ce4e5b9ULL;
        z = (z ^ (z >> 27)) * 0x94d049bb133111ebULL;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double uniform() { return static_cast<double>(next() >> 11) * (1.0 / 9007199254740992.0); }
    // Uniform in [lo, hi).
    double range(double lo, double hi) { return lo + (hi - lo) * uniform(); }
    // Uniform integer in [0, n).
    int below(int n) { return static_cast<int>(next() % static_cast<std::uint64_t>(n)); }
    // Standard normal (Box-Muller, one value per call).
    double normal() {
        const double u = 1.0 - uniform();
        return std::sqrt(-2.0 * std::log(u)) * std::cos(6.283185307179586 * uniform());
    }

private:
    std::uint64_t state_;
};

// A well-mixed 64-bit hash of a few integers, for lattice noise and per-item seeds.
inline std::uint64_t hash64(std::uint64_t a, std::uint64_t b = 0, std::uint64_t c = 0) {
    Rng r(a * 0x9e3779b97f4a7c15ULL ^ (b + 0x632be59bd9b4e019ULL) * 0xbf58476d1ce4e5b9ULL ^
          (c + 0x8cb92ba72f3d8dd7ULL) * 0x94d049bb133111ebULL);
    return r.next();
}

}  // namespace tolvex::art

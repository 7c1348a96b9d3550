#pragma once
// A small random number generator whose sequence is fixed by its seed on every machine and
// compiler (unlike the standard distributions), so that generated artwork and sounds are the
// same bytes on every build.
#include <cstdint>

namespace tablamor::art {

class DetRandom {
public:
    explicit DetRandom(std::uint64_t seed) : state_(seed) {}

    std::uint64_t NextBits() {
        // SplitMix64.
        state_ += 0x9E3779B97F4A7C15ULL;
        std::uint64_t z = state_;
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ULL;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBULL;
        return z ^ (z >> 31);
    }
    // Uniform in [0, 1).
    double Unit() {
        constexpr int kMantissaBits = 53;
        constexpr double kScale = 1.0 / static_cast<double>(1ULL << kMantissaBits);
        return static_cast<double>(NextBits() >> (64 - kMantissaBits)) * kScale;
    }
    // Uniform in [lo, hi).
    double Range(double lo, double hi) { return lo + (hi - lo) * Unit(); }
    // Uniform integer in [0, n), n > 0.
    int Below(int n) { return static_cast<int>(NextBits() % static_cast<std::uint64_t>(n)); }

private:
    std::uint64_t state_;
};

} // namespace tablamor::art

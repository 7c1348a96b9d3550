#pragma once
// Pixel rounding of the table layout: to the nearest integer, halves to the even neighbour
// (22.5 gives 22, 23.5 gives 24, -0.5 gives 0).
#include <cmath>

namespace tablamor::layout {

// Rounds a value that was computed with fractions.
inline int RoundHalfEven(double value) {
    double down = std::floor(value);
    double rest = value - down;
    if (rest > 0.5) return static_cast<int>(down) + 1;
    if (rest < 0.5) return static_cast<int>(down);
    int d = static_cast<int>(down);
    return d % 2 == 0 ? d : d + 1;
}

// numerator / denominator rounded exactly, halves to even; 0 for a zero denominator.
inline int RoundRatio(long long numerator, long long denominator) {
    if (denominator == 0) return 0;
    if (denominator < 0) numerator = -numerator, denominator = -denominator;
    long long q = numerator / denominator;
    long long r = numerator % denominator;
    if (r < 0) --q, r += denominator; // floor division
    long long twice = 2 * r;
    if (twice > denominator || (twice == denominator && q % 2 != 0)) ++q;
    return static_cast<int>(q);
}

} // namespace tablamor::layout

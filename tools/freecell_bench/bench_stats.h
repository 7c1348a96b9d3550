#pragma once
// CPU time of this process and the summary figures the benchmark prints over a set of deals.
#include <algorithm>
#include <ctime>
#include <vector>

namespace tablamor {

// Milliseconds of CPU this process has used: unlike wall time, it does not grow when other
// programs share the machine.
inline double CpuMillis() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    constexpr double kMillisPerSecond = 1e3;
    constexpr double kNanosPerMilli = 1e6;
    return static_cast<double>(t.tv_sec) * kMillisPerSecond +
           static_cast<double>(t.tv_nsec) / kNanosPerMilli;
}

struct Summary {
    double median = 0;
    double p90 = 0;
    double max = 0;
    double total = 0;
};

// Nearest-rank figures; all zero for no values.
inline Summary Summarize(std::vector<double> values) {
    Summary s;
    if (values.empty()) return s;
    std::sort(values.begin(), values.end());
    constexpr std::size_t kP90Numerator = 9;
    constexpr std::size_t kP90Denominator = 10;
    s.median = values[values.size() / 2];
    s.p90 = values[std::min(values.size() - 1, values.size() * kP90Numerator / kP90Denominator)];
    s.max = values.back();
    for (const double v : values) s.total += v;
    return s;
}

} // namespace tablamor

#pragma once
// The median of a run's timings, as the start-up benchmarks report them.

#include <algorithm>
#include <vector>

inline double Median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    const size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

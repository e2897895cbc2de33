#pragma once

#include <algorithm>
#include <cstddef>
#include <vector>

namespace kalmoro::bench {

// The value below which the given fraction of the samples lie, taken from the samples themselves.
inline double Percentile(std::vector<double> values, double fraction)
{
    const auto at = values.begin() + std::ptrdiff_t(double(values.size() - 1) * fraction);
    std::nth_element(values.begin(), at, values.end());
    return *at;
}

// The middle sample; the mean of the two middle ones for an even count.
inline double Median(std::vector<double> values)
{
    std::sort(values.begin(), values.end());
    const std::size_t n = values.size();
    return n % 2 ? values[n / 2] : (values[n / 2 - 1] + values[n / 2]) / 2;
}

} // namespace kalmoro::bench

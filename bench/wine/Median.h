#pragma once

#include <algorithm>
#include <vector>

// The middle of the measured times (the upper middle of an even count), so
// one slow run caused by the machine does not move a figure.
inline double median(std::vector<double> values)
{
    if (values.empty())
        return 0.0;
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

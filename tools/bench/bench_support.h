// Timing helpers of the benchmarks: they measure and report, they never judge.
#pragma once

#include <windows.h>

#include <algorithm>
#include <cstdio>
#include <vector>

// Milliseconds since an arbitrary start, from the performance counter.
inline double NowMs()
{
    static const double frequency = [] {
        LARGE_INTEGER f;
        QueryPerformanceFrequency(&f);
        return static_cast<double>(f.QuadPart);
    }();
    LARGE_INTEGER now;
    QueryPerformanceCounter(&now);
    return static_cast<double>(now.QuadPart) * 1000.0 / frequency;
}

inline double Percentile(std::vector<double> samples, double fraction)
{
    if (samples.empty())
        return 0;
    std::sort(samples.begin(), samples.end());
    const size_t index = std::min(samples.size() - 1, static_cast<size_t>(fraction * (samples.size() - 1) + 0.5));
    return samples[index];
}

inline void Report(const char* what, const std::vector<double>& samples)
{
    std::printf("%-48s runs %6zu  median %8.4f ms  p99 %8.4f ms  max %8.4f ms\n", what, samples.size(),
                Percentile(samples, 0.5), Percentile(samples, 0.99), Percentile(samples, 1.0));
}

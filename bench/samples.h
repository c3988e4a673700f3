// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtGlobal>

#include <algorithm>
#include <cstdio>
#include <vector>

// Shared by the benchmarks: one line of figures per measured step, in the
// format bench/run.sh reads.

inline double ms(qint64 nanoseconds)
{
    return nanoseconds / 1e6;
}

inline void printSamples(const char *what, std::vector<double> samples)
{
    if (samples.empty()) {
        std::printf("%-34s n=   0\n", what);
        return;
    }
    std::sort(samples.begin(), samples.end());
    const size_t n = samples.size();
    // Nearest rank.
    auto at = [&](double q) {
        const size_t rank = std::max<size_t>(1, size_t(q * n + 0.999999));
        return samples[std::min(n, rank) - 1];
    };
    double sum = 0;
    for (double s : samples)
        sum += s;
    std::printf("%-34s n=%4zu  median %6.2f ms  p90 %6.2f ms  p95 %6.2f ms  max %6.2f ms  mean %6.2f ms\n",
                what, n, at(0.5), at(0.9), at(0.95), samples.back(), sum / n);
}

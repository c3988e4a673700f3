// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QtGlobal>

#include <algorithm>
#include <cmath>

// Levels of recorded 16-bit mono sound, for the end-to-end tests and the
// music benchmark, which both listen to the sound server.

inline double rms(const qint16 *samples, int count)
{
    double sum = 0.0;
    for (int i = 0; i < count; ++i)
        sum += double(samples[i]) * samples[i];
    return std::sqrt(sum / count);
}

// The amplitude of the sine at `frequency` in sound recorded at `rate`: a
// Goertzel filter over a Hann window.
inline double amplitudeAt(const qint16 *samples, int count, double frequency, int rate)
{
    const double coefficient = 2.0 * std::cos(2.0 * M_PI * frequency / rate);
    double s1 = 0.0, s2 = 0.0, windowSum = 0.0;
    for (int i = 0; i < count; ++i) {
        const double w = 0.5 - 0.5 * std::cos(2.0 * M_PI * i / (count - 1));
        windowSum += w;
        const double s0 = w * samples[i] + coefficient * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    return 2.0 * std::sqrt(std::max(s1 * s1 + s2 * s2 - coefficient * s1 * s2, 0.0)) / windowSum;
}

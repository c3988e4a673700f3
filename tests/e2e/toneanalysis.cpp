// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "toneanalysis.h"

#include <cmath>

namespace ToneAnalysis {

double rms(const qint16 *samples, int count)
{
    if (count <= 0)
        return 0.0;
    double sum = 0.0;
    for (int i = 0; i < count; ++i)
        sum += double(samples[i]) * samples[i];
    return std::sqrt(sum / count);
}

double amplitudeAt(const qint16 *samples, int count, int sampleRate, double frequency)
{
    if (count <= 1)
        return 0.0;
    const double omega = 2.0 * M_PI * frequency / sampleRate;
    const double coefficient = 2.0 * std::cos(omega);
    double s1 = 0.0;
    double s2 = 0.0;
    double windowSum = 0.0;
    for (int i = 0; i < count; ++i) {
        const double w = 0.5 - 0.5 * std::cos(2.0 * M_PI * i / (count - 1));
        windowSum += w;
        const double s0 = w * samples[i] + coefficient * s1 - s2;
        s2 = s1;
        s1 = s0;
    }
    const double power = s1 * s1 + s2 * s2 - coefficient * s1 * s2;
    return 2.0 * std::sqrt(std::max(power, 0.0)) / windowSum;
}

int dominantTone(const qint16 *samples, int count, int sampleRate, const QList<int> &candidates,
                 double silenceRms)
{
    const double level = rms(samples, count);
    if (level < silenceRms)
        return silence;
    int best = unknownSound;
    double bestAmplitude = 0.0;
    for (int frequency : candidates) {
        const double amplitude = amplitudeAt(samples, count, sampleRate, frequency);
        if (amplitude > bestAmplitude) {
            bestAmplitude = amplitude;
            best = frequency;
        }
    }
    // A pure sine of amplitude A has an RMS of A / sqrt(2).
    return bestAmplitude >= 0.5 * level * std::sqrt(2.0) ? best : unknownSound;
}

} // namespace ToneAnalysis

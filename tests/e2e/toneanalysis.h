// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QtGlobal>

// Listens to recorded sound the way the tests need: is anything playing,
// and which of a few known pitches is it.
namespace ToneAnalysis {

// Root mean square of 16-bit samples, in sample units (full scale 32768).
double rms(const qint16 *samples, int count);

// The amplitude of the sine at `frequency` in the samples (a Goertzel filter
// over a Hann window), in the same units as the samples.
double amplitudeAt(const qint16 *samples, int count, int sampleRate, double frequency);

inline constexpr int silence = 0;
inline constexpr int unknownSound = -1;

// `silence` when the samples are quieter than `silenceRms`; otherwise the
// candidate frequency that carries most of the sound, or `unknownSound` when
// none of them carries at least half of it.
int dominantTone(const qint16 *samples, int count, int sampleRate, const QList<int> &candidates,
                 double silenceRms);

} // namespace ToneAnalysis

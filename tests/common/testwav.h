// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QString>
#include <QtEndian>

#include <cmath>

// Writes a mono 16-bit PCM WAV file holding a sine tone, so that tests can
// give the player real, distinguishable music files.
inline bool writeToneWav(const QString &path, double frequency, double seconds,
                         int sampleRate = 22050)
{
    const int frames = int(seconds * sampleRate);
    QByteArray pcm(frames * 2, Qt::Uninitialized);
    for (int i = 0; i < frames; ++i) {
        const double t = double(i) / sampleRate;
        const auto sample = qint16(std::lround(12000.0 * std::sin(2.0 * M_PI * frequency * t)));
        qToLittleEndian<qint16>(sample, pcm.data() + 2 * i);
    }

    QByteArray header;
    auto put32 = [&header](quint32 v) {
        char b[4];
        qToLittleEndian<quint32>(v, b);
        header.append(b, 4);
    };
    auto put16 = [&header](quint16 v) {
        char b[2];
        qToLittleEndian<quint16>(v, b);
        header.append(b, 2);
    };
    header.append("RIFF");
    put32(36 + pcm.size());
    header.append("WAVE");
    header.append("fmt ");
    put32(16);
    put16(1); // PCM
    put16(1); // mono
    put32(sampleRate);
    put32(sampleRate * 2);
    put16(2);
    put16(16);
    header.append("data");
    put32(pcm.size());

    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    return file.write(header) == header.size() && file.write(pcm) == pcm.size();
}

// The five files the program looks for, each a different pitch.
inline bool writeMusicFolder(const QString &dir, double seconds = 20.0)
{
    const struct { const char *name; double hz; } tracks[] = {
        { "0.wav", 440.0 }, { "1.wav", 554.0 }, { "2.wav", 659.0 },
        { "title.wav", 330.0 }, { "cm1_003.wav", 880.0 },
    };
    for (const auto &track : tracks) {
        if (!writeToneWav(dir + QLatin1String("/music/") + QLatin1String(track.name), track.hz, seconds))
            return false;
    }
    return true;
}

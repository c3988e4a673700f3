// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QDataStream>
#include <QDir>
#include <QFile>
#include <QFileInfo>

#include <cmath>

// Writes a mono 16-bit PCM WAV file holding a sine tone, so that tests can
// give the player real, distinguishable music files.
inline bool writeToneWav(const QString &path, double frequency, double seconds,
                         int sampleRate = 22050)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const quint32 frames = quint32(seconds * sampleRate);
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + 2 * frames);
    out.writeRawData("WAVEfmt ", 8);
    // PCM, mono, the rate, bytes per second, bytes per frame, bits per sample
    out << quint32(16) << quint16(1) << quint16(1) << quint32(sampleRate)
        << quint32(2 * sampleRate) << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(2 * frames);
    for (quint32 i = 0; i < frames; ++i)
        out << qint16(std::lround(12000.0 * std::sin(2.0 * M_PI * frequency * i / sampleRate)));
    return out.status() == QDataStream::Ok;
}

// The five files the program looks for, each a different pitch.
inline bool writeMusicFolder(const QString &dir, double seconds = 20.0)
{
    const struct
    {
        const char *name;
        double hz;
    } tracks[] = {
        { "0.wav", 440.0 },     { "1.wav", 554.0 },       { "2.wav", 659.0 },
        { "title.wav", 330.0 }, { "cm1_003.wav", 880.0 },
    };
    for (const auto &track : tracks) {
        if (!writeToneWav(dir + QLatin1String("/music/") + QLatin1String(track.name), track.hz,
                          seconds))
            return false;
    }
    return true;
}

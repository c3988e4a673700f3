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
inline bool writeToneWav(const QString &path, double frequency, double seconds)
{
    const int rate = 22050;
    const quint32 frames = quint32(seconds * rate);
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    QDataStream out(&file);
    out.setByteOrder(QDataStream::LittleEndian);
    out.writeRawData("RIFF", 4);
    out << quint32(36 + 2 * frames);
    out.writeRawData("WAVEfmt ", 8);
    // PCM, mono, the rate, bytes per second, bytes per frame, bits per sample
    out << quint32(16) << quint16(1) << quint16(1) << quint32(rate) << quint32(2 * rate)
        << quint16(2) << quint16(16);
    out.writeRawData("data", 4);
    out << quint32(2 * frames);
    for (quint32 i = 0; i < frames; ++i)
        out << qint16(std::lround(12000.0 * std::sin(2.0 * M_PI * frequency * i / rate)));
    return out.status() == QDataStream::Ok;
}

// The five files the program looks for, each a different pitch.
inline bool writeMusicFolder(const QString &dir, double seconds = 20.0)
{
    const QStringList names { "0.wav", "1.wav", "2.wav", "title.wav", "cm1_003.wav" };
    const double pitches[] = { 440.0, 554.0, 659.0, 330.0, 880.0 };
    for (int i = 0; i < names.size(); ++i) {
        if (!writeToneWav(dir + "/music/" + names[i], pitches[i], seconds))
            return false;
    }
    return true;
}

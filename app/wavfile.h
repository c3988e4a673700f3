// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QFile>

struct sf_private_tag;

// A WAV file read a little at a time as 16-bit samples, so that a tune is
// never held whole in memory. libsndfile does the reading: any WAV encoding it
// knows will do, other file types do not open.
class WavFile
{
public:
    WavFile() = default;
    ~WavFile();

    WavFile(const WavFile &) = delete;
    WavFile &operator=(const WavFile &) = delete;

    // From the first sample on. False, and closed, when the file is missing,
    // unreadable, not WAV or holds no sound.
    bool open(const QString &fileName);
    void close();

    // What read() gives: 16-bit samples in the machine's byte order, at the
    // file's rate, its channels interleaved.
    int sampleRate() const { return m_sampleRate; }
    int channelCount() const { return m_channelCount; }
    int bytesPerFrame() const { return m_channelCount * 2; }

    // Whole frames, at most `maxBytes`; 0 once the sound has ended.
    qint64 read(char *data, qint64 maxBytes);
    bool atEnd() const { return m_finished; }

private:
    QFile m_file;
    sf_private_tag *m_sound = nullptr;
    int m_sampleRate = 0;
    int m_channelCount = 0;
    bool m_finished = true;
};

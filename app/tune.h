// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include "app/wavfile.h"

#include <QByteArray>
#include <QTimer>

#include <memory>

class QAudioSink;
class QIODevice;

// One tune on its way to the sound server, read from its file a fraction of a
// second ahead of what is heard. The output is filled at once when the tune
// starts, so it is heard without waiting for a timer, and topped up as it
// plays.
class Tune
{
public:
    Tune();
    ~Tune();

    Tune(const Tune &) = delete;
    Tune &operator=(const Tune &) = delete;

    // Starts the file from its beginning, once. False, and nothing opened,
    // when the file cannot be read as a WAV file or there is no sound output.
    bool play(const QString &fileName);

    // Silent at once, for good. The output itself stays open: a sound server
    // whose last stream has just gone may run on ahead with silence for a
    // second or more before it takes the next one in, so a tune is closed
    // only once the tune after it plays.
    void silence();

    bool isPlaying() const { return m_playing; }

private:
    void feed();
    void finish();

    WavFile m_file;
    std::unique_ptr<QAudioSink> m_output;
    QIODevice *m_input = nullptr;
    QTimer m_feeder;
    QByteArray m_pending; // read from the file, not yet taken by the output
    bool m_playing = false;
};

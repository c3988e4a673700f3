// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include "app/tune.h"
#include "app/wavfile.h"

#include <QAudioFormat>
#include <QByteArray>
#include <QTimer>

#include <memory>

class QAudioSink;
class QIODevice;

// A tune played through Qt Multimedia's audio output. The output is filled
// at once when the tune starts, so it is heard without waiting for a timer,
// and topped up from the program's event loop as it plays.
class QtTune : public Tune
{
public:
    QtTune();
    ~QtTune() override;

    bool play(const QString &fileName) override;
    void silence() override;
    bool isPlaying() const override { return m_playing; }

private:
    void feed();
    void finish();

    WavFile m_file;
    QAudioFormat m_format;
    std::unique_ptr<QAudioSink> m_output;
    QIODevice *m_input = nullptr;
    QTimer m_feeder;
    QByteArray m_pending; // read from the file, not yet taken by the output
    bool m_playing = false;
};

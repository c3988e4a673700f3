// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include "app/tune.h"
#include "app/wavfile.h"

#include <atomic>

class PulseConnection;
struct pa_context;
struct pa_operation;
struct pa_stream;

// A tune played through the PulseAudio client library. The server asks for
// more as it plays, on the connection's thread, so a busy page never starves
// the music.
class PulseTune : public Tune
{
public:
    explicit PulseTune(PulseConnection &connection);
    ~PulseTune() override;

    // Starts now when the connection to the sound server is ready, else as
    // soon as it is; false when no connection can be made.
    bool play(const QString &fileName) override;
    void silence() override;
    bool isPlaying() const override { return m_playing; }

private:
    static void streamStateChanged(pa_stream *stream, void *tune);
    static void writable(pa_stream *stream, size_t bytes, void *tune);
    static void drained(pa_stream *stream, int success, void *tune);
    void open(pa_context *context);
    void feed(size_t bytes);

    PulseConnection &m_connection;
    WavFile m_file;
    pa_stream *m_stream = nullptr;
    pa_operation *m_drain = nullptr;
    std::atomic_bool m_playing { false };
};

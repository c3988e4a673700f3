// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include "app/wavfile.h"

#include <atomic>

class SoundConnection;
struct pa_context;
struct pa_operation;
struct pa_stream;

// One tune on its way to the sound server, read from its file a fraction of a
// second ahead of what is heard. The server asks for more as it plays, on the
// connection's thread, so a busy page never starves the music.
class Tune
{
public:
    explicit Tune(SoundConnection &connection);
    ~Tune();

    Tune(const Tune &) = delete;
    Tune &operator=(const Tune &) = delete;

    // Starts the file from its beginning, once: now when the connection to
    // the sound server is ready, else as soon as it is. False, and nothing
    // opened, when the file cannot be read as a WAV file or no connection can
    // be made. A tune cut off by the server going away stays silent.
    bool play(const QString &fileName);

    // Silent at once, for good. The stream itself stays open: a sound server
    // whose last stream has just gone may run on ahead with silence for a
    // second or more before it takes the next one in, so a tune is closed
    // only once the tune after it plays.
    void silence();

    bool isPlaying() const { return m_playing; }

private:
    static void streamStateChanged(pa_stream *stream, void *tune);
    static void writable(pa_stream *stream, size_t bytes, void *tune);
    static void drained(pa_stream *stream, int success, void *tune);
    void open(pa_context *context);
    void feed(size_t bytes);

    SoundConnection &m_connection;
    WavFile m_file;
    pa_stream *m_stream = nullptr;
    pa_operation *m_drain = nullptr;
    std::atomic_bool m_playing { false };
};

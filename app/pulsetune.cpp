// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "app/pulsetune.h"
#include "app/pulseconnection.h"

#include <pulse/context.h>
#include <pulse/stream.h>

namespace {

// The latency asked of the sound server, which splits it between its own
// buffer and the stream's. A server plays a new stream only at its next turn,
// and it takes turns about as often as its least patient stream asks, so this
// bounds how late a tune starts.
constexpr pa_usec_t latencyUs = 200'000;

} // namespace

PulseTune::PulseTune(PulseConnection &connection)
    : m_connection(connection)
{
}

PulseTune::~PulseTune()
{
    m_connection.lock();
    m_connection.cancel(this);
    if (m_drain) {
        if (pa_operation_get_state(m_drain) == PA_OPERATION_RUNNING)
            pa_operation_cancel(m_drain);
        pa_operation_unref(m_drain);
    }
    if (m_stream) {
        pa_stream_set_state_callback(m_stream, nullptr, nullptr);
        pa_stream_set_write_callback(m_stream, nullptr, nullptr);
        if (pa_stream_get_state(m_stream) == PA_STREAM_READY
            || pa_stream_get_state(m_stream) == PA_STREAM_CREATING)
            pa_stream_disconnect(m_stream);
        pa_stream_unref(m_stream);
    }
    m_connection.unlock();
}

bool PulseTune::play(const QString &fileName)
{
    if (!m_file.open(fileName))
        return false;
    m_playing = true;
    m_connection.lock();
    m_connection.whenReady(this, [this](pa_context *context) { open(context); });
    m_connection.unlock();
    if (!m_playing)
        m_file.close();
    return m_playing;
}

void PulseTune::silence()
{
    m_connection.lock();
    m_playing = false;
    m_connection.cancel(this);
    if (m_stream && pa_stream_get_state(m_stream) == PA_STREAM_READY) {
        if (pa_operation *cork = pa_stream_cork(m_stream, 1, nullptr, nullptr))
            pa_operation_unref(cork);
    }
    m_connection.unlock();
}

void PulseTune::open(pa_context *context)
{
    if (!context) {
        m_playing = false;
        return;
    }
    pa_sample_spec format;
    format.format = PA_SAMPLE_S16NE;
    format.rate = uint32_t(m_file.sampleRate());
    format.channels = uint8_t(m_file.channelCount());
    m_stream = pa_stream_new(context, "music", &format, nullptr);
    if (!m_stream) {
        m_playing = false;
        return;
    }
    pa_stream_set_state_callback(m_stream, &PulseTune::streamStateChanged, this);
    pa_stream_set_write_callback(m_stream, &PulseTune::writable, this);
    pa_buffer_attr buffer;
    buffer.maxlength = uint32_t(-1);
    buffer.tlength = uint32_t(pa_usec_to_bytes(latencyUs, &format));
    buffer.prebuf = uint32_t(-1);
    buffer.minreq = uint32_t(-1);
    buffer.fragsize = uint32_t(-1);
    if (pa_stream_connect_playback(m_stream, nullptr, &buffer, PA_STREAM_ADJUST_LATENCY, nullptr,
                                   nullptr)
        < 0)
        m_playing = false;
}

void PulseTune::streamStateChanged(pa_stream *stream, void *tune)
{
    if (!PA_STREAM_IS_GOOD(pa_stream_get_state(stream)))
        static_cast<PulseTune *>(tune)->m_playing = false;
}

void PulseTune::writable(pa_stream *, size_t bytes, void *tune)
{
    static_cast<PulseTune *>(tune)->feed(bytes);
}

void PulseTune::drained(pa_stream *, int, void *tune)
{
    static_cast<PulseTune *>(tune)->m_playing = false;
}

void PulseTune::feed(size_t bytes)
{
    if (!m_playing || m_drain)
        return;
    void *data = nullptr;
    if (pa_stream_begin_write(m_stream, &data, &bytes) < 0 || !data)
        return;
    const qint64 read = m_file.read(static_cast<char *>(data), qint64(bytes));
    if (read > 0)
        pa_stream_write(m_stream, data, size_t(read), nullptr, 0, PA_SEEK_RELATIVE);
    else
        pa_stream_cancel_write(m_stream);
    // The whole file is with the server: silent once it has played it.
    if (m_file.atEnd() || read <= 0)
        m_drain = pa_stream_drain(m_stream, &PulseTune::drained, this);
}

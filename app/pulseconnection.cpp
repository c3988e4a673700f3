// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "app/pulseconnection.h"
#include "app/pulsetune.h"

#include <QCoreApplication>
#include <QDebug>

#include <pulse/context.h>
#include <pulse/thread-mainloop.h>

PulseConnection::PulseConnection()
    : m_loop(pa_threaded_mainloop_new())
{
    if (m_loop)
        pa_threaded_mainloop_start(m_loop);
}

PulseConnection::~PulseConnection()
{
    if (!m_loop)
        return;
    lock();
    close();
    unlock();
    pa_threaded_mainloop_stop(m_loop);
    pa_threaded_mainloop_free(m_loop);
}

std::unique_ptr<SoundOutput> SoundOutput::create()
{
    return std::make_unique<PulseConnection>();
}

std::unique_ptr<Tune> PulseConnection::newTune()
{
    return std::make_unique<PulseTune>(*this);
}

void PulseConnection::lock()
{
    if (m_loop)
        pa_threaded_mainloop_lock(m_loop);
}

void PulseConnection::unlock()
{
    if (m_loop)
        pa_threaded_mainloop_unlock(m_loop);
}

void PulseConnection::whenReady(const void *caller, std::function<void(pa_context *)> ready)
{
    if (!m_context || !PA_CONTEXT_IS_GOOD(pa_context_get_state(m_context)))
        open();
    if (!m_context) {
        ready(nullptr);
        return;
    }
    if (pa_context_get_state(m_context) == PA_CONTEXT_READY) {
        ready(m_context);
        return;
    }
    m_waiter = caller;
    m_ready = std::move(ready);
}

void PulseConnection::cancel(const void *caller)
{
    if (m_waiter != caller)
        return;
    m_waiter = nullptr;
    m_ready = nullptr;
}

void PulseConnection::stateChanged(pa_context *context, void *connection)
{
    static_cast<PulseConnection *>(connection)->settle(context);
}

void PulseConnection::settle(pa_context *context)
{
    const pa_context_state_t state = pa_context_get_state(context);
    if (state == PA_CONTEXT_READY) {
        m_reachedServer = true;
    } else if (!PA_CONTEXT_IS_GOOD(state)) {
        // Once per server lost; a server that was never there is no news.
        if (m_reachedServer)
            qWarning("picturebook: the sound server went away; the next tune will look for it");
        m_reachedServer = false;
    } else {
        return;
    }
    auto ready = std::move(m_ready);
    m_waiter = nullptr;
    m_ready = nullptr;
    if (ready)
        ready(state == PA_CONTEXT_READY ? context : nullptr);
}

// Asks the server named by the environment or the client configuration, or
// the user's own; never starts one. Connecting does not block: the socket is
// non-blocking, and the rest happens on the connection's thread.
void PulseConnection::open()
{
    close();
    if (!m_loop)
        return;
    const QByteArray name = QCoreApplication::applicationName().toUtf8();
    m_context = pa_context_new(pa_threaded_mainloop_get_api(m_loop),
                               name.isEmpty() ? "picturebook" : name.constData());
    if (!m_context)
        return;
    pa_context_set_state_callback(m_context, &PulseConnection::stateChanged, this);
    if (pa_context_connect(m_context, nullptr, PA_CONTEXT_NOAUTOSPAWN, nullptr) < 0)
        close();
}

// Streams still open on the old connection keep it alive until they go.
void PulseConnection::close()
{
    if (!m_context)
        return;
    pa_context_set_state_callback(m_context, nullptr, nullptr);
    pa_context_disconnect(m_context);
    pa_context_unref(m_context);
    m_context = nullptr;
}

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include "app/soundoutput.h"

#include <functional>

struct pa_context;
struct pa_threaded_mainloop;

// The program's line to the sound server (PulseAudio, or PipeWire's
// PulseAudio service), with a thread of its own that talks to it, so that
// the pages never wait on the server.
//
// A sound server can go away at any time and come back: a session restart, a
// crash, a headset changing profiles. A connection that failed is given up,
// and the next tune asked for opens a new one; nothing is retried while no
// tune is wanted, so a missing server costs nothing.
//
// Every call, and every use of the context it hands out, needs the lock.
// Callbacks from libpulse run on the connection's thread with the lock held.
class PulseConnection : public SoundOutput
{
public:
    PulseConnection();
    ~PulseConnection() override;

    std::unique_ptr<Tune> newTune() override;

    void lock();
    void unlock();

    // Runs `ready` with the connection once it is ready: at once when it is,
    // else on the connection's thread; with null when it cannot be made.
    // A connection that failed or ended is replaced by a new one first. One
    // caller waits at a time: a later call takes the place of an earlier one.
    void whenReady(const void *caller, std::function<void(pa_context *)> ready);
    // `caller` no longer waits.
    void cancel(const void *caller);

private:
    static void stateChanged(pa_context *context, void *connection);
    void settle(pa_context *context);
    void open();
    void close();

    pa_threaded_mainloop *const m_loop;
    pa_context *m_context = nullptr;
    bool m_reachedServer = false;
    const void *m_waiter = nullptr;
    std::function<void(pa_context *)> m_ready;
};

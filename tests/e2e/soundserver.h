// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include "privatesession.h"

#include <QList>
#include <QProcess>

// A private PulseAudio server whose only output is a null sink, and an ear on
// that sink: what the reader plays is recorded from the sink's monitor, so the
// tests hear exactly what a user would, without a sound card and without
// touching anyone's own sound server.
class SoundServer
{
public:
    ~SoundServer() { stop(); }

    // Starts the server with its sockets and state in `runtimeDir`, which must
    // exist and be short enough for a socket path, then records the sink.
    bool start(const QString &runtimeDir, QString *error);
    bool stop();
    // Ends the server at once, as a crash does (SIGKILL), and then the ear.
    bool kill();
    // Stops the server answering (SIGSTOP) as a hung one does, or lets it go on.
    bool hold(bool held);
    bool isRunning() const { return m_session.isRunning(); }
    // Starts it again on the same socket, with a fresh ear on the sink, and
    // a stream of silence that keeps it as a desktop's server is after its
    // first streams: a server that has just started takes its first stream
    // in only when it wakes from its first long sleep, a second or two later,
    // whichever client asks (paplay too).
    bool restart(QString *error);

    // The given environment, made to reach this server and nothing else.
    QProcessEnvironment environment(QProcessEnvironment base) const;
    QList<qint64> pids() const { return { m_session.pid("PULSE"), m_recorder.processId() }; }

    // Which of `tones` (in hertz) the last `windowMs` of sound hold: 0 for
    // silence, -1 for anything else.
    int currentTone(const QList<int> &tones, int windowMs);
    // Records `ms` (at most 3000) from now on: was all of it silent?
    bool staysSilent(int ms);
    // What the last `ms` held, 50 ms at a time, for failure messages.
    QString recentHistory(const QList<int> &tones, int ms);

private:
    qint64 drain(); // returns how much was ever recorded

    PrivateSession m_session;
    QProcess m_recorder;
    QProcess m_keeper;
    QString m_runtimeDir;
    QByteArray m_recorded; // the last four seconds, 16-bit mono
    qint64 m_totalBytes = 0;
};

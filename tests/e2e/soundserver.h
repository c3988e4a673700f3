// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QList>
#include <QProcess>
#include <QProcessEnvironment>
#include <QString>

// A private PulseAudio server whose only output is a null sink, and an ear
// on that sink: everything the reader plays is recorded from the sink's
// monitor, so the tests hear exactly what a user would, without a sound card
// and without touching anyone's own sound server.
class SoundServer
{
public:
    static constexpr int sampleRate = 44100;

    SoundServer() = default;
    ~SoundServer();

    SoundServer(const SoundServer &) = delete;
    SoundServer &operator=(const SoundServer &) = delete;

    // Starts the server with its sockets and state in `runtimeDir`, which
    // must exist and be short enough for a socket path; then starts
    // recording the sink.
    bool start(const QString &runtimeDir, QString *error);
    bool stop();

    // The given environment, made to reach this server and nothing else.
    QProcessEnvironment environment(QProcessEnvironment base) const;
    QString sinkName() const { return QStringLiteral("picturebook_e2e"); }
    qint64 serverPid() const { return m_server.processId(); }
    qint64 recorderPid() const { return m_recorder.processId(); }

    // What the last `windowMs` of recorded sound hold: ToneAnalysis::silence,
    // one of `tones` (in hertz), or ToneAnalysis::unknownSound.
    int currentTone(const QList<int> &tones, int windowMs = 250);

    // Records `ms` (at most 3000) of sound from now on and tells whether
    // all of it was silent, 50 ms at a time.
    bool staysSilent(int ms);

    // What the last `ms` of sound held, 50 ms at a time, for failure
    // messages: "554 Hz x12, silence x4" and so on.
    QString recentHistory(const QList<int> &tones, int ms);

private:
    void drain();

    QProcess m_server;
    QProcess m_recorder;
    QString m_runtimeDir;
    QByteArray m_recorded; // the most recent sound, 16-bit mono
    qint64 m_totalBytes = 0;
};

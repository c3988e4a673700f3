// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QProcess>
#include <QProcessEnvironment>

// Servers of the tests' own (an X server, a sound server, a session bus),
// started by scripts/private-session.sh, which every test, benchmark and
// check that runs the real program shares. They live as long as this object,
// and no longer than the process that made it.
class PrivateSession
{
public:
    ~PrivateSession() { stop(); }

    // Starts the servers that `options` name (--display, --sound, --bus) with
    // their state in `runtimeDir`. On failure, `error` says why.
    bool start(const QStringList &options, const QString &runtimeDir, QString *error);
    bool stop();
    bool isRunning() const { return m_script.state() == QProcess::Running; }

    // What a client needs to reach the servers (DISPLAY, PULSE_SERVER, ...).
    QProcessEnvironment variables() const { return m_variables; }
    QString variable(const QString &name) const { return m_variables.value(name); }
    // A server's process, by the name the script gives it (XVFB, PULSE, BUS).
    qint64 pid(const char *server) const;
    // Waits for the servers to end by themselves, after one was killed.
    bool waitForEnd(int timeoutMs) { return m_script.waitForFinished(timeoutMs); }

private:
    QProcess m_script;
    QProcessEnvironment m_variables;
};

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QProcess>

#include <csignal>
#include <sys/prctl.h>

// Every program the end-to-end tests start is tied to the test's own life, so
// that a crashed or killed test leaves no X server, sound server or reader behind.
namespace ChildProcess {

// The kernel sends the process SIGTERM when the test process dies.
inline void endWithTest(QProcess &process)
{
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

// SIGTERM first, SIGKILL when it lingers; false only when it could not be ended.
inline bool stop(QProcess &process, int graceMs = 3000)
{
    if (process.state() == QProcess::NotRunning)
        return true;
    process.terminate();
    if (process.waitForFinished(graceMs))
        return true;
    process.kill();
    return process.waitForFinished(graceMs);
}

// Runs a short command to its end; false on a failure or a timeout.
inline bool run(const QString &program, const QStringList &arguments,
                const QProcessEnvironment &environment, int timeoutMs = 10000,
                QByteArray *output = nullptr)
{
    QProcess process;
    endWithTest(process);
    process.setProcessEnvironment(environment);
    process.setProcessChannelMode(QProcess::MergedChannels);
    process.start(program, arguments);
    const bool finished = process.waitForFinished(timeoutMs);
    if (!finished)
        stop(process, 500);
    if (output)
        *output = process.readAll();
    return finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
}

// Whether a process with this PID still exists, reaped or not.
inline bool isAlive(qint64 pid)
{
    return pid > 0 && ::kill(pid_t(pid), 0) == 0;
}

} // namespace ChildProcess

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QByteArray>
#include <QProcess>
#include <QString>
#include <QStringList>

// Helpers for the programs the end-to-end tests start: every one of them is
// tied to the test's own life, so that a crashed or killed test leaves no X
// server, sound server or reader behind.
namespace ChildProcess {

// Prepares a process so that the kernel sends it SIGTERM when the test
// process dies.
void endWithTest(QProcess &process);

// Ends a running process by its own PID: SIGTERM first, SIGKILL when it
// lingers. Returns false only when the process could not be ended at all.
bool stop(QProcess &process, int graceMs = 3000);

// Runs a short command to its end and returns its standard output; on a
// failure or a timeout the process is killed and `ok` is false.
QByteArray run(const QString &program, const QStringList &arguments,
               const QProcessEnvironment &environment, bool *ok, int timeoutMs = 10000);

// Whether a process with this PID still exists (a zombie counts as gone).
bool isAlive(qint64 pid);

} // namespace ChildProcess

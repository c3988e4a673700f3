// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "childprocess.h"

#include <QFile>

#include <csignal>
#include <sys/prctl.h>

namespace ChildProcess {

void endWithTest(QProcess &process)
{
    process.setChildProcessModifier([] { ::prctl(PR_SET_PDEATHSIG, SIGTERM); });
}

bool stop(QProcess &process, int graceMs)
{
    if (process.state() == QProcess::NotRunning)
        return true;
    process.terminate();
    if (process.waitForFinished(graceMs))
        return true;
    process.kill();
    return process.waitForFinished(graceMs);
}

QByteArray run(const QString &program, const QStringList &arguments,
               const QProcessEnvironment &environment, bool *ok, int timeoutMs)
{
    QProcess process;
    endWithTest(process);
    process.setProcessEnvironment(environment);
    process.start(program, arguments);
    const bool finished = process.waitForStarted(timeoutMs) && process.waitForFinished(timeoutMs);
    if (!finished)
        stop(process, 500);
    *ok = finished && process.exitStatus() == QProcess::NormalExit && process.exitCode() == 0;
    return process.readAllStandardOutput();
}

bool isAlive(qint64 pid)
{
    if (pid <= 0)
        return false;
    // /proc/<pid>/stat reads "pid (name) state ..."; Z marks a zombie.
    QFile stat(QStringLiteral("/proc/%1/stat").arg(pid));
    if (!stat.open(QIODevice::ReadOnly))
        return false;
    const QByteArray line = stat.readAll();
    const int close = line.lastIndexOf(')');
    return close > 0 && close + 2 < line.size() && line.at(close + 2) != 'Z';
}

} // namespace ChildProcess

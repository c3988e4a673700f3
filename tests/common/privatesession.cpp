// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "privatesession.h"

#include "childprocess.h"

#include <QTest>

bool PrivateSession::start(const QStringList &options, const QString &runtimeDir, QString *error)
{
    stop();
    m_variables = QProcessEnvironment();
    ChildProcess::endWithTest(m_script);
    m_script.setStandardErrorFile(QProcess::nullDevice());
    m_script.start(PICTUREBOOK_SOURCE_DIR "/scripts/private-session.sh",
                   QStringList { "run" } + options + QStringList { runtimeDir });
    bool ready = false;
    const bool answered = QTest::qWaitFor(
        [&] {
            while (!ready && m_script.canReadLine()) {
                const QString line = QString::fromLocal8Bit(m_script.readLine()).trimmed();
                if (line == QLatin1String("READY"))
                    ready = true;
                else
                    m_variables.insert(line.section(u'=', 0, 0), line.section(u'=', 1));
            }
            return ready || m_script.state() == QProcess::NotRunning;
        },
        20000);
    if (!answered || !ready) {
        *error = "the private servers did not start (" + options.join(u' ') + "); see "
            + runtimeDir + "/pulse.log";
        stop();
    }
    return ready;
}

bool PrivateSession::stop()
{
    // The script ends its servers on SIGTERM before it goes.
    return ChildProcess::stop(m_script, 10000);
}

qint64 PrivateSession::pid(const char *server) const
{
    return m_variables.value(QStringLiteral("PICTUREBOOK_%1_PID").arg(QLatin1String(server)))
        .toLongLong();
}

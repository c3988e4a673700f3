// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "soundserver.h"

#include "childprocess.h"
#include "toneanalysis.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTest>

namespace {

// Below this level (about -44 dBFS) a recording counts as silence; the test
// tones play at about -11 dBFS.
constexpr double silenceRms = 200.0;
constexpr int bytesPerMs = SoundServer::sampleRate * 2 / 1000;
constexpr int keptBytes = SoundServer::sampleRate * 2 * 4;

} // namespace

SoundServer::~SoundServer()
{
    stop();
}

bool SoundServer::start(const QString &runtimeDir, QString *error)
{
    m_runtimeDir = runtimeDir;
    // Clients must never spawn a server of their own when ours is not there.
    QFile clientConf(runtimeDir + QStringLiteral("/client.conf"));
    if (!clientConf.open(QIODevice::WriteOnly) || clientConf.write("autospawn = no\n") < 0) {
        *error = QStringLiteral("cannot write ") + clientConf.fileName();
        return false;
    }
    clientConf.close();

    QProcessEnvironment env = QProcessEnvironment::systemEnvironment();
    env.insert(QStringLiteral("XDG_RUNTIME_DIR"), runtimeDir);
    env.insert(QStringLiteral("HOME"), runtimeDir);
    env.insert(QStringLiteral("PULSE_STATE_PATH"), runtimeDir + QStringLiteral("/state"));
    m_server.setProcessEnvironment(env);
    ChildProcess::endWithTest(m_server);
    m_server.setStandardOutputFile(QProcess::nullDevice());
    m_server.setStandardErrorFile(QProcess::nullDevice());
    const QString socket = runtimeDir + QStringLiteral("/native");
    // -n: none of the system's configuration, so no real sound card and no
    // idle suspension; the null sink plays in real time all the same.
    m_server.start(QStringLiteral("pulseaudio"),
                   { QStringLiteral("-n"), QStringLiteral("--daemonize=no"),
                     QStringLiteral("--exit-idle-time=-1"), QStringLiteral("--disallow-exit"),
                     QStringLiteral("--disable-shm=yes"), QStringLiteral("--use-pid-file=no"),
                     QStringLiteral("--log-target=file:") + runtimeDir + QStringLiteral("/pulse.log"),
                     QStringLiteral("-L"),
                     QStringLiteral("module-null-sink sink_name=%1 rate=%2").arg(sinkName()).arg(sampleRate),
                     QStringLiteral("-L"),
                     QStringLiteral("module-native-protocol-unix auth-anonymous=1 socket=") + socket });
    if (!m_server.waitForStarted(5000)) {
        *error = QStringLiteral("pulseaudio did not start: ") + m_server.errorString();
        return false;
    }
    QElapsedTimer timer;
    timer.start();
    while (!QFileInfo(socket).exists()) {
        if (timer.elapsed() > 10000 || m_server.state() != QProcess::Running) {
            *error = QStringLiteral("pulseaudio did not open its socket; see ") + runtimeDir
                + QStringLiteral("/pulse.log");
            stop();
            return false;
        }
        QTest::qWait(50);
    }

    m_recorder.setProcessEnvironment(environment(QProcessEnvironment::systemEnvironment()));
    ChildProcess::endWithTest(m_recorder);
    m_recorder.setStandardErrorFile(runtimeDir + QStringLiteral("/recorder.log"));
    // The recorder asks for no latency of its own: one that did would make the
    // server hurry for every stream, and a player that is only prompt on such
    // a server would pass.
    m_recorder.start(QStringLiteral("parec"),
                     { QStringLiteral("--device=") + sinkName() + QStringLiteral(".monitor"),
                       QStringLiteral("--format=s16le"),
                       QStringLiteral("--rate=%1").arg(sampleRate), QStringLiteral("--channels=1"),
                       QStringLiteral("--raw") });
    if (!m_recorder.waitForStarted(5000)) {
        *error = QStringLiteral("parec did not start: ") + m_recorder.errorString();
        stop();
        return false;
    }
    // The recording is live once the first sound (silence, here) arrives.
    timer.restart();
    while (m_totalBytes < 50 * bytesPerMs) {
        if (timer.elapsed() > 10000 || m_recorder.state() != QProcess::Running) {
            *error = QStringLiteral("nothing could be recorded from the sound server");
            stop();
            return false;
        }
        QTest::qWait(20);
        drain();
    }
    return true;
}

bool SoundServer::stop()
{
    const bool recorderStopped = ChildProcess::stop(m_recorder);
    const bool serverStopped = ChildProcess::stop(m_server);
    return recorderStopped && serverStopped;
}

QProcessEnvironment SoundServer::environment(QProcessEnvironment base) const
{
    base.insert(QStringLiteral("PULSE_SERVER"), QStringLiteral("unix:") + m_runtimeDir + QStringLiteral("/native"));
    base.insert(QStringLiteral("PULSE_SINK"), sinkName());
    base.insert(QStringLiteral("PULSE_CLIENTCONFIG"), m_runtimeDir + QStringLiteral("/client.conf"));
    base.insert(QStringLiteral("XDG_RUNTIME_DIR"), m_runtimeDir);
    return base;
}

void SoundServer::drain()
{
    while (m_recorder.waitForReadyRead(0)) {
    }
    const QByteArray fresh = m_recorder.readAllStandardOutput();
    m_recorded += fresh;
    m_totalBytes += fresh.size();
    if (m_recorded.size() > keptBytes) {
        // Cut whole samples only, counted from the start of the recording.
        qint64 cut = m_recorded.size() - keptBytes;
        const qint64 firstKept = m_totalBytes - m_recorded.size() + cut;
        cut += firstKept % 2;
        m_recorded.remove(0, int(cut));
    }
}

int SoundServer::currentTone(const QList<int> &tones, int windowMs)
{
    drain();
    const int want = windowMs * bytesPerMs;
    // Whole samples: the window ends on an even offset of the recording.
    const int end = m_recorded.size() - int((m_totalBytes) % 2);
    if (end < want)
        return ToneAnalysis::unknownSound;
    const auto *samples = reinterpret_cast<const qint16 *>(m_recorded.constData() + end - want);
    return ToneAnalysis::dominantTone(samples, want / 2, sampleRate, tones, silenceRms);
}

bool SoundServer::staysSilent(int ms)
{
    // Older sound than this is no longer kept.
    ms = std::min(ms, 3000);
    drain();
    const qint64 from = m_totalBytes + m_totalBytes % 2;
    const qint64 until = from + qint64(ms) * bytesPerMs;
    QElapsedTimer timer;
    timer.start();
    while (m_totalBytes < until && timer.elapsed() < ms + 5000) {
        QTest::qWait(20);
        drain();
    }
    if (m_totalBytes < until)
        return false;
    const qint64 firstKept = m_totalBytes - m_recorded.size();
    const int block = 50 * bytesPerMs;
    double maximum = 0.0;
    for (qint64 at = from; at + block <= until; at += block) {
        const auto *samples = reinterpret_cast<const qint16 *>(m_recorded.constData() + (at - firstKept));
        maximum = std::max(maximum, ToneAnalysis::rms(samples, block / 2));
    }
    return maximum < silenceRms;
}

QString SoundServer::recentHistory(const QList<int> &tones, int ms)
{
    drain();
    const int block = 50 * bytesPerMs;
    const int end = m_recorded.size() - int(m_totalBytes % 2);
    QStringList parts;
    QString last;
    int repeats = 0;
    // The last round lies past the recording and closes the last run.
    for (int at = std::max(0, end - ms * bytesPerMs); at <= end; at += block) {
        QString name;
        if (at + block <= end) {
            const auto *samples = reinterpret_cast<const qint16 *>(m_recorded.constData() + at);
            const int tone = ToneAnalysis::dominantTone(samples, block / 2, sampleRate, tones, silenceRms);
            name = tone == ToneAnalysis::silence    ? QStringLiteral("silence")
                : tone == ToneAnalysis::unknownSound ? QStringLiteral("noise")
                                                     : QStringLiteral("%1 Hz").arg(tone);
        }
        if (name != last && repeats)
            parts.append(QStringLiteral("%1 x%2").arg(last).arg(repeats));
        repeats = name == last ? repeats + 1 : 1;
        last = name;
    }
    return parts.join(QStringLiteral(", "));
}

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "soundserver.h"

#include "childprocess.h"
#include "toneanalysis.h"

#include <QElapsedTimer>
#include <QFileInfo>
#include <QTest>

#include <cmath>

namespace {

constexpr int sampleRate = 44100;
constexpr int bytesPerMs = sampleRate * 2 / 1000;
constexpr int blockBytes = 50 * bytesPerMs;
// Below this level (about -44 dBFS) a recording counts as silence; the test
// tones play at about -11 dBFS.
constexpr double silenceRms = 200.0;

// 0 for silence; else the tone that carries at least half of the sound, or -1.
int dominantTone(const char *data, int count, const QList<int> &tones)
{
    const auto *samples = reinterpret_cast<const qint16 *>(data);
    const double level = rms(samples, count);
    if (level < silenceRms)
        return 0;
    int best = -1;
    double bestAmplitude = 0.0;
    for (int tone : tones) {
        const double amplitude = amplitudeAt(samples, count, tone, sampleRate);
        if (amplitude > bestAmplitude) {
            bestAmplitude = amplitude;
            best = tone;
        }
    }
    // A pure sine of amplitude A has an RMS of A / sqrt(2).
    return bestAmplitude >= 0.5 * level * std::sqrt(2.0) ? best : -1;
}

} // namespace

bool SoundServer::start(const QString &runtimeDir, QString *error)
{
    m_runtimeDir = runtimeDir;
    const qint64 recordedBefore = m_totalBytes;
    if (!m_session.start({ QStringLiteral("--sound") }, runtimeDir, error))
        return false;

    m_recorder.setProcessEnvironment(environment(QProcessEnvironment::systemEnvironment()));
    ChildProcess::endWithTest(m_recorder);
    m_recorder.setStandardErrorFile(runtimeDir + "/recorder.log");
    // The recorder asks for no latency of its own: one that did would make the
    // server hurry for every stream, and a player that is only prompt on such
    // a server would pass.
    m_recorder.start("parec",
                     { "--device=" + m_session.variable("PULSE_SINK") + ".monitor", "--format=s16le",
                       QStringLiteral("--rate=%1").arg(sampleRate), "--channels=1", "--raw" });
    // The recording is live once the first sound (silence, here) arrives.
    if (!QTest::qWaitFor([&] { return drain() >= recordedBefore + blockBytes; }, 10000)) {
        *error = "nothing could be recorded from the sound server";
        return false;
    }
    return true;
}

bool SoundServer::restart(QString *error)
{
    if (!start(m_runtimeDir, error))
        return false;
    m_keeper.setProcessEnvironment(environment(QProcessEnvironment::systemEnvironment()));
    ChildProcess::endWithTest(m_keeper);
    m_keeper.setStandardErrorFile(m_runtimeDir + "/keeper.log");
    // Asks the latency the reader asks.
    m_keeper.start("pacat",
                   { "--playback", "--raw", "--format=s16le", "--channels=1", "--latency-msec=200",
                     "/dev/zero" });
    // The server has taken the stream in once the ear hears it in small
    // pieces, a few tenths of a second apart, no longer a second or more.
    QElapsedTimer sinceLast;
    qint64 recorded = drain();
    const auto prompt = [&] {
        const qint64 now = drain();
        if (now == recorded)
            return false;
        recorded = now;
        const bool soon = sinceLast.isValid() && sinceLast.elapsed() < 300;
        sinceLast.start();
        return soon;
    };
    if (!m_keeper.waitForStarted(5000) || !QTest::qWaitFor(prompt, 5000)) {
        *error = "the restarted sound server did not take a stream in";
        return false;
    }
    return true;
}

bool SoundServer::stop()
{
    ChildProcess::stop(m_keeper);
    const bool recorderStopped = ChildProcess::stop(m_recorder);
    return m_session.stop() && recorderStopped;
}

bool SoundServer::kill()
{
    const bool killed = ::kill(pid_t(m_session.pid("PULSE")), SIGKILL) == 0;
    ChildProcess::stop(m_keeper);
    // The session ends with its only server.
    const bool ended = m_session.waitForEnd(3000);
    // What the ear had taken in before counts; its socket is gone with the server.
    drain();
    const bool recorderStopped = ChildProcess::stop(m_recorder);
    return QFile::remove(m_runtimeDir + "/native") && killed && ended && recorderStopped;
}

bool SoundServer::hold(bool held)
{
    return isRunning() && ::kill(pid_t(m_session.pid("PULSE")), held ? SIGSTOP : SIGCONT) == 0;
}

QProcessEnvironment SoundServer::environment(QProcessEnvironment base) const
{
    // With a server named, a client never spawns one of its own.
    const QProcessEnvironment session = m_session.variables();
    for (const QString &name : session.keys()) {
        if (!name.startsWith(QLatin1String("PICTUREBOOK_")))
            base.insert(name, session.value(name));
    }
    return base;
}

qint64 SoundServer::drain()
{
    while (m_recorder.waitForReadyRead(0)) { }
    const QByteArray fresh = m_recorder.readAllStandardOutput();
    m_recorded += fresh;
    m_totalBytes += fresh.size();
    // What is kept starts at a whole sample of the recording.
    const qint64 cut = m_recorded.size() - 4 * sampleRate * 2;
    if (cut > 0)
        m_recorded.remove(0, int(cut + (m_totalBytes - m_recorded.size() + cut) % 2));
    return m_totalBytes;
}

int SoundServer::currentTone(const QList<int> &tones, int windowMs)
{
    drain();
    const int want = windowMs * bytesPerMs;
    const int end = m_recorded.size() & ~1;
    return end < want ? -1 : dominantTone(m_recorded.constData() + end - want, want / 2, tones);
}

bool SoundServer::staysSilent(int ms)
{
    // Older sound than this is no longer kept.
    ms = std::min(ms, 3000);
    drain();
    const qint64 from = m_totalBytes + m_totalBytes % 2;
    const qint64 until = from + qint64(ms) * bytesPerMs;
    if (!QTest::qWaitFor([&] { return drain() >= until; }, ms + 5000))
        return false;
    const qint64 firstKept = m_totalBytes - m_recorded.size();
    double loudest = 0.0;
    for (qint64 at = from; at + blockBytes <= until; at += blockBytes) {
        const char *block = m_recorded.constData() + (at - firstKept);
        loudest = std::max(loudest, rms(reinterpret_cast<const qint16 *>(block), blockBytes / 2));
    }
    return loudest < silenceRms;
}

QString SoundServer::recentHistory(const QList<int> &tones, int ms)
{
    drain();
    const int end = m_recorded.size() & ~1;
    QStringList history;
    for (int at = std::max(0, end - ms * bytesPerMs); at + blockBytes <= end; at += blockBytes)
        history << QString::number(
            dominantTone(m_recorded.constData() + at, blockBytes / 2, tones));
    return history.join(u' ') + " (Hz, 0 for silence, -1 for noise)";
}

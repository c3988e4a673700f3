// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "app/qttune.h"

#include <QAudioDevice>
#include <QAudioSink>
#include <QMediaDevices>

#include <algorithm>

namespace {

// The latency asked of the sound server, which splits it between its own
// buffer and the stream's. A server plays a new stream only at its next turn,
// and it takes turns about as often as its least patient stream asks, so this
// bounds how late a tune starts. The stream's part still rides over a busy
// moment of the program (building a page, a paint) on a loaded machine.
constexpr qint64 latencyUs = 200'000;

} // namespace

QtTune::QtTune()
{
    m_feeder.setTimerType(Qt::PreciseTimer);
}

QtTune::~QtTune() = default;

bool QtTune::play(const QString &fileName)
{
    if (!m_file.open(fileName))
        return false;
    const QAudioDevice device = QMediaDevices::defaultAudioOutput();
    if (device.isNull()) {
        m_file.close();
        return false;
    }
    m_format.setSampleRate(m_file.sampleRate());
    m_format.setChannelCount(m_file.channelCount());
    m_format.setSampleFormat(QAudioFormat::Int16);
    m_output = std::make_unique<QAudioSink>(device, m_format);
    m_output->setBufferSize(m_format.bytesForDuration(latencyUs));
    m_input = m_output->start();
    if (!m_input || m_output->error() != QAudio::NoError) {
        m_output.reset();
        m_file.close();
        return false;
    }
    m_playing = true;
    // A quarter of what the output holds is taken between two feeds.
    const qint64 heldUs = m_format.durationForBytes(m_output->bufferSize());
    m_feeder.setInterval(std::max<int>(10, int(heldUs / 4000)));
    QObject::connect(&m_feeder, &QTimer::timeout, m_output.get(), [this] { feed(); });
    m_feeder.start();
    feed();
    return true;
}

void QtTune::silence()
{
    m_feeder.stop();
    m_playing = false;
    if (m_output)
        m_output->suspend();
}

void QtTune::feed()
{
    if (!m_playing)
        return;
    // The sound server went away; nothing more will be heard of this tune.
    if (m_output->state() == QAudio::StoppedState) {
        silence();
        return;
    }
    const int frameBytes = m_file.bytesPerFrame();
    qint64 room = m_output->bytesFree();
    room -= room % frameBytes;
    if (m_pending.isEmpty() && room > 0) {
        m_pending.resize(room);
        m_pending.resize(m_file.read(m_pending.data(), room));
    }
    if (!m_pending.isEmpty()) {
        const qint64 written
            = m_input->write(m_pending.constData(), std::min<qint64>(room, m_pending.size()));
        m_pending.remove(0, std::max<qint64>(0, written));
    }
    if (m_pending.isEmpty() && m_file.atEnd())
        finish();
}

// The whole file is with the output: silent once it has played what it holds.
void QtTune::finish()
{
    m_feeder.stop();
    const qint64 held = std::max<qint64>(0, m_output->bufferSize() - m_output->bytesFree());
    const int ms = int(m_format.durationForBytes(held) / 1000);
    QTimer::singleShot(ms, m_output.get(), [this] { silence(); });
}

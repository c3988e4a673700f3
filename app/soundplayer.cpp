// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "app/soundplayer.h"
#include "app/soundoutput.h"
#include "app/tune.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>

namespace {

// Named at start-up but never heard: the main window switches to the title
// track straight away.
const char startupSound[] = "music/cm1_003.wav";

const char *trackFile(int track)
{
    switch (track) {
    case 0:
        return "music/0.wav";
    case 1:
    case 3:
        return "music/1.wav";
    case 2:
        return "music/2.wav";
    case 4:
        return "music/title.wav";
    default:
        return nullptr;
    }
}

} // namespace

SoundPlayer::SoundPlayer()
    : m_output(SoundOutput::create())
    , m_source(resolveMusicFile(QString::fromLatin1(startupSound)))
{
}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::play(int track)
{
    stop();
    const char *file = trackFile(track);
    if (!file) {
        m_source.clear();
        return;
    }
    m_source = resolveMusicFile(QString::fromLatin1(file));
    if (m_muted)
        m_heldBack = true;
    else
        start();
}

void SoundPlayer::start()
{
    std::unique_ptr<Tune> tune = m_output->newTune();
    if (tune->play(m_source))
        m_tune = std::move(tune);
}

void SoundPlayer::stop()
{
    m_heldBack = false;
    if (m_tune)
        m_tune->silence();
}

void SoundPlayer::setMuted(bool muted)
{
    if (muted == m_muted)
        return;
    if (muted) {
        const bool playing = isPlaying();
        stop();
        m_heldBack = playing;
    } else if (m_heldBack) {
        m_heldBack = false;
        start();
    }
    m_muted = muted;
}

QString SoundPlayer::source() const
{
    return m_source;
}

bool SoundPlayer::isPlaying() const
{
    return m_tune && m_tune->isPlaying();
}

QString SoundPlayer::resolveMusicFile(const QString &relativePath)
{
    const QFileInfo inCurrentDir(relativePath);
    if (inCurrentDir.exists())
        return inCurrentDir.absoluteFilePath();

    // Started from elsewhere (a desktop launcher, a shell in another folder):
    // fall back to the tunes that ship with the program.
    const QDir appDir(QCoreApplication::applicationDirPath());
    const QString candidates[] = {
        appDir.filePath(relativePath),
        appDir.filePath(QStringLiteral("../share/picturebook/") + relativePath),
    };
    for (const QString &candidate : candidates) {
        if (QFileInfo::exists(candidate))
            return QFileInfo(candidate).absoluteFilePath();
    }
    // Nothing found anywhere: keep the plain name; the sound stays silent.
    return inCurrentDir.absoluteFilePath();
}

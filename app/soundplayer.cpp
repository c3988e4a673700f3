// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "app/soundplayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QEventLoop>
#include <QFileInfo>
#include <QSoundEffect>
#include <QTimer>
#include <QUrl>

#include <algorithm>

namespace {

// Loaded at start-up but never heard: the main window switches to the title
// track straight away.
const char startupSound[] = "music/cm1_003.wav";

// How long the player waits, when it goes, for sound files still being read.
constexpr int maxLoadWaitMs = 3000;

bool stillLoading(const std::unique_ptr<QSoundEffect> &sound)
{
    return sound && sound->status() == QSoundEffect::Loading;
}

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
{
    load(QString::fromLatin1(startupSound));
}

SoundPlayer::~SoundPlayer()
{
    stop();
    waitUntilLoaded();
}

void SoundPlayer::play(int track)
{
    m_retired.erase(std::remove_if(m_retired.begin(), m_retired.end(),
                                   [](const auto &sound) { return !stillLoading(sound); }),
                    m_retired.end());
    if (stillLoading(m_sound)) {
        m_sound->stop();
        m_retired.push_back(std::move(m_sound));
    }
    // Destroying the old sound stops it, so a replayed track starts afresh.
    m_sound.reset();
    const char *file = trackFile(track);
    if (!file)
        return;
    load(QString::fromLatin1(file));
    m_sound->play();
}

void SoundPlayer::stop()
{
    if (m_sound)
        m_sound->stop();
}

QString SoundPlayer::source() const
{
    return m_sound ? m_sound->source().toLocalFile() : QString();
}

bool SoundPlayer::isPlaying() const
{
    return m_sound && m_sound->isPlaying();
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

bool SoundPlayer::isLoading() const
{
    return stillLoading(m_sound) || std::any_of(m_retired.begin(), m_retired.end(), stillLoading);
}

void SoundPlayer::waitUntilLoaded()
{
    if (!isLoading())
        return;
    // A sound learns that its file has been read through the event loop.
    QEventLoop loop;
    QTimer::singleShot(maxLoadWaitMs, &loop, &QEventLoop::quit);
    const auto quitWhenLoaded = [this, &loop] {
        if (!isLoading())
            loop.quit();
    };
    if (m_sound)
        QObject::connect(m_sound.get(), &QSoundEffect::statusChanged, &loop, quitWhenLoaded);
    for (const auto &sound : m_retired)
        QObject::connect(sound.get(), &QSoundEffect::statusChanged, &loop, quitWhenLoaded);
    loop.exec(QEventLoop::ExcludeUserInputEvents);
}

void SoundPlayer::load(const QString &relativePath)
{
    m_sound = std::make_unique<QSoundEffect>();
    m_sound->setSource(QUrl::fromLocalFile(resolveMusicFile(relativePath)));
}

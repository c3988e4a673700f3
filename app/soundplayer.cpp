#include "app/soundplayer.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QSoundEffect>
#include <QUrl>

namespace {

// Loaded at start-up but never heard: the main window switches to the title
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
{
    load(QString::fromLatin1(startupSound));
}

SoundPlayer::~SoundPlayer() = default;

void SoundPlayer::play(int track)
{
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

void SoundPlayer::load(const QString &relativePath)
{
    m_sound = std::make_unique<QSoundEffect>();
    m_sound->setSource(QUrl::fromLocalFile(resolveMusicFile(relativePath)));
}

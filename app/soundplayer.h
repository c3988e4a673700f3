// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include <memory>
#include <vector>

class QSoundEffect;

// Plays the background music: one track at a time, each from its beginning,
// once. Exactly one player exists; the main window owns it and every page
// holds the same pointer.
class SoundPlayer
{
public:
    SoundPlayer();
    ~SoundPlayer();

    SoundPlayer(const SoundPlayer &) = delete;
    SoundPlayer &operator=(const SoundPlayer &) = delete;

    // Replaces the current sound with the track's file and starts it.
    // Tracks are 0 to 4; any other number leaves the player silent with no
    // current sound.
    void play(int track);
    void stop();

    // The file of the current sound, empty when there is none.
    QString source() const;
    bool isPlaying() const;

    // Where "music/<name>" is read from: the current directory when the file
    // is there, else the music folder installed beside the executable.
    static QString resolveMusicFile(const QString &relativePath);

private:
    void load(const QString &relativePath);
    bool isLoading() const;
    void waitUntilLoaded();

    std::unique_ptr<QSoundEffect> m_sound;
    // Sounds replaced while their file was still being read. Qt reads sound
    // files on a thread of its own; a program that quits while that thread is
    // busy can hang or crash on its way out, and a sound destroyed before its
    // file is read never hands the file's data back. So a replaced sound is
    // kept, silent, until its file has been read, and the player waits for
    // every read before it goes.
    std::vector<std::unique_ptr<QSoundEffect>> m_retired;
};

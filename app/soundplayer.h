// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

#include <memory>

class SoundOutput;
class Tune;

// Plays the background music: one track at a time, each from its beginning,
// once. Exactly one player exists; the main window owns it and every page
// holds the same pointer.
//
// Tracks are streamed from their files as they play, so a new one is heard
// as soon as it is asked for, and no more than a fraction of a second of it
// is ever held.
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

    // Music off and on for the rest of the run. While muted nothing is heard:
    // play() only notes the track, and turning the music on again starts the
    // noted track from its beginning, unless it was stopped in between or
    // had played to its end before the music went off.
    void setMuted(bool muted);
    bool isMuted() const { return m_muted; }

    // The file of the current sound, empty when there is none.
    QString source() const;
    bool isPlaying() const;

    // Where "music/<name>" is read from: the current directory when the file
    // is there, else the music folder installed beside the executable.
    static QString resolveMusicFile(const QString &relativePath);

private:
    void start();

    // Declared first: it goes after the tunes that use it.
    std::unique_ptr<SoundOutput> m_output;
    QString m_source;
    bool m_muted = false;
    bool m_heldBack = false; // muted while the current track should be playing
    // The tune last started, playing or silenced; it stays until another one
    // plays (see Tune::silence).
    std::unique_ptr<Tune> m_tune;
};

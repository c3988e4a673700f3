// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "app/soundplayer.h"

#include <QCoreApplication>
#include <QThread>

#include <cstdlib>

// Usage: soundplayer_quitwhilestarting <pause in µs> <track>...
//
// Starts the tracks one after another, pausing briefly between them, and quits
// at once, while the sound server is most likely still taking in their
// streams. The test runs it and expects it to end on its own, cleanly.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc < 2)
        return 2;
    const unsigned long pause = std::strtoul(argv[1], nullptr, 10);
    {
        SoundPlayer player;
        for (int i = 2; i < argc; ++i) {
            player.play(std::atoi(argv[i]));
            QThread::usleep(pause);
        }
    }
    return 0;
}

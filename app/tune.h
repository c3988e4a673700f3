// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QString>

// One tune on its way to the sound output, read from its file a fraction of a
// second ahead of what is heard, from its beginning, once.
class Tune
{
public:
    Tune() = default;
    virtual ~Tune() = default;

    Tune(const Tune &) = delete;
    Tune &operator=(const Tune &) = delete;

    // Starts the file from its beginning. False, and nothing opened, when the
    // file cannot be read as a WAV file or there is no sound output. A tune
    // cut off by the sound server going away stays silent.
    virtual bool play(const QString &fileName) = 0;

    // Silent at once, for good. The output itself stays open: a sound server
    // whose last stream has just gone may run on ahead with silence for a
    // second or more before it takes the next one in, so a tune is closed
    // only once the tune after it plays.
    virtual void silence() = 0;

    virtual bool isPlaying() const = 0;
};

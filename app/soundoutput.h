// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <memory>

class Tune;

// Where the music goes: the PulseAudio client library where the build found
// it, Qt Multimedia's audio output elsewhere. The build links exactly one of
// them, which defines create().
class SoundOutput
{
public:
    SoundOutput() = default;
    virtual ~SoundOutput() = default;

    SoundOutput(const SoundOutput &) = delete;
    SoundOutput &operator=(const SoundOutput &) = delete;

    static std::unique_ptr<SoundOutput> create();

    // A tune to play through this output, which outlives it.
    virtual std::unique_ptr<Tune> newTune() = 0;
};

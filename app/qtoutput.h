// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include "app/soundoutput.h"

// Qt Multimedia's audio output, where the PulseAudio client library is not
// there (Windows, macOS). Each tune opens the default output afresh.
class QtOutput : public SoundOutput
{
public:
    QtOutput() = default;
    ~QtOutput() override;

    std::unique_ptr<Tune> newTune() override;

private:
    bool m_used = false;
};

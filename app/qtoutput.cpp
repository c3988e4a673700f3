// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "app/qtoutput.h"
#include "app/qttune.h"

#include <QThread>

namespace {

// See ~QtOutput.
constexpr unsigned long settleMs = 50;

} // namespace

std::unique_ptr<SoundOutput> SoundOutput::create()
{
    return std::make_unique<QtOutput>();
}

// The output goes as the program quits, after the last tune. Qt 6.4's
// PulseAudio output then drops its connection to the server while that
// connection's own thread may still be taking in the server's answers about
// the stream just closed, and the program can crash on its way out; those
// answers take a few milliseconds, even on a busy machine.
QtOutput::~QtOutput()
{
    if (m_used)
        QThread::msleep(settleMs);
}

std::unique_ptr<Tune> QtOutput::newTune()
{
    m_used = true;
    return std::make_unique<QtTune>();
}

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "scenario/tovane.h"

Tovane::Tovane()
    : count(51)
{
    loadScript();
}

Tovane::~Tovane() = default;

void Tovane::setRecord(int index, int background, int speaker, int brideFace, int wolfFace,
                       const QString &text)
{
    ScenarioRecord &record = records[index];
    record.background = background;
    record.speaker = speaker;
    record.text = text;
    record.brideFace = brideFace;
    record.wolfFace = wolfFace;
}

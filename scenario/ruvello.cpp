// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "scenario/ruvello.h"

Ruvello::Ruvello()
{
    count = 51;
    loadScript();
}

Ruvello::~Ruvello() = default;

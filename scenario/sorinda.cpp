// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "scenario/sorinda.h"

Sorinda::Sorinda()
{
    count = 40;
    loadScript();
}

Sorinda::~Sorinda() = default;

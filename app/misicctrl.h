// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

// An empty hook for music control that nothing uses yet; kept as the place
// where a richer player interface would grow.
class MisicCtrl
{
public:
    MisicCtrl() = default;
    virtual ~MisicCtrl() = default;
};

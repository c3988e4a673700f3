// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

// The eight full-page backgrounds of the reading page.

#include <QImage>
#include <QList>

#include <functional>

namespace scenes {

struct Scene
{
    bool indexed; // stored with a palette rather than as RGBA
    std::function<QImage()> paint;
};

// By background id.
QList<Scene> all();

} // namespace scenes

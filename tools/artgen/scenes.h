// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

// The eight full-page backgrounds of the reading page.

#include <QImage>
#include <QList>
#include <QString>

#include <functional>

namespace scenes {

struct Scene
{
    QString file;       // name under back/pict/
    bool indexed;       // stored with a palette rather than as RGBA
    std::function<QImage()> paint;
};

QList<Scene> all();

} // namespace scenes

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

// The title and contents pages' full-page pictures.

#include <QImage>
#include <QString>

namespace pictures {

QImage title(const QString &fontFamily);
QImage contents(const QString &fontFamily);

} // namespace pictures

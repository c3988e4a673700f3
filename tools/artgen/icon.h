// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

// The program icon: a Windows .ico with its resource script, and PNG sizes
// for the desktop's hicolor icon theme.

#include <QDir>
#include <QImage>

namespace icon {

QImage paint(int size);
bool writeAll(const QDir &resources);

} // namespace icon

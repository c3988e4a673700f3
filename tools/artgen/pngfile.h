// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

// A PNG writer that chooses its own row filters. Qt's writer lets libpng pick
// a filter per row, and the Paeth and Average filters it likes cost the
// reader time on every row. Flat artwork packs best with no filter at all:
// repeated rows and repeated colours become long deflate matches, which are
// also the cheapest thing for the reader to unpack.

#include <QImage>
#include <QString>

namespace pngfile {

enum class Kind { Rgba, Rgb, Indexed };

QByteArray encode(const QImage &image, Kind kind);
bool write(const QImage &image, const QString &path, Kind kind);

} // namespace pngfile

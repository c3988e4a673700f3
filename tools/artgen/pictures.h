#pragma once

// The title and contents pages' full-page pictures.

#include <QImage>
#include <QString>

namespace pictures {

// QImageWriter quality for every PNG: 0 packs hardest, 100 not at all.
inline constexpr int pngQuality = 50;

QImage title(const QString &fontFamily);
QImage contents(const QString &fontFamily);

} // namespace pictures

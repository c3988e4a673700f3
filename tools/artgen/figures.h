// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

// The two characters as the reading page shows them: a standing body with
// its own calm face, and the face pictures laid over it.

#include <QImage>
#include <QRect>

namespace figures {

// Where each face picture lies on its body picture; the reading page draws
// the body and the face at points that differ by exactly this offset.
inline constexpr QRect wolfFaceRect(153, 48, 126, 129);
inline constexpr QRect brideFaceRect(111, 82, 160, 164);
inline constexpr int wolfFaces = 6;
inline constexpr int brideFaces = 11;

QImage wolfBody();
QImage wolfFace(int face);
QImage brideBody();
QImage brideFace(int face);

} // namespace figures

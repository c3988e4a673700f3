// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

// The two characters as the reading page shows them: a standing body with
// its own calm face, and the face pictures laid over it.

#include "novel/pagelayout.h"

#include <QImage>
#include <QRect>

namespace figures {

// Where each face picture lies on its body picture: where the reading page
// puts the face, seen from where it puts the body.
inline constexpr QRect faceRect(const PageLayout::Figure &figure)
{
    return QRect(figure.faceAt - figure.bodyAt, figure.faceSize);
}
inline constexpr QRect wolfFaceRect = faceRect(PageLayout::wolf);
inline constexpr QRect brideFaceRect = faceRect(PageLayout::bride);

QImage wolfBody();
QImage wolfFace(int face);
QImage brideBody();
QImage brideFace(int face);

} // namespace figures

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

// The wolf and the bride as the scene pictures show them: whole figures in
// a few poses, painted at any size. Each function draws at `feet` (the point
// on the ground under the figure) and scales the figure to `height` pixels.

#include <QColor>
#include <QPointF>

class QPainter;

namespace smallfigures {

struct Look
{
    // When `silhouette` is valid, the figure is one flat shape of that colour
    // (against the moon), with `rim` as a thin light edge if that is valid.
    QColor silhouette;
    QColor rim;
    // Laid over the painted figure (with its alpha) to sit it in the light
    // of its scene, such as a blue moonlit night.
    QColor tint;
    bool facingRight = true;
    // Pink petals caught in the fur.
    bool petals = false;
};

void wolfStanding(QPainter &p, QPointF feet, qreal height, const Look &look, qreal headLift = 0);
void wolfRunning(QPainter &p, QPointF feet, qreal height, const Look &look, bool rider);
void wolfSitting(QPainter &p, QPointF feet, qreal height, const Look &look);
// With `rider`, he carries a small girl in a red hood on his back.
void wolfFromBehind(QPainter &p, QPointF feet, qreal height, const Look &look, bool rider = false);

void brideStanding(QPainter &p, QPointF feet, qreal height, const Look &look);
void brideSitting(QPainter &p, QPointF feet, qreal height, const Look &look);

} // namespace smallfigures

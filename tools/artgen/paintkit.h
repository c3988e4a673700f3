// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

// Small drawing vocabulary shared by every picture: smooth organic outlines,
// flat fills with an ink line, and shading shapes kept inside their base shape.

#include <QColor>
#include <QImage>
#include <QPainterPath>
#include <QPointF>
#include <QRectF>
#include <QVector>

class QPainter;

namespace art {

// Closed Catmull-Rom curve through the points: blobs, hair, fur, clouds.
QPainterPath smoothClosed(const QVector<QPointF> &points);
// Open curve through the points: brows, mouths, folds.
QPainterPath smoothOpen(const QVector<QPointF> &points);

QPainterPath ellipse(QPointF centre, qreal rx, qreal ry);
QPainterPath polygon(const QVector<QPointF> &points);
// A ring of soft bumps around an ellipse: fluffy fur, clouds, blossom crowns.
QPainterPath fluffy(QPointF centre, qreal rx, qreal ry, int bumps, qreal depth, qreal phase = 0);

void fill(QPainter &p, const QPainterPath &path, const QColor &colour);
void fillInked(QPainter &p, const QPainterPath &path, const QColor &colour, const QColor &ink,
               qreal width);
// Fills only the part of `part` that lies inside `base`, so shading never spills.
void fillWithin(QPainter &p, const QPainterPath &base, const QPainterPath &part,
                const QColor &colour);
void stroke(QPainter &p, const QPainterPath &path, const QColor &colour, qreal width);

QColor mix(const QColor &a, const QColor &b, qreal t);
QColor alpha(const QColor &c, int a);

QImage canvas(int width, int height, const QColor &clear = Qt::transparent);

// Multiplies the alpha of `image` by a rounded-rectangle-like superellipse that
// is 1 inside the core and falls smoothly to 0 over `feather` pixels, so that
// a cut-out face picture fades into the body beneath it.
void featherMask(QImage &image, QPointF centre, qreal rx, qreal ry, qreal exponent,
                 qreal feather);

// Indexed copy with a palette chosen by median cut; flat art survives it unharmed.
QImage toIndexed(const QImage &image, int colours);

} // namespace art

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "kitwidgeticon.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// Drawn on a 32 × 32 grid, scaled to each pixmap's size.
constexpr qreal grid = 32;

const QColor outline(0x34, 0x40, 0x50);
const QColor field(Qt::white);
// The brushes the styled buttons carry, shown as their coloured faces.
const QColor brushFace(0xf0, 0xa8, 0x3c);
const QColor ink(0x34, 0x40, 0x50);

void drawBox(QPainter &p, const QRectF &box, const QColor &fill, qreal radius)
{
    p.setPen(QPen(outline, 1.5));
    p.setBrush(fill);
    p.drawRoundedRect(box, radius, radius);
}

// The mouse pointer of the widgets that answer clicks, its tip at `tip`.
void drawPointer(QPainter &p, const QPointF &tip)
{
    QPainterPath arrow(tip);
    arrow.lineTo(tip + QPointF(0, 12));
    arrow.lineTo(tip + QPointF(3, 9));
    arrow.lineTo(tip + QPointF(5.5, 13.5));
    arrow.lineTo(tip + QPointF(7.5, 12.5));
    arrow.lineTo(tip + QPointF(5, 8));
    arrow.lineTo(tip + QPointF(9, 8));
    arrow.closeSubpath();
    p.setPen(QPen(Qt::black, 1, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::white);
    p.drawPath(arrow);
}

void drawLine(QPainter &p, qreal x1, qreal y, qreal x2)
{
    p.setPen(QPen(ink, 2, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(QPointF(x1, y), QPointF(x2, y));
}

// A one-line text field whose top edge is at `top`, with text up to `textEnd`.
void drawField(QPainter &p, qreal top, qreal textEnd)
{
    drawBox(p, QRectF(2.5, top, 27, 13), field, 2);
    drawLine(p, 6, top + 6.5, textEnd);
}

// Draws the picture of `kind` on the grid.
void drawIcon(QPainter &p, KitWidgetIcon::Kind kind)
{
    using namespace KitWidgetIcon;
    switch (kind) {
    case PushButton:
        drawBox(p, QRectF(2.5, 8.5, 27, 15), brushFace, 4);
        drawLine(p, 10, 16, 22);
        break;
    case ToolButton:
        drawBox(p, QRectF(6.5, 6.5, 19, 19), brushFace, 3);
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        for (const qreal x : { 11.0, 16.0, 21.0 })
            p.drawEllipse(QPointF(x, 18), 1.6, 1.6);
        break;
    case ClickableLabel:
        drawLine(p, 3, 8, 26);
        drawLine(p, 3, 14, 20);
        drawPointer(p, QPointF(15, 15));
        break;
    case ClickToEdit:
        drawField(p, 6.5, 14);
        // The text cursor a completed click puts there.
        p.setPen(QPen(ink, 1.5));
        p.drawLine(QPointF(17, 9), QPointF(17, 17));
        drawPointer(p, QPointF(18, 17));
        break;
    case ComboBox:
        drawField(p, 9.5, 15);
        p.setPen(QPen(outline, 1.5));
        p.drawLine(QPointF(20.5, 10), QPointF(20.5, 22));
        p.setPen(Qt::NoPen);
        p.setBrush(ink);
        p.drawPolygon(QPolygonF({ QPointF(22.5, 14), QPointF(27.5, 14), QPointF(25, 18) }));
        break;
    }
}

} // namespace

QIcon KitWidgetIcon::icon(Kind kind)
{
    QIcon icon;
    for (const int size : { 16, 22, 24, 32, 48, 64 }) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter p(&pixmap);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(size / grid, size / grid);
        drawIcon(p, kind);
        p.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

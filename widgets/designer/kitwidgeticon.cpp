// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "kitwidgeticon.h"

#include <QPainter>
#include <QPainterPath>

namespace {

// Drawn on a 32 × 32 grid, scaled to the size asked for.
constexpr qreal grid = 32;

const QColor outline(0x34, 0x40, 0x50);
const QColor face(0xe9, 0xee, 0xf3);
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

} // namespace

KitWidgetIcon::KitWidgetIcon(Kind kind)
    : m_kind(kind)
{
}

void KitWidgetIcon::paint(QPainter *painter, const QRect &rect, QIcon::Mode mode,
                          QIcon::State state)
{
    Q_UNUSED(state);
    QPainter &p = *painter;
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(rect.topLeft());
    p.scale(rect.width() / grid, rect.height() / grid);
    if (mode == QIcon::Disabled)
        p.setOpacity(0.4);

    switch (m_kind) {
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
    p.restore();
}

// QIconEngine's own pixmap is not cleared before it is painted.
QPixmap KitWidgetIcon::pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state)
{
    QPixmap pixmap(size);
    pixmap.fill(Qt::transparent);

    QPainter painter(&pixmap);
    paint(&painter, QRect(QPoint(0, 0), size), mode, state);
    return pixmap;
}

QIconEngine *KitWidgetIcon::clone() const
{
    return new KitWidgetIcon(m_kind);
}

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "widgets/clickablelabel.h"

#include <QMouseEvent>

class ClickableLabelPrivate
{
public:
    int value = 0;
};

ClickableLabel::ClickableLabel(QWidget *parent, Qt::WindowFlags f)
    : QLabel(parent, f)
    , pressedInside(false)
    , pointerInside(false)
    , d(std::make_unique<ClickableLabelPrivate>())
{
}

ClickableLabel::ClickableLabel(const QString &text, QWidget *parent, Qt::WindowFlags f)
    : QLabel(text, parent, f)
    , pressedInside(false)
    , pointerInside(false)
    , d(std::make_unique<ClickableLabelPrivate>())
{
}

ClickableLabel::~ClickableLabel() = default;

int ClickableLabel::value() const
{
    return d->value;
}

void ClickableLabel::setValue(int value)
{
    if (d->value != value)
        d->value = value;
}

bool ClickableLabel::hitLabel(const QPoint &pos) const
{
    return QRect(0, 0, width(), height()).contains(pos, false);
}

void ClickableLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && hitLabel(event->position().toPoint())) {
        pressedInside = true;
        pointerInside = true;
        emit pressed(d->value);
    }
    QLabel::mousePressEvent(event);
}

void ClickableLabel::mouseMoveEvent(QMouseEvent *event)
{
    if (pressedInside) {
        const bool inside = hitLabel(event->position().toPoint());
        if (inside != pointerInside) {
            pointerInside = inside;
            if (inside)
                emit pressed(d->value);
            else
                emit released(d->value);
        }
    }
    QLabel::mouseMoveEvent(event);
}

void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (pressedInside && event->button() == Qt::LeftButton) {
        // A release outside says nothing: the move that left the label has
        // already reported the release of this press.
        if (hitLabel(event->position().toPoint())) {
            emit released(d->value);
            emit clicked(d->value);
        }
        pressedInside = false;
        pointerInside = false;
    }
    QLabel::mouseReleaseEvent(event);
}

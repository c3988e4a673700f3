// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "widgets/clickablelabel.h"

#include <QMouseEvent>

class ClickableLabelPrivate
{
public:
    int value = 0;
    // A left press that began inside the label has not ended yet, and
    // whether the pointer is inside the label now.
    bool pressedInside = false;
    bool pointerInside = false;
};

/*!
    \class ClickableLabel widgets/clickablelabel.h
    \brief A QLabel that answers the left mouse button like a button.

    A left press inside the label emits pressed(); the release inside emits
    released() and then clicked(). Dragging out of the label during the press
    emits released(), and coming back emits pressed() again; a release outside
    then emits nothing more, and there is no clicked(). Each signal carries the
    label's \ref value, a number of the owner's choosing, so that one slot can
    serve many labels and still tell them apart. Other mouse buttons emit
    nothing; a double click gives two complete press, release and click
    sequences.

    Which points count as inside is decided by hitLabel(), which a subclass may
    override. Everything else, the look included, is QLabel's.

    \snippet widgetkitwindow.cpp clickablelabel
*/

/*!
    \property ClickableLabel::value
    \brief the number every signal of the label carries.

    Defaults to 0. Setting it emits nothing and does not repaint the label.
*/

/*!
    \fn void ClickableLabel::clicked(int value)
    \brief Emitted when a left press inside the label ends with a release inside
    it, right after released(); \a value is the label's \ref value.
*/

/*!
    \fn void ClickableLabel::pressed(int value)
    \brief Emitted when a left press starts inside the label, and when the
    pointer comes back into the label during such a press; \a value is the
    label's \ref value.
*/

/*!
    \fn void ClickableLabel::released(int value)
    \brief Emitted when the pointer leaves the label during a left press, and
    when the press ends inside it; \a value is the label's \ref value.
*/

/*! Constructs an empty label with the given \a parent and window flags \a f. */
ClickableLabel::ClickableLabel(QWidget *parent, Qt::WindowFlags f)
    : QLabel(parent, f)
    , d(std::make_unique<ClickableLabelPrivate>())
{
}

/*!
    Constructs a label showing \a text, with the given \a parent and window
    flags \a f.
*/
ClickableLabel::ClickableLabel(const QString &text, QWidget *parent, Qt::WindowFlags f)
    : QLabel(text, parent, f)
    , d(std::make_unique<ClickableLabelPrivate>())
{
}

ClickableLabel::~ClickableLabel() = default;

/*! Returns the \ref value property. */
int ClickableLabel::value() const
{
    return d->value;
}

/*! Sets the \ref value property to \a value. */
void ClickableLabel::setValue(int value)
{
    if (d->value != value)
        d->value = value;
}

/*!
    Returns whether \a pos, in the label's coordinates, counts as inside the
    label: by default anywhere in its rectangle, edges included. Override it to
    narrow the clickable area to the shape the label shows.
*/
bool ClickableLabel::hitLabel(const QPoint &pos) const
{
    return QRect(0, 0, width(), height()).contains(pos, false);
}

/*!
    Emits pressed() for a left press inside the label, then hands \a event to
    QLabel.
*/
void ClickableLabel::mousePressEvent(QMouseEvent *event)
{
    if (event->button() == Qt::LeftButton && hitLabel(event->position().toPoint())) {
        d->pressedInside = true;
        d->pointerInside = true;
        emit pressed(d->value);
    }
    QLabel::mousePressEvent(event);
}

/*!
    During a left press, emits released() when the pointer leaves the label and
    pressed() when it comes back, then hands \a event to QLabel.
*/
void ClickableLabel::mouseMoveEvent(QMouseEvent *event)
{
    if (d->pressedInside) {
        const bool inside = hitLabel(event->position().toPoint());
        if (inside != d->pointerInside) {
            d->pointerInside = inside;
            if (inside)
                emit pressed(d->value);
            else
                emit released(d->value);
        }
    }
    QLabel::mouseMoveEvent(event);
}

/*!
    Ends a left press: emits released() and clicked() when \a event is inside
    the label, nothing when it is outside. Then hands \a event to QLabel.
*/
void ClickableLabel::mouseReleaseEvent(QMouseEvent *event)
{
    if (d->pressedInside && event->button() == Qt::LeftButton) {
        // A release outside says nothing: the move that left the label has
        // already reported the release of this press.
        if (hitLabel(event->position().toPoint())) {
            emit released(d->value);
            emit clicked(d->value);
        }
        d->pressedInside = false;
        d->pointerInside = false;
    }
    QLabel::mouseReleaseEvent(event);
}

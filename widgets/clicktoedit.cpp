// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "widgets/clicktoedit.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPalette>

class ClickToEditPrivate
{
public:
    bool pressedInside = false;
    bool focusAtPress = false;
    bool pointerInside = false;
    QBrush activeTextBrush;
    QBrush activeBaseBrush;
    QBrush disabledTextBrush;
    QBrush disabledBaseBrush;
    QBrush focusTextBrush;
    QBrush focusBaseBrush;
    QBrush focusFrameBrush;
};

/*!
    \class ClickToEdit widgets/clicktoedit.h
    \brief A QLineEdit that is entered only by a completed click or by Tab.

    Until the field has the focus, mouse presses, drags and releases do not
    reach the line edit, so they can neither move its cursor nor select text,
    and a press does not focus it. A completed click (a left press and release
    inside the field) gives it the focus, with the cursor where the click was;
    Tab reaches it as usual. Once it has the focus, the mouse works as in any
    QLineEdit.

    The field reports presses, releases and clicks like a button, with signals
    that tell whether it already had the focus when the press began. Dragging
    out of the field during a press emits released(), coming back emits
    pressed() again, and a release outside emits nothing more. A disabled field
    emits nothing. While a press is in progress, no context menu opens.

    The field colours its text and background by state, from three pairs of
    brushes: normal, disabled and focused. By default the focused pair is the
    normal pair swapped, text in the background colour on the text colour. The
    colours are set on the field's palette at every focus change and every
    enabled-state change, so a brush changed in between shows from the next
    such change on.

    \snippet widgetkitwindow.cpp clicktoedit
*/

/*!
    \property ClickToEdit::activeTextBrush
    \brief the text colour of the enabled field without the focus.

    Defaults to the palette's Text brush.
*/

/*!
    \property ClickToEdit::activeBaseBrush
    \brief the background of the enabled field without the focus.

    Defaults to the palette's Base brush.
*/

/*!
    \property ClickToEdit::disabledTextBrush
    \brief the text colour of the disabled field.

    Defaults to the palette's Text brush of the Disabled colour group.
*/

/*!
    \property ClickToEdit::disabledBaseBrush
    \brief the background of the disabled field.

    Defaults to the palette's Base brush of the Disabled colour group.
*/

/*!
    \property ClickToEdit::focusTextBrush
    \brief the text colour of the field while it has the focus.

    Defaults to the palette's Base brush.
*/

/*!
    \property ClickToEdit::focusBaseBrush
    \brief the background of the field while it has the focus.

    Defaults to the palette's Text brush.
*/

/*!
    \property ClickToEdit::focusFrameBrush
    \brief a brush for a focus frame around the field.

    The field keeps it for its owner (a style, say) and never draws it itself.
    Defaults to the palette's WindowText brush.
*/

/*!
    \fn void ClickToEdit::clicked(bool focus)
    \brief Emitted when a left press inside the field ends with a release inside
    it, right after released(). \a focus tells whether the field had the focus
    when the press began.
*/

/*!
    \fn void ClickToEdit::pressed(bool focus)
    \brief Emitted when a left press starts inside the field, and when the
    pointer comes back into the field during such a press. \a focus tells
    whether the field had the focus when the press began.
*/

/*!
    \fn void ClickToEdit::released(bool focus)
    \brief Emitted when the pointer leaves the field during a left press, and
    when the press ends inside it. \a focus tells whether the field had the
    focus when the press began.
*/

/*!
    Constructs an empty field with the given \a parent. Its focus policy is
    Qt::TabFocus, so that a press never focuses it.
*/
ClickToEdit::ClickToEdit(QWidget *parent)
    : QLineEdit(parent)
    , d(std::make_unique<ClickToEditPrivate>())
{
    init();
}

/*!
    Constructs a field holding \a text, with the given \a parent. Its focus
    policy is Qt::TabFocus, so that a press never focuses it.
*/
ClickToEdit::ClickToEdit(const QString &text, QWidget *parent)
    : QLineEdit(text, parent)
    , d(std::make_unique<ClickToEditPrivate>())
{
    init();
}

ClickToEdit::~ClickToEdit() = default;

void ClickToEdit::init()
{
    d->pressedInside = false;
    d->pointerInside = false;

    const QPalette &pal = palette();
    d->activeTextBrush = pal.brush(QPalette::Current, QPalette::Text);
    d->activeBaseBrush = pal.brush(QPalette::Current, QPalette::Base);
    d->disabledTextBrush = pal.brush(QPalette::Disabled, QPalette::Text);
    d->disabledBaseBrush = pal.brush(QPalette::Disabled, QPalette::Base);
    d->focusTextBrush = pal.brush(QPalette::Current, QPalette::Base);
    d->focusBaseBrush = pal.brush(QPalette::Current, QPalette::Text);
    d->focusFrameBrush = pal.brush(QPalette::Current, QPalette::WindowText);

    // The toolkit must never focus the field on a press: only a completed
    // click (or Tab) may.
    setFocusPolicy(Qt::TabFocus);
    installEventFilter(this);
}

/*! Returns the brush of the \ref activeTextBrush property. */
const QBrush &ClickToEdit::activeTextBrush() const
{
    return d->activeTextBrush;
}

/*! Returns the brush of the \ref activeBaseBrush property. */
const QBrush &ClickToEdit::activeBaseBrush() const
{
    return d->activeBaseBrush;
}

/*! Returns the brush of the \ref disabledTextBrush property. */
const QBrush &ClickToEdit::disabledTextBrush() const
{
    return d->disabledTextBrush;
}

/*! Returns the brush of the \ref disabledBaseBrush property. */
const QBrush &ClickToEdit::disabledBaseBrush() const
{
    return d->disabledBaseBrush;
}

/*! Returns the brush of the \ref focusTextBrush property. */
const QBrush &ClickToEdit::focusTextBrush() const
{
    return d->focusTextBrush;
}

/*! Returns the brush of the \ref focusBaseBrush property. */
const QBrush &ClickToEdit::focusBaseBrush() const
{
    return d->focusBaseBrush;
}

/*! Returns the brush of the \ref focusFrameBrush property. */
const QBrush &ClickToEdit::focusFrameBrush() const
{
    return d->focusFrameBrush;
}

/*! Sets the \ref activeTextBrush property to \a brush. */
void ClickToEdit::setActiveTextBrush(const QBrush &brush)
{
    storeBrush(d->activeTextBrush, brush);
}

/*! Sets the \ref activeBaseBrush property to \a brush. */
void ClickToEdit::setActiveBaseBrush(const QBrush &brush)
{
    storeBrush(d->activeBaseBrush, brush);
}

/*! Sets the \ref disabledTextBrush property to \a brush. */
void ClickToEdit::setDisabledTextBrush(const QBrush &brush)
{
    storeBrush(d->disabledTextBrush, brush);
}

/*! Sets the \ref disabledBaseBrush property to \a brush. */
void ClickToEdit::setDisabledBaseBrush(const QBrush &brush)
{
    storeBrush(d->disabledBaseBrush, brush);
}

/*! Sets the \ref focusTextBrush property to \a brush. */
void ClickToEdit::setFocusTextBrush(const QBrush &brush)
{
    storeBrush(d->focusTextBrush, brush);
}

/*! Sets the \ref focusBaseBrush property to \a brush. */
void ClickToEdit::setFocusBaseBrush(const QBrush &brush)
{
    storeBrush(d->focusBaseBrush, brush);
}

/*! Sets the \ref focusFrameBrush property to \a brush. */
void ClickToEdit::setFocusFrameBrush(const QBrush &brush)
{
    storeBrush(d->focusFrameBrush, brush);
}

void ClickToEdit::storeBrush(QBrush &stored, const QBrush &brush)
{
    if (stored == brush)
        return;
    stored = brush;
    update();
}

/*!
    Returns whether \a pos, in the field's coordinates, counts as inside the
    field: by default anywhere in its rectangle, edges included. Subclasses may
    override it.
*/
bool ClickToEdit::hitField(const QPoint &pos) const
{
    return QRect(0, 0, width(), height()).contains(pos, false);
}

void ClickToEdit::applyColours()
{
    QPalette pal = palette();
    if (hasFocus()) {
        pal.setBrush(QPalette::All, QPalette::Text, d->focusTextBrush);
        pal.setBrush(QPalette::All, QPalette::Base, d->focusBaseBrush);
    } else if (!isEnabled()) {
        pal.setBrush(QPalette::All, QPalette::Text, d->disabledTextBrush);
        pal.setBrush(QPalette::All, QPalette::Base, d->disabledBaseBrush);
    } else {
        pal.setBrush(QPalette::All, QPalette::Text, d->activeTextBrush);
        pal.setBrush(QPalette::All, QPalette::Base, d->activeBaseBrush);
    }
    setPalette(pal);
}

/*!
    Does the field's work on its own events, whatever \a watched is: the
    constructor installs the field as its own event filter. Returns true for
    an \a event the line edit must not see: while the enabled field does not
    have the focus, a mouse press, a move, or the release that ends a left
    press; and a context menu during a press.
*/
bool ClickToEdit::eventFilter(QObject *watched, QEvent *event)
{
    Q_UNUSED(watched);
    switch (event->type()) {
    case QEvent::FocusIn:
    case QEvent::FocusOut:
    case QEvent::EnabledChange:
        applyColours();
        return false;
    case QEvent::ContextMenu:
        // A right click while the left button holds a press must not pop up
        // the menu over a click that is still being made.
        return d->pressedInside;
    case QEvent::MouseButtonPress:
        return mousePress(static_cast<QMouseEvent *>(event));
    case QEvent::MouseButtonRelease:
        return mouseRelease(static_cast<QMouseEvent *>(event));
    case QEvent::MouseMove:
        return mouseMove(static_cast<QMouseEvent *>(event));
    default:
        return false;
    }
}

// Mouse events reach the line edit only once the field has the focus.
bool ClickToEdit::notFocused() const
{
    return QApplication::focusWidget() != this;
}

bool ClickToEdit::mousePress(QMouseEvent *event)
{
    if (!isEnabled())
        return false;
    if (event->button() == Qt::LeftButton && hitField(event->position().toPoint())) {
        d->pressedInside = true;
        d->focusAtPress = QApplication::focusWidget() == this;
        d->pointerInside = true;
        emit pressed(d->focusAtPress);
    }
    return notFocused();
}

bool ClickToEdit::mouseMove(QMouseEvent *event)
{
    if (!isEnabled())
        return false;
    if (d->pressedInside) {
        const bool inside = hitField(event->position().toPoint());
        if (inside != d->pointerInside) {
            d->pointerInside = inside;
            if (inside)
                emit pressed(d->focusAtPress);
            else
                emit released(d->focusAtPress);
        }
    }
    return notFocused();
}

bool ClickToEdit::mouseRelease(QMouseEvent *event)
{
    if (!isEnabled() || !d->pressedInside || event->button() != Qt::LeftButton)
        return false;
    if (hitField(event->position().toPoint())) {
        if (QApplication::focusWidget() != this) {
            // The real press was kept from the line edit; replay it at the
            // release so the cursor lands where the user clicked.
            QMouseEvent press(QEvent::MouseButtonPress, event->position(),
                              event->globalPosition(), event->button(), event->buttons(),
                              event->modifiers());
            QLineEdit::mousePressEvent(&press);
            setFocus(Qt::OtherFocusReason);
        }
        emit released(d->focusAtPress);
        emit clicked(d->focusAtPress);
    }
    d->pressedInside = false;
    d->focusAtPress = false;
    d->pointerInside = false;
    return notFocused();
}

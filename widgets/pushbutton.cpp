// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "widgets/pushbutton.h"

#include "widgets/buttonbrushes.h"

class PushButtonPrivate : public ButtonBrushes
{
public:
    using ButtonBrushes::ButtonBrushes;
};

/*!
    \class PushButton widgets/pushbutton.h
    \brief A QPushButton that carries the brushes for its faces and its focus frame.

    The five brushes are properties, so that a style (a QProxyStyle, say) can
    read them by name with QObject::property() and paint the button with them.
    The button itself paints, and answers the mouse, the keyboard and the
    focus, exactly like a QPushButton: the brushes show only where a style uses
    them. Setting a brush that differs from the current one schedules a
    repaint; setting an equal one does nothing.

    The defaults are taken once, at construction, from the button's palette; a
    later palette change leaves the brushes as they are.

    \sa ToolButton
*/

/*!
    \property PushButton::activeRaisedBrush
    \brief the brush for the face of the enabled button while it is up.

    Defaults to the palette's Button brush.
*/

/*!
    \property PushButton::activeSunkenBrush
    \brief the brush for the face of the enabled button while it is down.

    Defaults to a solid brush of the palette's Button colour at half its brightness.
*/

/*!
    \property PushButton::disabledRaisedBrush
    \brief the brush for the face of the disabled button while it is up.

    Defaults to a solid brush of the palette's Button colour at half its brightness.
*/

/*!
    \property PushButton::disabledSunkenBrush
    \brief the brush for the face of the disabled button while it is down.

    Defaults to a solid brush of the palette's Button colour at half its brightness.
*/

/*!
    \property PushButton::focusFrameBrush
    \brief the brush for the frame around the button while it has the focus.

    Defaults to the palette's WindowText brush.
*/

/*! Constructs a push button with the given \a parent. */
PushButton::PushButton(QWidget *parent)
    : QPushButton(parent)
    , d(std::make_unique<PushButtonPrivate>(palette()))
{
}

/*! Constructs a push button showing \a text, with the given \a parent. */
PushButton::PushButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
    , d(std::make_unique<PushButtonPrivate>(palette()))
{
}

/*! Constructs a push button showing \a icon and \a text, with the given \a parent. */
PushButton::PushButton(const QIcon &icon, const QString &text, QWidget *parent)
    : QPushButton(icon, text, parent)
    , d(std::make_unique<PushButtonPrivate>(palette()))
{
}

PushButton::~PushButton() = default;

/*! Returns the brush of the \ref activeRaisedBrush property. */
const QBrush &PushButton::activeRaisedBrush() const
{
    return d->activeRaisedBrush;
}

/*! Returns the brush of the \ref activeSunkenBrush property. */
const QBrush &PushButton::activeSunkenBrush() const
{
    return d->activeSunkenBrush;
}

/*! Returns the brush of the \ref disabledRaisedBrush property. */
const QBrush &PushButton::disabledRaisedBrush() const
{
    return d->disabledRaisedBrush;
}

/*! Returns the brush of the \ref disabledSunkenBrush property. */
const QBrush &PushButton::disabledSunkenBrush() const
{
    return d->disabledSunkenBrush;
}

/*! Returns the brush of the \ref focusFrameBrush property. */
const QBrush &PushButton::focusFrameBrush() const
{
    return d->focusFrameBrush;
}

/*! Sets the \ref activeRaisedBrush property to \a brush. */
void PushButton::setActiveRaisedBrush(const QBrush &brush)
{
    storeBrush(d->activeRaisedBrush, brush);
}

/*! Sets the \ref activeSunkenBrush property to \a brush. */
void PushButton::setActiveSunkenBrush(const QBrush &brush)
{
    storeBrush(d->activeSunkenBrush, brush);
}

/*! Sets the \ref disabledRaisedBrush property to \a brush. */
void PushButton::setDisabledRaisedBrush(const QBrush &brush)
{
    storeBrush(d->disabledRaisedBrush, brush);
}

/*! Sets the \ref disabledSunkenBrush property to \a brush. */
void PushButton::setDisabledSunkenBrush(const QBrush &brush)
{
    storeBrush(d->disabledSunkenBrush, brush);
}

/*! Sets the \ref focusFrameBrush property to \a brush. */
void PushButton::setFocusFrameBrush(const QBrush &brush)
{
    storeBrush(d->focusFrameBrush, brush);
}

void PushButton::storeBrush(QBrush &stored, const QBrush &brush)
{
    if (stored == brush)
        return;
    stored = brush;
    update();
}

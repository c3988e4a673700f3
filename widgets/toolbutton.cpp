// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "widgets/toolbutton.h"

#include "widgets/buttonbrushes.h"

class ToolButtonPrivate : public ButtonBrushes
{
public:
    using ButtonBrushes::ButtonBrushes;
};

/*!
    \class ToolButton widgets/toolbutton.h
    \brief A QToolButton that carries the brushes for its faces and its focus frame.

    The five brushes are properties, so that a style (a QProxyStyle, say) can
    read them by name with QObject::property() and paint the button with them.
    The button itself paints, and answers the mouse, the keyboard and the
    focus, exactly like a QToolButton: the brushes show only where a style uses
    them. Setting a brush that differs from the current one schedules a
    repaint; setting an equal one does nothing.

    The defaults are taken once, at construction, from the button's palette; a
    later palette change leaves the brushes as they are.

    \sa PushButton
*/

/*!
    \property ToolButton::activeRaisedBrush
    \brief the brush for the face of the enabled button while it is up.

    Defaults to the palette's Button brush.
*/

/*!
    \property ToolButton::activeSunkenBrush
    \brief the brush for the face of the enabled button while it is down.

    Defaults to a solid brush of the palette's Button colour at half its brightness.
*/

/*!
    \property ToolButton::disabledRaisedBrush
    \brief the brush for the face of the disabled button while it is up.

    Defaults to a solid brush of the palette's Button colour at half its brightness.
*/

/*!
    \property ToolButton::disabledSunkenBrush
    \brief the brush for the face of the disabled button while it is down.

    Defaults to a solid brush of the palette's Button colour at half its brightness.
*/

/*!
    \property ToolButton::focusFrameBrush
    \brief the brush for the frame around the button while it has the focus.

    Defaults to the palette's WindowText brush.
*/

/*! Constructs a tool button with the given \a parent. */
ToolButton::ToolButton(QWidget *parent)
    : QToolButton(parent)
    , d(std::make_unique<ToolButtonPrivate>(palette()))
{
}

ToolButton::~ToolButton() = default;

/*! Returns the brush of the \ref activeRaisedBrush property. */
const QBrush &ToolButton::activeRaisedBrush() const
{
    return d->activeRaisedBrush;
}

/*! Returns the brush of the \ref activeSunkenBrush property. */
const QBrush &ToolButton::activeSunkenBrush() const
{
    return d->activeSunkenBrush;
}

/*! Returns the brush of the \ref disabledRaisedBrush property. */
const QBrush &ToolButton::disabledRaisedBrush() const
{
    return d->disabledRaisedBrush;
}

/*! Returns the brush of the \ref disabledSunkenBrush property. */
const QBrush &ToolButton::disabledSunkenBrush() const
{
    return d->disabledSunkenBrush;
}

/*! Returns the brush of the \ref focusFrameBrush property. */
const QBrush &ToolButton::focusFrameBrush() const
{
    return d->focusFrameBrush;
}

/*! Sets the \ref activeRaisedBrush property to \a brush. */
void ToolButton::setActiveRaisedBrush(const QBrush &brush)
{
    storeBrush(d->activeRaisedBrush, brush);
}

/*! Sets the \ref activeSunkenBrush property to \a brush. */
void ToolButton::setActiveSunkenBrush(const QBrush &brush)
{
    storeBrush(d->activeSunkenBrush, brush);
}

/*! Sets the \ref disabledRaisedBrush property to \a brush. */
void ToolButton::setDisabledRaisedBrush(const QBrush &brush)
{
    storeBrush(d->disabledRaisedBrush, brush);
}

/*! Sets the \ref disabledSunkenBrush property to \a brush. */
void ToolButton::setDisabledSunkenBrush(const QBrush &brush)
{
    storeBrush(d->disabledSunkenBrush, brush);
}

/*! Sets the \ref focusFrameBrush property to \a brush. */
void ToolButton::setFocusFrameBrush(const QBrush &brush)
{
    storeBrush(d->focusFrameBrush, brush);
}

void ToolButton::storeBrush(QBrush &stored, const QBrush &brush)
{
    if (stored == brush)
        return;
    stored = brush;
    update();
}

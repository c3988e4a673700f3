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

PICTUREBOOK_BUTTON_BRUSHES(PushButton)

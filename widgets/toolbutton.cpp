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

    It carries the same five brushes as PushButton, with the same defaults and
    the same behaviour, for a style to read by name and paint the button with;
    the button itself paints, and answers the mouse, the keyboard and the
    focus, exactly like a QToolButton.

    \sa PushButton
*/

/*! \property ToolButton::activeRaisedBrush
    \copydoc PushButton::activeRaisedBrush */
/*! \property ToolButton::activeSunkenBrush
    \copydoc PushButton::activeSunkenBrush */
/*! \property ToolButton::disabledRaisedBrush
    \copydoc PushButton::disabledRaisedBrush */
/*! \property ToolButton::disabledSunkenBrush
    \copydoc PushButton::disabledSunkenBrush */
/*! \property ToolButton::focusFrameBrush
    \copydoc PushButton::focusFrameBrush */

/*! Constructs a tool button with the given \a parent. */
ToolButton::ToolButton(QWidget *parent)
    : QToolButton(parent)
    , d(std::make_unique<ToolButtonPrivate>(palette()))
{
}

ToolButton::~ToolButton() = default;

PICTUREBOOK_BUTTON_BRUSHES(ToolButton)

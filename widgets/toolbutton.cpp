// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "widgets/toolbutton.h"

#include "widgets/buttonbrushes.h"

class ToolButtonPrivate : public ButtonBrushes
{
public:
    using ButtonBrushes::ButtonBrushes;
};

ToolButton::ToolButton(QWidget *parent)
    : QToolButton(parent)
    , d(std::make_unique<ToolButtonPrivate>(palette()))
{
}

ToolButton::~ToolButton() = default;

const QBrush &ToolButton::activeRaisedBrush() const
{
    return d->activeRaisedBrush;
}

const QBrush &ToolButton::activeSunkenBrush() const
{
    return d->activeSunkenBrush;
}

const QBrush &ToolButton::disabledRaisedBrush() const
{
    return d->disabledRaisedBrush;
}

const QBrush &ToolButton::disabledSunkenBrush() const
{
    return d->disabledSunkenBrush;
}

const QBrush &ToolButton::focusFrameBrush() const
{
    return d->focusFrameBrush;
}

void ToolButton::setActiveRaisedBrush(const QBrush &brush)
{
    storeBrush(d->activeRaisedBrush, brush);
}

void ToolButton::setActiveSunkenBrush(const QBrush &brush)
{
    storeBrush(d->activeSunkenBrush, brush);
}

void ToolButton::setDisabledRaisedBrush(const QBrush &brush)
{
    storeBrush(d->disabledRaisedBrush, brush);
}

void ToolButton::setDisabledSunkenBrush(const QBrush &brush)
{
    storeBrush(d->disabledSunkenBrush, brush);
}

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

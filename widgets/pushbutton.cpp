// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "widgets/pushbutton.h"

#include "widgets/buttonbrushes.h"

class PushButtonPrivate : public ButtonBrushes
{
public:
    using ButtonBrushes::ButtonBrushes;
};

PushButton::PushButton(QWidget *parent)
    : QPushButton(parent)
    , d(std::make_unique<PushButtonPrivate>(palette()))
{
}

PushButton::PushButton(const QString &text, QWidget *parent)
    : QPushButton(text, parent)
    , d(std::make_unique<PushButtonPrivate>(palette()))
{
}

PushButton::PushButton(const QIcon &icon, const QString &text, QWidget *parent)
    : QPushButton(icon, text, parent)
    , d(std::make_unique<PushButtonPrivate>(palette()))
{
}

PushButton::~PushButton() = default;

const QBrush &PushButton::activeRaisedBrush() const
{
    return d->activeRaisedBrush;
}

const QBrush &PushButton::activeSunkenBrush() const
{
    return d->activeSunkenBrush;
}

const QBrush &PushButton::disabledRaisedBrush() const
{
    return d->disabledRaisedBrush;
}

const QBrush &PushButton::disabledSunkenBrush() const
{
    return d->disabledSunkenBrush;
}

const QBrush &PushButton::focusFrameBrush() const
{
    return d->focusFrameBrush;
}

void PushButton::setActiveRaisedBrush(const QBrush &brush)
{
    storeBrush(d->activeRaisedBrush, brush);
}

void PushButton::setActiveSunkenBrush(const QBrush &brush)
{
    storeBrush(d->activeSunkenBrush, brush);
}

void PushButton::setDisabledRaisedBrush(const QBrush &brush)
{
    storeBrush(d->disabledRaisedBrush, brush);
}

void PushButton::setDisabledSunkenBrush(const QBrush &brush)
{
    storeBrush(d->disabledSunkenBrush, brush);
}

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

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QBrush>
#include <QPalette>

// The five brushes the styled push and tool buttons carry, with their
// defaults taken once from the palette a button starts with; a later palette
// change is the owner's business and leaves the brushes alone.
struct ButtonBrushes
{
    explicit ButtonBrushes(const QPalette &palette)
        : activeRaisedBrush(palette.brush(QPalette::Current, QPalette::Button))
        , activeSunkenBrush(activeRaisedBrush.color().darker(200), Qt::SolidPattern)
        , disabledRaisedBrush(activeSunkenBrush)
        , disabledSunkenBrush(activeSunkenBrush)
        , focusFrameBrush(palette.brush(QPalette::Current, QPalette::WindowText))
    {
    }

    QBrush activeRaisedBrush;
    QBrush activeSunkenBrush;
    QBrush disabledRaisedBrush;
    QBrush disabledSunkenBrush;
    QBrush focusFrameBrush;
};

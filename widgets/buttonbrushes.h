// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QBrush>
#include <QPalette>
#include <QWidget>

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

    // Keeps `brush` in `stored` and has `button` repainted, unless it is the
    // brush already there.
    static void store(QBrush &stored, const QBrush &brush, QWidget *button)
    {
        if (stored == brush)
            return;
        stored = brush;
        button->update();
    }

    QBrush activeRaisedBrush;
    QBrush activeSunkenBrush;
    QBrush disabledRaisedBrush;
    QBrush disabledSunkenBrush;
    QBrush focusFrameBrush;
};

// PushButton and ToolButton have the same brush API on different Qt bases,
// which no common class can give them; each defines it with
// PICTUREBOOK_BUTTON_BRUSHES(Class), its private record `d` deriving from
// ButtonBrushes. The members are documented with the classes' properties.
#define PICTUREBOOK_BUTTON_BRUSH(Button, name, setter)                                             \
    const QBrush &Button::name() const                                                             \
    {                                                                                              \
        return d->name;                                                                            \
    }                                                                                              \
    void Button::setter(const QBrush &brush)                                                       \
    {                                                                                              \
        ButtonBrushes::store(d->name, brush, this);                                                \
    }

#define PICTUREBOOK_BUTTON_BRUSHES(Button)                                                         \
    PICTUREBOOK_BUTTON_BRUSH(Button, activeRaisedBrush, setActiveRaisedBrush)                      \
    PICTUREBOOK_BUTTON_BRUSH(Button, activeSunkenBrush, setActiveSunkenBrush)                      \
    PICTUREBOOK_BUTTON_BRUSH(Button, disabledRaisedBrush, setDisabledRaisedBrush)                  \
    PICTUREBOOK_BUTTON_BRUSH(Button, disabledSunkenBrush, setDisabledSunkenBrush)                  \
    PICTUREBOOK_BUTTON_BRUSH(Button, focusFrameBrush, setFocusFrameBrush)

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QMouseEvent>
#include <QTest>
#include <QWidget>

// Plays mouse steps such as "p 10 10, m 150 10, r 150 10" on a widget:
// p/r = left press/release, m = move with the left button held, d = the
// double-click event that stands for the second press of a double click,
// P/R = right press/release, M = move holding left and right. `at` turns the
// rest of a step into a point in the widget.
template<typename At> void playMouseSteps(QWidget *widget, const QString &steps, At at)
{
    for (const QString &step : steps.split(QStringLiteral(", "))) {
        const QChar action = step.at(0);
        const QPoint pos = at(step.mid(2));
        const Qt::MouseButton button = action.isUpper() ? Qt::RightButton : Qt::LeftButton;
        if (action.toLower() == u'p') {
            QTest::mousePress(widget, button, {}, pos);
        } else if (action.toLower() == u'r') {
            QTest::mouseRelease(widget, button, {}, pos);
        } else {
            // QTest's moves carry no buttons and its double clicks come with a
            // press, so these events are made as the platform sends them.
            const bool move = action.toLower() == u'm';
            QMouseEvent event(move ? QEvent::MouseMove : QEvent::MouseButtonDblClick, pos,
                              widget->mapToGlobal(pos), move ? Qt::NoButton : Qt::LeftButton,
                              Qt::LeftButton | button, Qt::NoModifier);
            QCoreApplication::sendEvent(widget, &event);
        }
    }
}

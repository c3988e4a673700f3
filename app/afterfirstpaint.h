// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QObject>
#include <QTimer>

#include <functional>

class QWidget;

// Runs a function once, as soon as a widget's first paint is on its way to
// the screen (at the next turn of the event loop after that paint), so that
// slow work done in it does not hold back what the user sees first. When the
// widget is not painted within `latestMs` of the call (a window started
// minimised, say), the function runs then instead. It never runs once the
// widget is gone.
class AfterFirstPaint : public QObject
{
    Q_OBJECT

public:
    static void run(QWidget *widget, int latestMs, std::function<void()> function);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    AfterFirstPaint(QWidget *widget, int latestMs, std::function<void()> function);
    void fire();

    std::function<void()> m_function;
    QTimer m_latest;
};

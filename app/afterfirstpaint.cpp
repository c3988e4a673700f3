// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "app/afterfirstpaint.h"

#include <QEvent>
#include <QWidget>

void AfterFirstPaint::run(QWidget *widget, int latestMs, std::function<void()> function)
{
    new AfterFirstPaint(widget, latestMs, std::move(function));
}

AfterFirstPaint::AfterFirstPaint(QWidget *widget, int latestMs, std::function<void()> function)
    : QObject(widget)
    , m_function(std::move(function))
{
    widget->installEventFilter(this);
    m_latest.setSingleShot(true);
    connect(&m_latest, &QTimer::timeout, this, &AfterFirstPaint::fire);
    m_latest.start(latestMs);
}

bool AfterFirstPaint::eventFilter(QObject *watched, QEvent *event)
{
    // The paint is handled after this returns, and the window flushed after
    // all of its widgets have painted: a zero timer fires after both.
    if (event->type() == QEvent::Paint) {
        watched->removeEventFilter(this);
        m_latest.start(0);
    }
    return QObject::eventFilter(watched, event);
}

void AfterFirstPaint::fire()
{
    if (!m_function)
        return;
    const std::function<void()> function = std::move(m_function);
    m_function = nullptr;
    deleteLater();
    function();
}

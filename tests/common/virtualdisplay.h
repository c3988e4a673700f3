// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include "privatesession.h"

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QTemporaryDir>

struct _XDisplay;

// A private X server (Xvfb) and what a user does on it. Clicks and keys go
// through xdotool's XTEST events, so the reader receives real events from the
// X server, and screenshots are read from the X server's own screen.
class VirtualDisplay
{
public:
    ~VirtualDisplay() { stop(); }

    // Starts Xvfb on the first free display number. On failure, `error` says why.
    bool start(QString *error);
    // Works on an X server that is already there, such as $DISPLAY.
    bool attach(const QString &name, QString *error);
    // The X server this process was started on ($DISPLAY), as the benchmarks
    // are by bench/run.sh.
    static const VirtualDisplay &current();
    bool stop();
    qint64 pid() const { return m_session.pid("XVFB"); }

    // The given environment with DISPLAY pointing here and Qt on X11.
    QProcessEnvironment environment(QProcessEnvironment base) const;
    // Runs xdotool on this display with the given commands.
    bool xdotool(const QStringList &commands, int timeoutMs = 10000) const;
    // The pointer moved to `at` (on the screen), and a click of the left
    // button where it is, or at `at`.
    bool moveTo(QPoint at) const;
    bool click() const { return xdotool({ QStringLiteral("click"), QStringLiteral("1") }); }
    bool click(QPoint at) const;
    // The screen rectangle of the first visible top-level window titled
    // `title`; empty when there is none (yet), or when none comes within
    // `timeoutMs`.
    QRect findWindow(const QString &title) const;
    QRect waitForWindow(const QString &title, int timeoutMs) const;
    // Asks that window to close, as a window manager's close button does.
    bool closeWindow(const QString &title) const;
    // The part of the screen inside `area`; a null image on failure.
    QImage grab(const QRect &area) const;

private:
    unsigned long topLevel(const QString &title, QRect *geometry) const; // 0 when there is none

    QTemporaryDir m_runtime;
    PrivateSession m_session;
    QString m_name;
    _XDisplay *m_connection = nullptr; // for screenshots only
};

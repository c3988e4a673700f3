// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QImage>
#include <QPoint>
#include <QProcess>
#include <QProcessEnvironment>
#include <QRect>
#include <QString>

struct _XDisplay;

// A private X server (Xvfb) for the end-to-end tests, with what a user does
// on it: find a window, click into it, look at the screen. Clicks go through
// xdotool's XTEST events, so the reader receives real pointer events from the
// X server, and screenshots are read from the X server's own screen.
class VirtualDisplay
{
public:
    VirtualDisplay() = default;
    ~VirtualDisplay();

    VirtualDisplay(const VirtualDisplay &) = delete;
    VirtualDisplay &operator=(const VirtualDisplay &) = delete;

    // Starts Xvfb on the first free display number. On failure, `error` says why.
    bool start(QString *error);
    bool stop();

    qint64 pid() const { return m_server.processId(); }

    // The given environment with DISPLAY pointing here and Qt on X11.
    QProcessEnvironment environment(QProcessEnvironment base) const;

    // The screen rectangle of the first visible top-level window whose title
    // matches `title` exactly; an empty rectangle when there is none (yet).
    QRect findWindow(const QString &title) const;

    bool click(QPoint screenPosition) const;

    // Gives the keyboard to the window titled `title`, as a window manager
    // does for the window a user works in, and presses `keys` (xdotool's key
    // names) there as real key events.
    bool type(const QString &title, const QStringList &keys) const;

    // The part of the screen inside `area`; a null image on failure.
    QImage grab(const QRect &area) const;

private:
    QProcess m_server;
    QString m_name;
    _XDisplay *m_connection = nullptr; // for screenshots only
};

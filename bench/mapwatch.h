// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QElapsedTimer>
#include <QRect>

#include <X11/Xlib.h>
#include <poll.h>

// Tells the moment a program's window is mapped, as the X server tells its
// clients: a connection of its own listens for the root window's children
// being mapped, so the figure needs no polling and no guess.
class MapWatch
{
public:
    MapWatch()
        : m_display(XOpenDisplay(nullptr))
    {
        if (!m_display)
            return;
        XSelectInput(m_display, DefaultRootWindow(m_display), SubstructureNotifyMask);
        XSync(m_display, False);
    }
    ~MapWatch()
    {
        if (m_display)
            XCloseDisplay(m_display);
    }
    MapWatch(const MapWatch &) = delete;
    MapWatch &operator=(const MapWatch &) = delete;

    bool isValid() const { return m_display != nullptr; }

    // Forgets what happened before now.
    void clear()
    {
        XSync(m_display, False);
        while (XPending(m_display)) {
            XEvent event;
            XNextEvent(m_display, &event);
        }
    }

    // Waits for a top-level window (not a pop-up) to be mapped; returns the
    // nanoseconds from `clock`'s start when the server said so, or -1 after
    // `timeoutMs` from `clock`'s start.
    qint64 waitForMap(const QElapsedTimer &clock, int timeoutMs)
    {
        pollfd fd { ConnectionNumber(m_display), POLLIN, 0 };
        while (clock.elapsed() < timeoutMs) {
            while (XPending(m_display)) {
                XEvent event;
                XNextEvent(m_display, &event);
                if (event.type == MapNotify && !event.xmap.override_redirect) {
                    m_window = event.xmap.window;
                    return clock.nsecsElapsed();
                }
            }
            poll(&fd, 1, 1);
        }
        return -1;
    }

    // Where the window last mapped lies on the screen.
    QRect geometry() const
    {
        XWindowAttributes attributes;
        if (!m_window || !XGetWindowAttributes(m_display, m_window, &attributes))
            return {};
        Window child;
        int x = 0, y = 0;
        XTranslateCoordinates(m_display, m_window, DefaultRootWindow(m_display), 0, 0, &x, &y,
                              &child);
        return QRect(x, y, attributes.width, attributes.height);
    }

private:
    Display *m_display;
    Window m_window = 0;
};

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "virtualdisplay.h"

#include "childprocess.h"

#include <QTest>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

bool VirtualDisplay::start(QString *error)
{
    if (!m_runtime.isValid()
        || !m_session.start({ QStringLiteral("--display") }, m_runtime.path(), error))
        return false;
    return attach(m_session.variable(QStringLiteral("DISPLAY")), error);
}

bool VirtualDisplay::attach(const QString &name, QString *error)
{
    m_name = name;
    // A window that goes away while it is looked at must not end the tests.
    XSetErrorHandler([](Display *, XErrorEvent *) { return 0; });
    if (m_name.isEmpty() || !(m_connection = XOpenDisplay(m_name.toLatin1().constData()))) {
        *error = "the X server cannot be reached on " + m_name;
        return false;
    }
    return true;
}

const VirtualDisplay &VirtualDisplay::current()
{
    static VirtualDisplay display;
    static const bool attached = [] {
        QString error;
        const bool ok = display.attach(qEnvironmentVariable("DISPLAY"), &error);
        if (!ok)
            qWarning().noquote() << error;
        return ok;
    }();
    Q_UNUSED(attached);
    return display;
}

bool VirtualDisplay::stop()
{
    if (m_connection)
        XCloseDisplay(std::exchange(m_connection, nullptr));
    return m_session.stop();
}

QProcessEnvironment VirtualDisplay::environment(QProcessEnvironment base) const
{
    base.insert("DISPLAY", m_name);
    base.insert("QT_QPA_PLATFORM", "xcb");
    base.remove("WAYLAND_DISPLAY");
    base.remove("XAUTHORITY");
    return base;
}

bool VirtualDisplay::xdotool(const QStringList &commands, int timeoutMs) const
{
    return ChildProcess::run("xdotool", commands,
                             environment(QProcessEnvironment::systemEnvironment()), timeoutMs);
}

bool VirtualDisplay::moveTo(QPoint at) const
{
    return xdotool({ QStringLiteral("mousemove"), QStringLiteral("--sync"),
                     QString::number(at.x()), QString::number(at.y()) });
}

bool VirtualDisplay::click(QPoint at) const
{
    return xdotool({ QStringLiteral("mousemove"), QString::number(at.x()),
                     QString::number(at.y()), QStringLiteral("click"), QStringLiteral("1") });
}

QRect VirtualDisplay::waitForWindow(const QString &title, int timeoutMs) const
{
    QRect found;
    return QTest::qWaitFor([&] { return !(found = findWindow(title)).isEmpty(); }, timeoutMs)
        ? found
        : QRect();
}

QRect VirtualDisplay::findWindow(const QString &title) const
{
    QRect found;
    topLevel(title, &found);
    return found;
}

bool VirtualDisplay::closeWindow(const QString &title) const
{
    const Window window = topLevel(title, nullptr);
    if (!window)
        return false;
    XEvent event = {};
    event.xclient.type = ClientMessage;
    event.xclient.window = window;
    event.xclient.message_type = XInternAtom(m_connection, "WM_PROTOCOLS", False);
    event.xclient.format = 32;
    event.xclient.data.l[0] = long(XInternAtom(m_connection, "WM_DELETE_WINDOW", False));
    event.xclient.data.l[1] = CurrentTime;
    const bool sent = XSendEvent(m_connection, window, False, NoEventMask, &event);
    XFlush(m_connection);
    return sent;
}

unsigned long VirtualDisplay::topLevel(const QString &title, QRect *geometry) const
{
    // With no window manager, top-level windows are the root window's children.
    Window root = 0, parent = 0, *children = nullptr;
    unsigned int count = 0;
    Window found = 0;
    if (!m_connection
        || !XQueryTree(m_connection, DefaultRootWindow(m_connection), &root, &parent, &children,
                       &count))
        return found;
    // Titles are read as UTF-8 (_NET_WM_NAME), which Qt sets beside WM_NAME.
    const Atom netName = XInternAtom(m_connection, "_NET_WM_NAME", False);
    const Atom utf8 = XInternAtom(m_connection, "UTF8_STRING", False);
    for (unsigned int i = 0; i < count && !found; ++i) {
        XWindowAttributes a;
        Atom type = 0;
        int format = 0;
        unsigned long length = 0, after = 0;
        unsigned char *name = nullptr;
        if (XGetWindowAttributes(m_connection, children[i], &a) && a.map_state == IsViewable
            && XGetWindowProperty(m_connection, children[i], netName, 0, 1024, False, utf8, &type,
                                  &format, &length, &after, &name)
                == Success
            && name) {
            if (QString::fromUtf8(reinterpret_cast<const char *>(name), int(length)) == title) {
                found = children[i];
                if (geometry)
                    *geometry = QRect(a.x, a.y, a.width, a.height);
            }
            XFree(name);
        }
    }
    XFree(children);
    return found;
}

QImage VirtualDisplay::grab(const QRect &area) const
{
    // Reading the screen in this process costs a few milliseconds where a
    // screenshot program would cost a process start per picture.
    XImage *pixels = !m_connection
        ? nullptr
        : XGetImage(m_connection, DefaultRootWindow(m_connection), area.x(), area.y(),
                    unsigned(area.width()), unsigned(area.height()), AllPlanes, ZPixmap);
    QImage image;
    // Xvfb's 24-bit screen keeps 32-bit pixels as 0x00RRGGBB, as Qt's RGB32.
    if (pixels && pixels->bits_per_pixel == 32 && pixels->red_mask == 0xff0000
        && pixels->green_mask == 0xff00 && pixels->blue_mask == 0xff
        && pixels->byte_order == LSBFirst) {
        image = QImage(area.size(), QImage::Format_RGB32);
        for (int y = 0; y < area.height(); ++y) {
            const auto *from
                = reinterpret_cast<const quint32 *>(pixels->data + y * pixels->bytes_per_line);
            auto *to = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < area.width(); ++x)
                to[x] = 0xff000000u | from[x];
        }
    }
    if (pixels)
        XDestroyImage(pixels);
    return image;
}

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "virtualdisplay.h"

#include "childprocess.h"

#include <QElapsedTimer>
#include <QRegularExpression>

#include <X11/Xlib.h>
#include <X11/Xutil.h>

VirtualDisplay::~VirtualDisplay()
{
    stop();
}

bool VirtualDisplay::start(QString *error)
{
    ChildProcess::endWithTest(m_server);
    m_server.setProcessChannelMode(QProcess::SeparateChannels);
    m_server.setStandardErrorFile(QProcess::nullDevice());
    // -displayfd picks a free display number and writes it once the server
    // accepts clients, so there is no guessing and no polling for sockets.
    // The screen is larger than the reader's window so that its position
    // on the screen is whatever the program and the X server make of it.
    m_server.start(QStringLiteral("Xvfb"),
                   { QStringLiteral("-displayfd"), QStringLiteral("1"),
                     QStringLiteral("-screen"), QStringLiteral("0"), QStringLiteral("1024x768x24"),
                     QStringLiteral("-nolisten"), QStringLiteral("tcp"),
                     QStringLiteral("-noreset") });
    if (!m_server.waitForStarted(5000)) {
        *error = QStringLiteral("Xvfb did not start: ") + m_server.errorString();
        return false;
    }
    QElapsedTimer timer;
    timer.start();
    QByteArray out;
    while (!out.contains('\n') && timer.elapsed() < 10000 && m_server.state() == QProcess::Running) {
        m_server.waitForReadyRead(200);
        out += m_server.readAllStandardOutput();
    }
    bool ok = false;
    const int number = out.trimmed().toInt(&ok);
    if (!ok) {
        *error = QStringLiteral("Xvfb gave no display number");
        stop();
        return false;
    }
    m_name = QStringLiteral(":%1").arg(number);
    // A window that goes away while it is looked at must not end the tests.
    XSetErrorHandler([](Display *, XErrorEvent *) { return 0; });
    m_connection = XOpenDisplay(m_name.toLatin1().constData());
    if (!m_connection) {
        *error = QStringLiteral("cannot connect to Xvfb on ") + m_name;
        stop();
        return false;
    }
    return true;
}

bool VirtualDisplay::stop()
{
    if (m_connection) {
        XCloseDisplay(m_connection);
        m_connection = nullptr;
    }
    return ChildProcess::stop(m_server);
}

QProcessEnvironment VirtualDisplay::environment(QProcessEnvironment base) const
{
    base.insert(QStringLiteral("DISPLAY"), m_name);
    base.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("xcb"));
    base.remove(QStringLiteral("WAYLAND_DISPLAY"));
    base.remove(QStringLiteral("XAUTHORITY"));
    return base;
}

QRect VirtualDisplay::findWindow(const QString &title) const
{
    if (!m_connection)
        return {};
    // With no window manager, top-level windows are the root window's children.
    Window root = 0;
    Window parent = 0;
    Window *children = nullptr;
    unsigned int count = 0;
    QRect found;
    XQueryTree(m_connection, DefaultRootWindow(m_connection), &root, &parent, &children, &count);
    for (unsigned int i = 0; i < count && found.isEmpty(); ++i) {
        XWindowAttributes attributes;
        char *name = nullptr;
        if (XGetWindowAttributes(m_connection, children[i], &attributes)
            && attributes.map_state == IsViewable && XFetchName(m_connection, children[i], &name)) {
            if (QString::fromLocal8Bit(name) == title)
                found = QRect(attributes.x, attributes.y, attributes.width, attributes.height);
            XFree(name);
        }
    }
    if (children)
        XFree(children);
    return found;
}

bool VirtualDisplay::click(QPoint screenPosition) const
{
    bool ok = false;
    ChildProcess::run(QStringLiteral("xdotool"),
                      { QStringLiteral("mousemove"), QString::number(screenPosition.x()),
                        QString::number(screenPosition.y()), QStringLiteral("click"),
                        QStringLiteral("1") },
                      environment(QProcessEnvironment::systemEnvironment()), &ok);
    return ok;
}

bool VirtualDisplay::type(const QString &title, const QStringList &keys) const
{
    bool ok = false;
    ChildProcess::run(
        QStringLiteral("xdotool"),
        QStringList { QStringLiteral("search"), QStringLiteral("--onlyvisible"),
                      QStringLiteral("--name"),
                      QLatin1Char('^') + QRegularExpression::escape(title) + QLatin1Char('$'),
                      QStringLiteral("windowfocus"), QStringLiteral("key") }
            + keys,
        environment(QProcessEnvironment::systemEnvironment()), &ok);
    return ok;
}

QImage VirtualDisplay::grab(const QRect &area) const
{
    if (!m_connection)
        return {};
    // Reading the screen in this process costs a few milliseconds where a
    // screenshot program would cost a process start per picture.
    XImage *pixels = XGetImage(m_connection, DefaultRootWindow(m_connection), area.x(), area.y(),
                               unsigned(area.width()), unsigned(area.height()), AllPlanes, ZPixmap);
    if (!pixels)
        return {};
    QImage image;
    // Xvfb's 24-bit screen keeps 32-bit pixels as 0x00RRGGBB, as Qt's RGB32.
    if (pixels->bits_per_pixel == 32 && pixels->red_mask == 0xff0000 && pixels->green_mask == 0xff00
        && pixels->blue_mask == 0xff && pixels->byte_order == LSBFirst) {
        image = QImage(area.size(), QImage::Format_RGB32);
        for (int y = 0; y < area.height(); ++y) {
            const auto *from = reinterpret_cast<const quint32 *>(pixels->data + y * pixels->bytes_per_line);
            auto *to = reinterpret_cast<QRgb *>(image.scanLine(y));
            for (int x = 0; x < area.width(); ++x)
                to[x] = 0xff000000u | from[x];
        }
    }
    XDestroyImage(pixels);
    return image;
}

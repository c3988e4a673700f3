// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QPoint>
#include <QProcess>
#include <QRect>
#include <QStringList>

// Shared by the benchmarks that drive the real program from outside: the
// X server's view of its window and real pointer clicks, through xdotool.
namespace Desktop {

inline QByteArray run(const QStringList &command, bool *ok)
{
    QProcess process;
    process.start(command.first(), command.mid(1));
    *ok = process.waitForFinished(10000) && process.exitStatus() == QProcess::NormalExit
        && process.exitCode() == 0;
    if (process.state() != QProcess::NotRunning) {
        process.kill();
        process.waitForFinished();
    }
    return process.readAllStandardOutput();
}

// The screen rectangle of the reader's window, waiting for it to be mapped.
inline QRect findWindow()
{
    bool ok = false;
    const QByteArray ids = run({ QStringLiteral("xdotool"), QStringLiteral("search"),
                                 QStringLiteral("--sync"), QStringLiteral("--onlyvisible"),
                                 QStringLiteral("--name"), QStringLiteral("^MainWindow$") },
                               &ok);
    const QByteArray id = ids.split('\n').value(0).trimmed();
    if (!ok || id.isEmpty())
        return {};
    const QByteArray shell = run({ QStringLiteral("xdotool"), QStringLiteral("getwindowgeometry"),
                                   QStringLiteral("--shell"), QString::fromLatin1(id) },
                                 &ok);
    QRect rect;
    for (const QByteArray &line : shell.split('\n')) {
        const qsizetype eq = line.indexOf('=');
        if (eq < 0)
            continue;
        const QByteArray key = line.left(eq);
        const int value = line.mid(eq + 1).toInt();
        if (key == "X")
            rect.moveLeft(value);
        else if (key == "Y")
            rect.moveTop(value);
        else if (key == "WIDTH")
            rect.setWidth(value);
        else if (key == "HEIGHT")
            rect.setHeight(value);
    }
    return ok ? rect : QRect();
}

inline bool moveTo(const QPoint &at)
{
    bool ok = false;
    run({ QStringLiteral("xdotool"), QStringLiteral("mousemove"), QStringLiteral("--sync"),
          QString::number(at.x()), QString::number(at.y()) },
        &ok);
    return ok;
}

// A click where the pointer is.
inline bool click()
{
    bool ok = false;
    run({ QStringLiteral("xdotool"), QStringLiteral("click"), QStringLiteral("1") }, &ok);
    return ok;
}

inline bool click(const QPoint &at)
{
    return moveTo(at) && click();
}

} // namespace Desktop

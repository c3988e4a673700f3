// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

// Resident memory of the reader while it is read, in a real main window:
// the peak (VmHWM) over one complete reading of all three stories, and the
// resident size (VmRSS) after one complete reading against after many, which
// shows whether anything piles up from reading to reading.
//
// Every click is a mouse press and release handed to the window at the
// button's place, so it goes through the same hit testing as a click from
// the window system. Run it on the platform the reader runs on (DISPLAY set)
// with a sound server, for the music is part of what a reading holds.
//
// Usage: bench_memory [readings]   (default 100)

#include "procstatus.h"
#include "app/fontsetup.h"
#include "app/mainwindow.h"
#include "novel/formnovel.h"
#include "pages/formcontents.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QMouseEvent>
#include <QPushButton>
#include <QWindow>

#include <algorithm>
#include <cstdio>

namespace {

void click(QWidget *window, QPushButton *button)
{
    QWindow *handle = window->windowHandle();
    const QPointF local = button->mapTo(window, button->rect().center());
    const QPointF global = handle->mapToGlobal(local);
    QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QApplication::sendEvent(handle, &press);
    QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(handle, &release);
    QApplication::processEvents();
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    FontSetup::install();
    const int readings = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 100;

    MainWindow window;
    window.show();
    QElapsedTimer wait;
    wait.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && wait.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    QApplication::processEvents();
    const double atTitle = statusMebibytes("VmRSS");

    auto *start = window.findChild<QPushButton *>(QStringLiteral("PB_Start"));
    auto *contents = window.findChild<FormContents *>();
    auto *novel = window.findChild<FormNovel *>();
    auto *next = novel->findChild<QPushButton *>(QStringLiteral("PB_Page"));
    const char *const storyButtons[] = {"PB_Ruvello", "PB_Novel", "PB_Sorinda"};

    // The first reading notes the resident size at each step, to show what
    // each story adds.
    QStringList steps;
    auto note = [&](const QString &step) {
        steps << QStringLiteral("%1 %2 MiB").arg(step).arg(statusMebibytes("VmRSS"), 0, 'f', 1);
    };
    click(&window, start);
    note(QStringLiteral("contents"));
    if (!contents->isVisible()) {
        std::fprintf(stderr, "bench_memory: the start button did not open the contents page\n");
        return 1;
    }

    // One complete reading: every story from its first record until the
    // contents page comes back.
    bool first = true;
    auto readAll = [&]() -> bool {
        for (const char *name : storyButtons) {
            click(&window, contents->findChild<QPushButton *>(QLatin1String(name)));
            if (!novel->isVisible())
                return false;
            if (first)
                note(QLatin1String(name) + QStringLiteral(" opened"));
            for (int clicks = 0; novel->isVisible(); ++clicks) {
                if (clicks > 100)
                    return false;
                click(&window, next);
            }
            if (first)
                note(QStringLiteral("read"));
        }
        first = false;
        return contents->isVisible();
    };

    double afterOne = 0, afterTen = 0, peak = 0;
    QElapsedTimer timer;
    timer.start();
    for (int i = 1; i <= readings; ++i) {
        if (!readAll()) {
            std::fprintf(stderr, "bench_memory: reading %d did not come back to the contents page\n",
                         i);
            return 1;
        }
        if (i == 1) {
            afterOne = statusMebibytes("VmRSS");
            peak = statusMebibytes("VmHWM");
        }
        if (i == 10)
            afterTen = statusMebibytes("VmRSS");
    }
    const double afterAll = statusMebibytes("VmRSS");

    std::printf("platform %s, %d complete reading(s) of the three stories in %.1f s\n",
                qPrintable(QGuiApplication::platformName()), readings, timer.elapsed() / 1000.0);
    std::printf("first reading, resident after each step: %s\n", qPrintable(steps.join(QStringLiteral(", "))));
    std::printf("%-34s value %7.2f MiB\n", "resident at the title page", atTitle);
    std::printf("%-34s value %7.2f MiB\n", "peak resident over one reading", peak);
    std::printf("%-34s value %7.2f MiB\n", "resident after 1 reading", afterOne);
    if (readings > 10)
        std::printf("%-34s value %7.2f MiB\n", "resident after 10 readings", afterTen);
    std::printf("%-34s value %7.2f MiB\n",
                qPrintable(QStringLiteral("resident after %1 readings").arg(readings)), afterAll);
    std::printf("%-34s value %7.2f MiB\n",
                qPrintable(QStringLiteral("growth 1 -> %1 readings").arg(readings)),
                afterAll - afterOne);
    std::printf("%-34s value %7.2f MiB\n", "peak resident overall", statusMebibytes("VmHWM"));
    return 0;
}

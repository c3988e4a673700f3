// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

// Start-up and idle cost of the real program, measured from outside it.
//
// Start-up: from the moment the reader's process is started until its title
// page is on the screen. A first, untimed run finds the window and takes the
// settled title page as the reference; every timed run then starts the
// program afresh and reads a few rows of the screen every millisecond until
// they show exactly the reference, so a half-drawn or unpainted window does
// not count. The screen is read from the X server, not from the program.
//
// The reader's CPU time (user and system, all its threads) at that moment is
// printed beside it, in steps of the kernel's clock tick.
//
// Idle CPU: the program's own CPU time (user and system, all threads, from
// /proc/<pid>/stat) over ten seconds while a page sits on the screen with
// its music playing, first the title page, then the first page of a story
// opened with real pointer clicks (xdotool).
//
// Usage: bench_startup [runs] [program]
//   runs     timed start-ups (default 9)
//   program  the reader (default: ../picturebook beside this benchmark)
// Needs an X display (DISPLAY) and xdotool; the program runs in its own
// folder, where its music is.

#include "desktop.h"
#include "samples.h"
#include "pages/formcontents.h"
#include "pages/formtitle.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QPixmap>
#include <QProcess>
#include <QPushButton>
#include <QScreen>
#include <QThread>

#include <algorithm>
#include <cstdio>
#include <unistd.h>
#include <vector>

namespace {

QImage grab(const QRect &area)
{
    return QGuiApplication::primaryScreen()
            ->grabWindow(0, area.x(), area.y(), area.width(), area.height())
            .toImage()
            .convertToFormat(QImage::Format_RGB32);
}

// Rows across the window, through the title picture and the start button:
// cheap enough to read every millisecond, and no partial paint matches them.
struct Probe
{
    QRect window;
    std::vector<int> rows;
    std::vector<QImage> expected;

    void takeReference()
    {
        expected.clear();
        for (int y : rows)
            expected.push_back(grab(QRect(window.x(), window.y() + y, window.width(), 1)));
    }

    bool matches() const
    {
        for (size_t i = 0; i < rows.size(); ++i) {
            if (grab(QRect(window.x(), window.y() + rows[i], window.width(), 1)) != expected[i])
                return false;
        }
        return true;
    }
};

class Reader
{
public:
    Reader(const QString &program)
    {
        m_process.setProgram(program);
        m_process.setWorkingDirectory(QFileInfo(program).absolutePath());
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }
    ~Reader() { stop(); }

    void start() { m_process.start(); }
    bool running() const { return m_process.state() != QProcess::NotRunning; }
    qint64 pid() const { return m_process.processId(); }

    void stop()
    {
        if (m_process.state() == QProcess::NotRunning)
            return;
        m_process.terminate();
        if (!m_process.waitForFinished(3000)) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }

    // User plus system time of all its threads, in seconds.
    double cpuSeconds() const
    {
        QFile stat(QStringLiteral("/proc/%1/stat").arg(pid()));
        if (!stat.open(QIODevice::ReadOnly))
            return -1;
        const QByteArray line = stat.readAll();
        // Fields after the command name, which may hold spaces itself.
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        // utime and stime are fields 14 and 15 of the whole line.
        return (fields.value(11).toDouble() + fields.value(12).toDouble()) / sysconf(_SC_CLK_TCK);
    }

private:
    QProcess m_process;
};

// Waits until the probe sees the settled page; returns the nanoseconds from
// `clock`'s start, or -1 after ten seconds.
qint64 waitForPage(const Probe &probe, const QElapsedTimer &clock, const Reader &reader)
{
    while (clock.elapsed() < 10000 && reader.running()) {
        if (probe.matches())
            return clock.nsecsElapsed();
        QThread::usleep(1000);
    }
    return -1;
}

bool waitUntilStill(const QRect &window)
{
    QImage last = grab(window);
    for (int i = 0; i < 50; ++i) {
        QThread::msleep(200);
        const QImage now = grab(window);
        if (now == last && i >= 4)
            return true;
        last = now;
    }
    return false;
}

double idlePercent(const Reader &reader, int seconds)
{
    const double before = reader.cpuSeconds();
    QElapsedTimer clock;
    clock.start();
    QThread::sleep(seconds);
    const double after = reader.cpuSeconds();
    return 100.0 * (after - before) / (clock.nsecsElapsed() / 1e9);
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    if (QGuiApplication::platformName() != QLatin1String("xcb")) {
        std::fprintf(stderr, "bench_startup: needs an X display (DISPLAY)\n");
        return 2;
    }
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 9;
    const QString program = argc > 2
            ? QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath()
            : QDir(QCoreApplication::applicationDirPath()).absoluteFilePath(QStringLiteral("../picturebook"));
    if (!QFileInfo(program).isExecutable()) {
        std::fprintf(stderr, "bench_startup: no program at %s\n", qPrintable(program));
        return 2;
    }

    // Where the buttons are: the pages sit at the top left of the window.
    QPoint startButton, storyButton;
    {
        FormTitle title;
        FormContents contents;
        startButton = title.findChild<QPushButton *>(QStringLiteral("PB_Start"))->geometry().center();
        storyButton = contents.findChild<QPushButton *>(QStringLiteral("PB_Novel"))->geometry().center();
    }

    Probe probe;
    {
        Reader reader(program);
        reader.start();
        probe.window = Desktop::findWindow();
        if (probe.window.isEmpty() || !waitUntilStill(probe.window)) {
            std::fprintf(stderr, "bench_startup: the reader's window did not settle\n");
            return 1;
        }
        const int h = probe.window.height();
        probe.rows = {h / 8, startButton.y(), h / 2, h * 3 / 4, h - h / 8};
        probe.takeReference();
        reader.stop();
    }

    // The CPU time the reader has used by then tells its own work apart from
    // waiting for a machine that is busy with something else.
    std::vector<double> startup, startupCpu;
    for (int i = 0; i < runs; ++i) {
        QThread::msleep(300);
        Reader reader(program);
        QElapsedTimer clock;
        clock.start();
        reader.start();
        const qint64 painted = waitForPage(probe, clock, reader);
        if (painted < 0) {
            std::fprintf(stderr, "bench_startup: run %d never showed the title page\n", i + 1);
            return 1;
        }
        startup.push_back(ms(painted));
        startupCpu.push_back(reader.cpuSeconds() * 1000.0);
    }

    Reader reader(program);
    QElapsedTimer clock;
    clock.start();
    reader.start();
    if (waitForPage(probe, clock, reader) < 0)
        return 1;
    QThread::sleep(2);
    const double titleIdle = idlePercent(reader, 10);
    const QPoint origin = probe.window.topLeft();
    const bool clicked = Desktop::click(origin + startButton);
    QThread::msleep(500);
    if (!clicked || !Desktop::click(origin + storyButton)) {
        std::fprintf(stderr, "bench_startup: xdotool could not click\n");
        return 1;
    }
    QThread::sleep(2);
    if (probe.matches()) {
        std::fprintf(stderr, "bench_startup: the clicks did not leave the title page\n");
        return 1;
    }
    const double readingIdle = idlePercent(reader, 10);
    reader.stop();

    std::printf("program %s, %d timed start-up(s)\n", qPrintable(program), runs);
    printSamples("start-up to painted title page", startup);
    printSamples("  CPU time by then (all threads)", startupCpu);
    std::printf("%-34s value %7.2f %%\n", "idle CPU, title page", titleIdle);
    std::printf("%-34s value %7.2f %%\n", "idle CPU, reading page", readingIdle);
    return 0;
}

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

// Start-up, memory and idle cost of the real program, measured from outside
// it, beside the same figures of the floor: a program that only shows the
// title picture in a window (picturebook_floor), started in turn with the
// reader in the same run, so that a busy machine weighs on both alike.
//
// Window mapped: from starting the process until the X server maps its window
// (told by the server itself, see MapWatch).
//
// First page painted: from starting the process until its first page is on
// the screen. An untimed run of each program takes its settled window as the
// reference; every timed run then reads a few rows of the screen every
// millisecond until they show exactly the reference, so a half-drawn or
// unpainted window does not count. The screen is read from the X server, not
// from the program. The program's CPU time (user and system, all its
// threads) at that moment is printed beside it, in steps of the kernel's
// clock tick.
//
// Peak resident: VmHWM of each program a second after its first page settled.
//
// Idle CPU: the program's own CPU time (user and system, all threads, from
// /proc/<pid>/stat) over ten seconds while a page sits on the screen with
// its music playing, first the title page, then the first page of a story
// opened with real pointer clicks (xdotool).
//
// Usage: bench_startup [runs] [program] [floor]
//   runs     timed start-ups of each (default 9)
//   program  the reader (default: ../picturebook beside this benchmark)
//   floor    the floor (default: picturebook_floor beside this benchmark)
// Needs an X display (DISPLAY) and xdotool; the programs run in their own
// folders, where the reader's music is.

#include "virtualdisplay.h"
#include "procstatus.h"
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

// Last: Xlib's macros would clash with Qt's names.
#include "mapwatch.h"

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

// One program measured: where its window lies, what its settled first page
// looks like, and its figures.
struct Subject
{
    Subject(const QString &name, const QString &program)
        : name(name)
        , program(program)
    {
    }

    QString name;
    QString program;
    Probe probe;
    double peakResident = -1;
    std::vector<double> mapped, painted, cpu;
};

// The untimed first run: finds the window, takes its settled first page as
// the reference and notes the peak resident size.
bool takeReference(Subject &subject, MapWatch &watch, const std::vector<int> &rowsFromTop)
{
    Reader reader(subject.program);
    QElapsedTimer clock;
    clock.start();
    watch.clear();
    reader.start();
    if (watch.waitForMap(clock, 10000) < 0)
        return false;
    subject.probe.window = watch.geometry();
    if (subject.probe.window.isEmpty() || !waitUntilStill(subject.probe.window))
        return false;
    subject.probe.rows = rowsFromTop;
    subject.probe.takeReference();
    QThread::sleep(1);
    subject.peakResident = statusMebibytes("VmHWM", reader.pid());
    printResidentBreakdown(reader.pid(),
                           qPrintable(QStringLiteral("by the %1 on its first page").arg(subject.name)));
    return true;
}

bool timeOneStart(Subject &subject, MapWatch &watch, int run)
{
    Reader reader(subject.program);
    QElapsedTimer clock;
    clock.start();
    watch.clear();
    reader.start();
    const qint64 mapped = watch.waitForMap(clock, 10000);
    const qint64 painted = mapped < 0 ? -1 : waitForPage(subject.probe, clock, reader);
    if (painted < 0) {
        std::fprintf(stderr, "bench_startup: run %d of %s: %s\n", run,
                     qPrintable(subject.program),
                     !reader.running()    ? "the program ended before its first page showed"
                             : mapped < 0 ? "no window within ten seconds"
                                          : "the first page did not show within ten seconds");
        return false;
    }
    subject.mapped.push_back(ms(mapped));
    subject.painted.push_back(ms(painted));
    subject.cpu.push_back(reader.cpuSeconds() * 1000.0);
    return true;
}

QString programArgument(int argc, char *argv[], int index, const char *besideThis)
{
    return argc > index ? QFileInfo(QString::fromLocal8Bit(argv[index])).absoluteFilePath()
                        : QDir(QCoreApplication::applicationDirPath())
                                  .absoluteFilePath(QLatin1String(besideThis));
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
    Subject reader(QStringLiteral("reader"), programArgument(argc, argv, 2, "../picturebook"));
    Subject floor(QStringLiteral("floor"), programArgument(argc, argv, 3, "picturebook_floor"));
    for (const Subject *subject : { &reader, &floor }) {
        if (!QFileInfo(subject->program).isExecutable()) {
            std::fprintf(stderr, "bench_startup: no program at %s\n", qPrintable(subject->program));
            return 2;
        }
    }
    MapWatch watch;
    if (!watch.isValid()) {
        std::fprintf(stderr, "bench_startup: cannot watch the X server\n");
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

    // Rows across the window, through the title picture and the start button.
    const int h = 600;
    const std::vector<int> rows { h / 8, startButton.y(), h / 2, h * 3 / 4, h - h / 8 };
    for (Subject *subject : { &reader, &floor }) {
        if (!takeReference(*subject, watch, rows)) {
            std::fprintf(stderr, "bench_startup: the %s's window did not settle\n",
                         qPrintable(subject->name));
            return 1;
        }
    }

    // In turns, so that a busy moment of the machine weighs on both alike.
    int failed = 0;
    for (int i = 0; i < runs; ++i) {
        for (Subject *subject : { &floor, &reader }) {
            QThread::msleep(300);
            if (!timeOneStart(*subject, watch, i + 1))
                ++failed;
        }
    }

    Reader running(reader.program);
    QElapsedTimer clock;
    clock.start();
    running.start();
    if (waitForPage(reader.probe, clock, running) < 0)
        return 1;
    QThread::sleep(2);
    const double titleIdle = idlePercent(running, 10);
    const QPoint origin = reader.probe.window.topLeft();
    const bool clicked = VirtualDisplay::current().click(origin + startButton);
    QThread::msleep(500);
    if (!clicked || !VirtualDisplay::current().click(origin + storyButton)) {
        std::fprintf(stderr, "bench_startup: xdotool could not click\n");
        return 1;
    }
    QThread::sleep(2);
    if (reader.probe.matches()) {
        std::fprintf(stderr, "bench_startup: the clicks did not leave the title page\n");
        return 1;
    }
    const double readingIdle = idlePercent(running, 10);
    running.stop();

    std::printf("program %s, floor %s, %d timed start-up(s) of each, %d failed (see the errors)\n",
                qPrintable(reader.program), qPrintable(floor.program), runs, failed);
    // The CPU time a program has used by then tells its own work apart from
    // waiting for a machine that is busy with something else.
    printSamples("window mapped", reader.mapped);
    printSamples("first page painted", reader.painted);
    printSamples("  CPU time by then", reader.cpu);
    printSamples("floor: window mapped", floor.mapped);
    printSamples("floor: first page painted", floor.painted);
    printSamples("floor: CPU time by then", floor.cpu);
    std::printf("%-34s value %7.2f MiB\n", "peak resident, title page", reader.peakResident);
    std::printf("%-34s value %7.2f MiB\n", "floor: peak resident", floor.peakResident);
    std::printf("%-34s value %7.2f %%\n", "idle CPU, title page", titleIdle);
    std::printf("%-34s value %7.2f %%\n", "idle CPU, reading page", readingIdle);
    return 0;
}

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

// The music of the real program as a listener meets it, measured from outside
// on the X display and the sound server it is given:
//
// Click to tune: from a real pointer click on a story button (xdotool) to the
// first 10 ms of the sound server's output that carry the opening of the
// story's tune, recorded from the monitor of the default sink. Measured when
// the title tune plays (title -> story) and when the music has stopped at the
// end of a story (the same story chosen again). The program reads test tones
// here: every file opens with the same marker pitch and then holds a pitch of
// its own, so the new tune is told from the one it replaces. A figure counts
// from the moment the click is sent until the recording reaches this
// benchmark. The recorder asks for no particular latency: one that asks for
// a low one makes the sound server hurry for every stream, and would hide a
// player that only sounds prompt on such a server.
//
// Start-up to tune: from starting the program to the first window of the
// title tune, as above, beside the same figure for paplay playing the same
// file in the same place: a server whose last stream has just closed takes
// a new one in at its own next turn, whoever the client is.
//
// Memory: the program with its own tunes, read as a user reads it: the title
// page with its tune, the contents page, then the longest story from its
// first record to the contents page, a click every 100 ms. Printed: the peak
// resident size (VmHWM) over the whole of it, and where the resident memory
// lies (smaps) on the story's first page, with its tune playing, and after
// the story, where the peak is reached; with the part of it that is the
// program's own rather than pages of files it reads.
//
// Usage: bench_music [runs] [program]
//   runs     launches of the program for the click figures (default 10)
//   program  the reader (default: ../picturebook beside this benchmark)
// Needs an X display (DISPLAY), xdotool, a sound server and its parec.

#include "virtualdisplay.h"
#include "procstatus.h"
#include "novel/formnovel.h"
#include "pages/formcontents.h"
#include "pages/formtitle.h"
#include "samples.h"
#include "scenario/ruvello.h"
#include "scenario/sorinda.h"
#include "scenario/tovane.h"
#include "toneanalysis.h"

#include <QApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QMap>
#include <QProcess>
#include <QPushButton>
#include <QTemporaryDir>
#include <QThread>

#include <sndfile.h>

#include <algorithm>
#include <cmath>
#include <cstdio>
#include <memory>
#include <vector>

namespace {

constexpr int recordRate = 44100;
constexpr int windowSamples = recordRate / 100;
constexpr double markerHz = 1000.0;
constexpr double markerSeconds = 0.4;
constexpr double titleHz = 330.0;
// Test tones play at an amplitude of 12000; a window holds the marker once
// its pitch reaches a third of that.
constexpr double heardAmplitude = 4000.0;
constexpr double silenceRms = 200.0;

// Marker, then the file's own pitch, as 16-bit stereo at 22.05 kHz like the
// real tunes.
bool writeTestTune(const QString &path, double hz, double seconds)
{
    const int rate = 22050;
    SF_INFO info = {};
    info.samplerate = rate;
    info.channels = 2;
    info.format = SF_FORMAT_WAV | SF_FORMAT_PCM_16;
    SNDFILE *file = sf_open(QFile::encodeName(path).constData(), SFM_WRITE, &info);
    if (!file)
        return false;
    std::vector<short> frames;
    const int count = int(seconds * rate);
    frames.reserve(size_t(count) * 2);
    double phase = 0;
    for (int i = 0; i < count; ++i) {
        phase += 2 * M_PI * (i < markerSeconds * rate ? markerHz : hz) / rate;
        const auto sample = short(std::lround(12000 * std::sin(phase)));
        frames.push_back(sample);
        frames.push_back(sample);
    }
    const bool written = sf_writef_short(file, frames.data(), count) == count;
    return sf_close(file) == 0 && written;
}

// Everything the default sink plays, as it reaches this program.
class Recorder
{
public:
    bool start()
    {
        m_clock.start();
        m_parec.start(QStringLiteral("parec"),
                      { QStringLiteral("--device=@DEFAULT_MONITOR@"),
                        QStringLiteral("--format=s16le"), QStringLiteral("--channels=1"),
                        QStringLiteral("--rate=%1").arg(recordRate), QStringLiteral("--raw") });
        return m_parec.waitForStarted(5000) && waitForSamples(recordRate / 10, 5000);
    }
    ~Recorder()
    {
        m_parec.kill();
        m_parec.waitForFinished(3000);
    }

    qint64 samples() const { return m_data.size() / 2; }
    qint64 now() const { return m_clock.nsecsElapsed(); }

    // Reads what has come, waiting at most `ms` for it.
    void poll(int ms = 1)
    {
        if (m_parec.bytesAvailable() == 0)
            m_parec.waitForReadyRead(ms);
        const QByteArray fresh = m_parec.readAllStandardOutput();
        if (fresh.isEmpty())
            return;
        m_data += fresh;
        m_arrivals.push_back({ samples(), now() });
    }

    bool waitForSamples(qint64 count, int timeoutMs)
    {
        QElapsedTimer timer;
        timer.start();
        while (samples() < count && timer.elapsed() < timeoutMs)
            poll(10);
        return samples() >= count;
    }

    // When the sample at `index` had reached this program.
    qint64 arrival(qint64 index) const
    {
        for (const auto &[count, time] : m_arrivals) {
            if (count > index)
                return time;
        }
        return -1;
    }

    const qint16 *window(qint64 start) const
    {
        return reinterpret_cast<const qint16 *>(m_data.constData()) + start;
    }

    // The first window from `from` on that holds `hz`, as the index of its
    // last sample; -1 when none comes within `timeoutMs`.
    qint64 waitForPitch(qint64 from, double hz, int timeoutMs)
    {
        QElapsedTimer timer;
        timer.start();
        for (qint64 start = from;; start += windowSamples / 2) {
            while (start + windowSamples > samples()) {
                if (timer.elapsed() > timeoutMs)
                    return -1;
                poll();
            }
            if (amplitudeAt(window(start), windowSamples, hz, recordRate) >= heardAmplitude)
                return start + windowSamples - 1;
        }
    }

    // Waits until `ms` in a row were silent.
    bool waitForSilence(int ms, int timeoutMs)
    {
        QElapsedTimer timer;
        timer.start();
        const qint64 needed = qint64(ms) * recordRate / 1000;
        qint64 start = samples();
        qint64 quietSince = start;
        while (timer.elapsed() < timeoutMs) {
            poll(10);
            for (; start + windowSamples <= samples(); start += windowSamples) {
                if (rms(window(start), windowSamples) >= silenceRms)
                    quietSince = start + windowSamples;
            }
            if (start - quietSince >= needed)
                return true;
        }
        return false;
    }

private:
    QProcess m_parec;
    QElapsedTimer m_clock;
    QByteArray m_data;
    std::vector<std::pair<qint64, qint64>> m_arrivals;
};

// A program started in a folder of its own, ended when this goes.
class Reader
{
public:
    Reader(const QString &program, const QString &workDir, const QStringList &arguments = {})
    {
        m_process.setProgram(program);
        m_process.setArguments(arguments);
        m_process.setWorkingDirectory(workDir);
        m_process.setStandardOutputFile(QProcess::nullDevice());
        m_process.setProcessChannelMode(QProcess::ForwardedErrorChannel);
    }
    void start() { m_process.start(); }
    ~Reader()
    {
        m_process.terminate();
        if (!m_process.waitForFinished(5000)) {
            m_process.kill();
            m_process.waitForFinished(3000);
        }
    }
    qint64 pid() const { return m_process.processId(); }

private:
    QProcess m_process;
};

struct Places
{
    QPoint start, next;
    QPoint stories[3]; // PB_Ruvello, PB_Novel, PB_Sorinda
    int records[3];
};

Places findPlaces()
{
    Places places;
    FormTitle title;
    FormContents contents;
    FormNovel novel;
    auto centre = [](QWidget *page, const char *name) {
        return page->findChild<QPushButton *>(QLatin1String(name))->geometry().center();
    };
    places.start = centre(&title, "PB_Start");
    places.next = centre(&novel, "PB_Page");
    places.stories[0] = centre(&contents, "PB_Ruvello");
    places.stories[1] = centre(&contents, "PB_Novel");
    places.stories[2] = centre(&contents, "PB_Sorinda");
    places.records[0] = Ruvello().count;
    places.records[1] = Tovane().count;
    places.records[2] = Sorinda().count;
    return places;
}

// Sends a click where the pointer is and returns the nanoseconds from its
// sending to the first window of `hz` that reaches this program, or -1.
qint64 clickToPitch(Recorder &recorder, double hz)
{
    recorder.poll(0);
    const qint64 from = recorder.samples();
    QProcess clicker;
    const qint64 sent = recorder.now();
    clicker.start(QStringLiteral("xdotool"), { QStringLiteral("click"), QStringLiteral("1") });
    const qint64 heard = recorder.waitForPitch(from, hz, 5000);
    clicker.waitForFinished(5000);
    return heard < 0 ? -1 : recorder.arrival(heard) - sent;
}

bool readToTheEnd(const QPoint &next, int records)
{
    if (!VirtualDisplay::current().moveTo(next))
        return false;
    for (int i = 0; i < records; ++i) {
        if (!VirtualDisplay::current().click())
            return false;
        QThread::msleep(100);
    }
    return true;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int runs = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 10;
    const QString program = argc > 2 ? QFileInfo(QString::fromLocal8Bit(argv[2])).absoluteFilePath()
                                     : QDir(QCoreApplication::applicationDirPath())
                                           .absoluteFilePath(QStringLiteral("../picturebook"));
    if (!QFileInfo(program).isExecutable()) {
        std::fprintf(stderr, "bench_music: no program at %s\n", qPrintable(program));
        return 2;
    }
    const Places places = findPlaces();

    QTemporaryDir tones;
    const struct
    {
        const char *name;
        double hz;
    } tunes[] = {
        { "title.wav", titleHz }, { "0.wav", 440 },       { "1.wav", 554 },
        { "2.wav", 659 },         { "cm1_003.wav", 880 },
    };
    for (const auto &tune : tunes) {
        if (!QDir(tones.path()).mkpath(QStringLiteral("music"))
            || !writeTestTune(tones.filePath(QStringLiteral("music/") + QLatin1String(tune.name)),
                              tune.hz, 60)) {
            std::fprintf(stderr, "bench_music: cannot write the test tunes\n");
            return 1;
        }
    }

    Recorder recorder;
    if (!recorder.start()) {
        std::fprintf(stderr, "bench_music: nothing can be recorded from the sound server\n");
        return 2;
    }

    // From starting the reader (or paplay) to the first window of the
    // marker, or -1. Every start waits until the last sound has gone.
    const auto startToMarker = [&recorder](Reader &reader) -> qint64 {
        recorder.poll(0);
        const qint64 from = recorder.samples();
        const qint64 started = recorder.now();
        reader.start();
        const qint64 opening = recorder.waitForPitch(from, markerHz, 10000);
        return opening < 0 ? -1 : recorder.arrival(opening) - started;
    };

    std::vector<double> atStartup, paplayStartup, whilePlaying, afterSilence;
    int missed = 0;
    for (int run = 0; run < runs; ++run) {
        recorder.waitForSilence(300, 5000);
        {
            Reader paplay(QStringLiteral("paplay"), tones.path(),
                          { QStringLiteral("music/title.wav") });
            const qint64 heard = startToMarker(paplay);
            if (heard >= 0)
                paplayStartup.push_back(ms(heard));
        }
        recorder.waitForSilence(300, 5000);
        Reader reader(program, tones.path());
        const qint64 heard = startToMarker(reader);
        if (heard >= 0)
            atStartup.push_back(ms(heard));
        const qint64 from = recorder.samples();
        const QRect window = VirtualDisplay::current().waitForWindow(QStringLiteral("MainWindow"), 10000);
        if (window.isEmpty() || recorder.waitForPitch(from, titleHz, 10000) < 0) {
            std::fprintf(stderr, "bench_music: run %d: no window or no title tune\n", run);
            ++missed;
            continue;
        }
        QThread::msleep(500);
        const int story = run % 3;
        const QPoint button = window.topLeft() + places.stories[story];
        if (!VirtualDisplay::current().click(window.topLeft() + places.start)) {
            std::fprintf(stderr, "bench_music: xdotool could not click\n");
            return 1;
        }
        QThread::msleep(500);
        VirtualDisplay::current().moveTo(button);
        recorder.poll();
        if (amplitudeAt(recorder.window(recorder.samples() - windowSamples), windowSamples, titleHz,
                        recordRate)
            < heardAmplitude) {
            std::fprintf(stderr, "bench_music: run %d: the title tune stopped by itself\n", run);
            ++missed;
            continue;
        }
        const qint64 replaced = clickToPitch(recorder, markerHz);
        if (replaced >= 0)
            whilePlaying.push_back(ms(replaced));
        else
            ++missed;

        QThread::msleep(300);
        if (!readToTheEnd(window.topLeft() + places.next, places.records[story])
            || !recorder.waitForSilence(500, 5000)) {
            std::fprintf(stderr, "bench_music: run %d: the music went on after the story\n", run);
            ++missed;
            continue;
        }
        VirtualDisplay::current().moveTo(button);
        const qint64 restarted = clickToPitch(recorder, markerHz);
        if (restarted >= 0)
            afterSilence.push_back(ms(restarted));
        else
            ++missed;
    }

    // Memory, with the program's own tunes from its own folder.
    double peak = -1, afterReading = -1, ownAfterReading = -1;
    {
        Reader reader(program, QFileInfo(program).absolutePath());
        reader.start();
        const QRect window = VirtualDisplay::current().waitForWindow(QStringLiteral("MainWindow"), 10000);
        QThread::sleep(2);
        if (window.isEmpty() || !VirtualDisplay::current().click(window.topLeft() + places.start)) {
            std::fprintf(stderr, "bench_music: the reader's window did not appear\n");
            return 1;
        }
        QThread::msleep(500);
        VirtualDisplay::current().click(window.topLeft() + places.stories[0]);
        QThread::sleep(2);
        printResidentBreakdown(reader.pid(), "on the story's first page");
        readToTheEnd(window.topLeft() + places.next, places.records[0]);
        QThread::msleep(500);
        peak = statusMebibytes("VmHWM", reader.pid());
        afterReading = statusMebibytes("VmRSS", reader.pid());
        ownAfterReading
            = printResidentBreakdown(reader.pid(), "after the story, back on the contents page");
    }

    std::printf("program %s, %d run(s), %d step(s) failed (see the errors)\n", qPrintable(program),
                runs, missed);
    printSamples("start-up to title tune", atStartup);
    printSamples("  paplay, same file and server", paplayStartup);
    printSamples("click to tune, title playing", whilePlaying);
    printSamples("click to tune, after silence", afterSilence);
    std::printf("%-34s value %7.2f MiB\n", "peak resident, reading a story", peak);
    std::printf("%-34s value %7.2f MiB\n", "resident after the story", afterReading);
    std::printf("%-34s value %7.2f MiB\n", "  of it the program's own", ownAfterReading);
    return 0;
}

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

// Thousands of seeded random clicks and key presses on the real reader. It
// must not crash, must print nothing on its error stream (it prints no
// diagnostics at all), and must still answer afterwards: back to the contents
// page, then one whole story.
// PICTUREBOOK_SOAK_SEED and PICTUREBOOK_SOAK_EVENTS change the seed and the
// number of events; a failure names the seed so that the run can be repeated.

#include "childprocess.h"
#include "soundserver.h"
#include "virtualdisplay.h"

#include "novel/formnovel.h"
#include "pages/formcontents.h"
#include "pages/formtitle.h"
#include "scenario/sorinda.h"

#include <QFile>
#include <QFileInfo>
#include <QPushButton>
#include <QRandomGenerator>
#include <QTemporaryDir>
#include <QtTest>

namespace {

// Pages are told apart by their pictures; a button drawn with the focus or
// under the pointer changes only a few per cent of the window.
bool looksAlike(const QImage &a, const QImage &b)
{
    if (a.isNull() || b.isNull() || a.size() != b.size())
        return false;
    qint64 differing = 0;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x)
            differing += a.pixel(x, y) != b.pixel(x, y);
    }
    return differing * 100 < qint64(a.width()) * a.height() * 3;
}

// The space bar and Return activate a focused button, Tab moves the focus,
// the rest should do nothing at all.
const char *const keys[] = { "space", "Return", "Tab",  "shift+Tab", "Escape", "Left",
                             "Right", "Up",     "Down", "Home",      "End",    "Page_Down",
                             "a",     "z",      "1",    "BackSpace", "Delete", "ctrl+a" };

QPoint centreOf(const QWidget &page, const char *button)
{
    return page.findChild<QPushButton *>(QLatin1String(button))->geometry().center();
}

} // namespace

class tst_Soak : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void randomInputLeavesReaderRunningQuietAndAnswering();

private:
    bool clickAt(QPoint inWindow) const { return m_display.click(m_window.topLeft() + inWindow); }
    void xdotool(const QStringList &command, bool *ok) const
    {
        ChildProcess::run(QStringLiteral("xdotool"), command,
                          m_display.environment(QProcessEnvironment::systemEnvironment()), ok,
                          60000);
    }
    bool waitUntilIdle();
    QByteArray errorOutput() const;
    // With the pointer out of the window, so that no button is drawn hovered.
    QImage page() const;
    int nextClicksToContents();

    QTemporaryDir m_runtime { QStringLiteral("/tmp/pb-soak.XXXXXX") };
    VirtualDisplay m_display;
    SoundServer m_sound;
    QProcess m_reader;
    QRect m_window;
    QPoint m_start, m_next;
    QList<QPoint> m_stories;
    QImage m_contentsPage;
};

void tst_Soak::initTestCase()
{
    QVERIFY(m_runtime.isValid());
    const QString program = QStringLiteral(PICTUREBOOK_EXECUTABLE);
    QVERIFY2(QFileInfo(program).isExecutable(), qPrintable(program));

    // The buttons' places come from the pages' own forms; the pages sit at
    // the top left of the window.
    m_start = centreOf(FormTitle(), "PB_Start");
    const FormContents contents;
    for (const char *name : { "PB_Ruvello", "PB_Novel", "PB_Sorinda" })
        m_stories << centreOf(contents, name);
    m_next = centreOf(FormNovel(), "PB_Page");

    QString error;
    QVERIFY2(m_display.start(&error), qPrintable(error));
    QVERIFY2(m_sound.start(m_runtime.path(), &error), qPrintable(error));
    ChildProcess::endWithTest(m_reader);
    m_reader.setProcessEnvironment(
        m_sound.environment(m_display.environment(QProcessEnvironment::systemEnvironment())));
    m_reader.setWorkingDirectory(QFileInfo(program).absolutePath());
    m_reader.setStandardOutputFile(QProcess::nullDevice());
    m_reader.setStandardErrorFile(m_runtime.filePath(QStringLiteral("reader.err")));
    m_reader.start(program, {});
    QVERIFY2(m_reader.waitForStarted(10000), qPrintable(m_reader.errorString()));

    QTRY_VERIFY_WITH_TIMEOUT(
        !(m_window = m_display.findWindow(QStringLiteral("MainWindow"))).isEmpty(), 30000);
    page();
    QVERIFY(waitUntilIdle());
    const QImage titlePage = page();
    QVERIFY(!titlePage.isNull());
    QVERIFY(clickAt(m_start));
    QTRY_VERIFY_WITH_TIMEOUT(!looksAlike(page(), titlePage), 10000);
    QVERIFY(waitUntilIdle());
    m_contentsPage = page();
    QVERIFY(!m_contentsPage.isNull());
}

void tst_Soak::cleanupTestCase()
{
    ChildProcess::stop(m_reader);
    m_sound.stop();
    m_display.stop();
}

void tst_Soak::randomInputLeavesReaderRunningQuietAndAnswering()
{
    const quint32 seed = qEnvironmentVariableIsSet("PICTUREBOOK_SOAK_SEED")
        ? quint32(qEnvironmentVariableIntValue("PICTUREBOOK_SOAK_SEED"))
        : 20261206u;
    const int events = qEnvironmentVariableIsSet("PICTUREBOOK_SOAK_EVENTS")
        ? qEnvironmentVariableIntValue("PICTUREBOOK_SOAK_EVENTS")
        : 5000;
    qInfo("seed %u, %d events", seed, events);
    QRandomGenerator random(seed);

    const QList<QPoint> buttons = QList<QPoint> { m_start, m_next } + m_stories;
    for (int sent = 0; sent < events;) {
        QStringList command;
        for (int i = 0; i < 100 && sent < events; ++i, ++sent) {
            const int kind = random.bounded(100);
            if (kind < 20) {
                command << "key"
                        << "--delay"
                        << "10" << QLatin1String(keys[random.bounded(int(std::size(keys)))]);
                continue;
            }
            QPoint at = m_window.topLeft();
            if (kind < 65) // near a button, where something happens
                at += buttons.at(random.bounded(int(buttons.size())))
                    + QPoint(random.bounded(-20, 21), random.bounded(-10, 11));
            else if (kind < 95)
                at += QPoint(random.bounded(m_window.width()), random.bounded(m_window.height()));
            else
                at = QPoint(random.bounded(1024), random.bounded(768));
            // xdotool waits 100 ms after a click unless told otherwise; 10 ms
            // is quicker than any hand and still lets the X server keep order.
            command << "mousemove" << QString::number(at.x()) << QString::number(at.y()) << "click"
                    << "--delay";
            const int click = random.bounded(10);
            if (click < 7)
                command << "10"
                        << "1";
            else if (click < 8)
                command << "30"
                        << "--repeat"
                        << "2"
                        << "1";
            else
                command << "10" << (click < 9 ? "3" : "2");
        }
        bool ok = false;
        xdotool(command, &ok);
        const QByteArray where = "seed " + QByteArray::number(seed) + ", after "
            + QByteArray::number(sent) + " events";
        QVERIFY2(ok, where);
        QVERIFY2(m_reader.state() == QProcess::Running
                     && ChildProcess::isAlive(m_reader.processId()),
                 where);
        // Let the reader work off what it was sent before the next batch, as
        // a person would wait for the page to change.
        QVERIFY2(waitUntilIdle(), where);
        QVERIFY2(errorOutput().isEmpty(), where + ": " + errorOutput());
    }

    QVERIFY2(nextClicksToContents() >= 0, "the reader did not come back to the contents page");
    QVERIFY(clickAt(m_stories.at(2)));
    QTRY_VERIFY_WITH_TIMEOUT(!looksAlike(page(), m_contentsPage), 10000);
    // One click per page of the story, the last one back to the contents.
    QCOMPARE(nextClicksToContents(), Sorinda().count);
    QVERIFY2(errorOutput().isEmpty(), errorOutput());
    QVERIFY(ChildProcess::isAlive(m_reader.processId()));
}

// Idle means its CPU time stopped growing: it has handled all it was sent.
bool tst_Soak::waitUntilIdle()
{
    QFile stat(QStringLiteral("/proc/%1/stat").arg(m_reader.processId()));
    double last = -1;
    int stillFor = 0;
    QElapsedTimer timer;
    timer.start();
    while (timer.elapsed() < 20000) {
        QTest::qWait(50);
        if (!stat.open(QIODevice::ReadOnly))
            return false;
        const QByteArray line = stat.readAll();
        stat.close();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        const double now = fields.value(11).toDouble() + fields.value(12).toDouble();
        stillFor = now == last ? stillFor + 1 : 0;
        last = now;
        // Two quiet ticks of the kernel's 10 ms clock in a row, over 150 ms:
        // the music thread's small share does not keep this from ending.
        if (stillFor >= 3)
            return true;
    }
    return false;
}

QByteArray tst_Soak::errorOutput() const
{
    QFile file(m_runtime.filePath(QStringLiteral("reader.err")));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("cannot read it");
}

QImage tst_Soak::page() const
{
    bool ok = false;
    xdotool({ QStringLiteral("mousemove"), QString::number(m_window.right() + 20),
              QString::number(m_window.bottom() + 20) },
            &ok);
    return m_display.grab(m_window);
}

// How many clicks on "Next" bring back the contents page; -1 when 60 do not.
int tst_Soak::nextClicksToContents()
{
    int clicks = 0;
    for (; !looksAlike(page(), m_contentsPage); ++clicks) {
        if (clicks == 60 || !clickAt(m_next) || !waitUntilIdle())
            return -1;
    }
    return clicks;
}

QTEST_MAIN(tst_Soak)
#include "tst_soak.moc"

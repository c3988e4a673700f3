// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "childprocess.h"
#include "soundserver.h"
#include "testwav.h"
#include "virtualdisplay.h"

#include "app/fontsetup.h"
#include "app/translations.h"
#include "novel/formnovel.h"
#include "pages/formcontents.h"
#include "pages/formtitle.h"
#include "scenario/tovane.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QRandomGenerator>
#include <QScopeGuard>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace {

const QList<int> tones { 330, 440, 554, 659, 880 };
constexpr int titleTone = 330;
// From a click to what it brings: a tune a listener still takes as "with the
// click", and a page a reader does not wait for, with room for a busy machine.
constexpr int tuneAfterClickMs = 750;
constexpr int pageAfterClickMs = 2000;
// Story n's button on the contents page.
const char *const storyButtons[] = { "PB_Ruvello", "PB_Novel", "PB_Sorinda" };

// What a page shows, painted by the program's own page in this process.
QImage shot(QWidget &page)
{
    return page.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

// The contents page as it shows with the focus on a story's button, which wears
// the focus frame when the keyboard brought it there; empty if it cannot show.
QImage contentsWithFocusOn(int story, bool keyboard)
{
    FormContents contents;
    contents.storyNumber = story;
    if (keyboard) {
        contents.show();
        if (!QTest::qWaitForWindowActive(&contents))
            return {};
        contents.setAttribute(Qt::WA_KeyboardFocusChange);
    }
    return shot(contents);
}

QPoint centreOf(const QWidget &page, const char *button)
{
    return page.findChild<QPushButton *>(QLatin1String(button))->geometry().center();
}

// Where the screen first differs from the page; empty when it shows the page.
// Both are drawn by Qt with the same fonts, so they agree to the last bit.
QByteArray difference(const QImage &screen, const QImage &page)
{
    if (screen == page)
        return {};
    if (screen.size() != page.size())
        return "the screen was not read";
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (screen.pixel(x, y) != page.pixel(x, y))
                return QString::asprintf("first difference at (%d, %d): seen #%06x, expected #%06x",
                                         x, y, screen.pixel(x, y) & 0xffffff,
                                         page.pixel(x, y) & 0xffffff)
                    .toUtf8();
        }
    }
    return "the screen was read in another format";
}

int openHandles(qint64 pid)
{
    const auto entries = QDir::AllEntries | QDir::System | QDir::NoDotAndDotDot;
    return int(QDir(QStringLiteral("/proc/%1/fd").arg(pid), {}, QDir::NoSort, entries).count());
}

// The reader's window, whatever its title says in the reader's language.
const QStringList typeIntoReader { "search", "--onlyvisible", "--class", "^picturebook$",
                                   "windowfocus", "key" };

} // namespace

// The real program as installed, on a real (virtual) X server with a real
// sound server: the tests click and type where a user does, compare the X
// server's screen with what the program's own pages paint in this process for
// the same state, and listen to the sound server, where each music file plays
// a tone of its own.
class tst_E2e : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();

    void titlePageAndItsTuneLeadToTheContents();
    void everyStoryReadsToItsEndAndReturnsToSilence_data();
    void everyStoryReadsToItsEndAndReturnsToSilence();
    void keysAndTheWheelStepBackForwardAndOut_data();
    void keysAndTheWheelStepBackForwardAndOut();
    void titleAndNextSpeakTheReadersLanguage_data();
    void titleAndNextSpeakTheReadersLanguage();
    void randomInputLeavesReaderRunningQuietAndAnswering();
    void soundServerFaultsLeaveMusicToTheNextTune_data();
    void soundServerFaultsLeaveMusicToTheNextTune();

private:
    bool launch(const QStringList &environment = {}, const QString &title = "MainWindow");
    bool click(QPoint p) { return m_display.click(m_window.topLeft() + p); }
    // Keys go to the reader's window, as a window manager gives it the keyboard.
    bool type(const QStringList &keys) { return m_display.xdotool(typeIntoReader + keys); }
    // Notches of the wheel over the page's picture, away from the reader for positive ones.
    bool wheel(int notches)
    {
        const QPoint at = m_window.topLeft() + QPoint(400, 200);
        return m_display.xdotool({ "mousemove", QString::number(at.x()), QString::number(at.y()),
                                   "click", "--repeat", QString::number(qAbs(notches)), "--delay",
                                   "30", notches > 0 ? "4" : "5" });
    }
    bool waitForPage(const QImage &page);
    bool hears(int tone, int withinMs);
    QByteArray heard(int ms = 2000) { return m_sound.recentHistory(tones, ms).toUtf8(); }
    void saveScreenshot(const QString &name);
    void openContents(bool keyboard);
    void readStory(int number, int tone, bool keyboard);
    bool onContents();
    bool waitUntilIdle();
    int nextClicksToContents();

    // Declared first so that it goes last, after the servers that use it.
    QTemporaryDir m_root { QDir::tempPath() + QStringLiteral("/pb-e2e-XXXXXX") };
    VirtualDisplay m_display;
    SoundServer m_sound;
    QString m_program;
    QString m_workDir;
    QProcess m_reader;
    QList<qint64> m_readerPids;
    QRect m_window;
    QImage m_screen; // as waitForPage() saw it last
    QByteArray m_difference; // where it differed from the page waited for
    FormTitle m_title;
    FormContents m_contents;
    bool m_readingShotSaved = false;
};

void tst_E2e::initTestCase()
{
    // scripts/test installs them: a missing one fails rather than skips the suite.
    for (const char *tool : { "Xvfb", "xdotool", "pulseaudio", "parec" })
        QVERIFY2(!QStandardPaths::findExecutable(tool).isEmpty(), tool);
    QVERIFY(m_root.isValid());
    // The fonts as the program sets them up, so that its text reads the same here.
    FontSetup::install();
    Translations::install();

    QString error;
    QVERIFY2(m_display.start(&error), qPrintable(error));
    const QString runtime = m_root.filePath(QStringLiteral("pulse"));
    QVERIFY(QDir().mkpath(runtime));
    QVERIFY(QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY2(m_sound.start(runtime, &error), qPrintable(error));

    // The reader runs as installed, from a folder without music as a launcher starts it.
    const QString prefix = m_root.filePath(QStringLiteral("prefix"));
    const QStringList install { "--install", PICTUREBOOK_BUILD_DIR, "--prefix", prefix };
    QByteArray log;
    const auto env = QProcessEnvironment::systemEnvironment();
    QVERIFY2(ChildProcess::run(CMAKE_COMMAND, install, env, 60000, &log), log);
    const QString files
        = "bin/picturebook share/picturebook/music/title.wav "
          "share/picturebook/music/0.wav share/picturebook/music/1.wav "
          "share/picturebook/music/2.wav share/icons/hicolor/48x48/apps/picturebook.png "
          "share/applications/org.example.picturebook.desktop "
          "share/metainfo/org.example.picturebook.metainfo.xml";
    for (const QString &file : files.split(u' '))
        QVERIFY2(QFileInfo::exists(prefix + u'/' + file), qPrintable(file));
    m_program = prefix + "/bin/picturebook";
    m_workDir = m_root.filePath(QStringLiteral("elsewhere"));
    QVERIFY(QDir().mkpath(m_workDir));
    // Test tones in place of its music, still playing when a story is over,
    // so that the silence after the last page is the reader's doing.
    QVERIFY(writeMusicFolder(prefix + "/share/picturebook", 150.0));
}

void tst_E2e::cleanupTestCase()
{
    const QList<qint64> pids = m_readerPids + m_sound.pids() + QList<qint64> { m_display.pid() };
    QVERIFY(ChildProcess::stop(m_reader));
    QVERIFY(m_sound.stop());
    QVERIFY(m_display.stop());
    for (qint64 pid : pids)
        QVERIFY2(!ChildProcess::isAlive(pid),
                 "a reader, Xvfb or the sound server outlived the tests");
}

void tst_E2e::cleanup()
{
    if (QTest::currentTestFailed() && m_reader.state() != QProcess::NotRunning)
        qInfo().noquote() << "The reader said:\n" + QString::fromLocal8Bit(m_reader.readAll());
}

bool tst_E2e::launch(const QStringList &environment, const QString &title)
{
    ChildProcess::stop(m_reader);
    m_window = QRect();
    ChildProcess::endWithTest(m_reader);
    m_reader.setProcessChannelMode(QProcess::MergedChannels);
    m_reader.setWorkingDirectory(m_workDir);
    auto env = m_sound.environment(m_display.environment(QProcessEnvironment::systemEnvironment()));
    for (const QString &variable : environment)
        env.insert(variable.section(u'=', 0, 0), variable.section(u'=', 1));
    m_reader.setProcessEnvironment(env);
    m_reader.start(m_program, {});
    if (!m_reader.waitForStarted(10000))
        return false;
    m_readerPids.append(m_reader.processId());
    // Slow under the sanitizers on a busy machine; its time is the benchmarks' business.
    const auto appeared
        = [&] { return !(m_window = m_display.findWindow(title)).isEmpty(); };
    return QTest::qWaitFor(appeared, 20000);
}

bool tst_E2e::waitForPage(const QImage &page)
{
    const auto shown = [&] {
        return (m_difference = difference(m_screen = m_display.grab(m_window), page)).isEmpty();
    };
    return QTest::qWaitFor(shown, pageAfterClickMs);
}

bool tst_E2e::hears(int tone, int withinMs)
{
    return QTest::qWaitFor([&] { return m_sound.currentTone(tones, 100) == tone; }, withinMs);
}

void tst_E2e::saveScreenshot(const QString &name)
{
    const QString dir = qEnvironmentVariable("PICTUREBOOK_SCREENSHOT_DIR", E2E_SCREENSHOT_DIR);
    QVERIFY(QDir().mkpath(dir));
    QVERIFY(m_screen.save(dir + QLatin1Char('/') + name + QStringLiteral(".png")));
}

void tst_E2e::titlePageAndItsTuneLeadToTheContents()
{
    openContents(false);
}

// Starts the program and opens the contents page with the mouse or the
// keyboard alone. A reader left on the contents page goes on from there; one
// elsewhere after a failure is replaced, so that one fault is reported once.
void tst_E2e::openContents(bool keyboard)
{
    if (!keyboard && m_reader.state() == QProcess::Running
        && difference(m_display.grab(m_window), shot(m_contents)).isEmpty())
        return;
    QVERIFY2(launch(), "the reader's window did not appear");
    QCOMPARE(m_window.size(), QSize(800, 600));
    QVERIFY2(waitForPage(shot(m_title)), m_difference);
    saveScreenshot(QStringLiteral("title"));
    // The server takes a first stream in at its own pace (the benchmarks measure it).
    QVERIFY2(hears(titleTone, 10000), heard());

    // With the keyboard, the pointer rests where it hovers over nothing.
    QVERIFY(keyboard ? m_display.xdotool({ "mousemove", "0", "0" }) && type({ "Tab", "space" })
                     : click(centreOf(m_title, "PB_Start")));
    // The focus is on the top story's button.
    QVERIFY2(waitForPage(keyboard ? contentsWithFocusOn(0, true) : shot(m_contents)), m_difference);
    saveScreenshot(QStringLiteral("contents"));
    QVERIFY2(hears(titleTone, tuneAfterClickMs), "the title tune stopped: " + heard());
}

void tst_E2e::everyStoryReadsToItsEndAndReturnsToSilence_data()
{
    QTest::addColumn<int>("story");
    QTest::addColumn<int>("tone");
    QTest::addColumn<bool>("keyboard");

    // The first story is chosen while the title tune plays, the next ones in
    // the silence after a story; each time the tune comes with the click. The
    // keyboard reader starts afresh, so its tune replaces the title's again.
    QTest::newRow("top button: story 0 to music/1.wav") << 0 << 554 << false;
    QTest::newRow("middle button: story 1 to music/0.wav") << 1 << 440 << false;
    QTest::newRow("bottom button: story 2 to music/2.wav") << 2 << 659 << false;
    QTest::newRow("the same story again, from its start") << 2 << 659 << false;
    QTest::newRow("from the start with Tab and space alone: story 2") << 2 << 659 << true;
}

void tst_E2e::everyStoryReadsToItsEndAndReturnsToSilence()
{
    QFETCH(int, story);
    QFETCH(int, tone);
    QFETCH(bool, keyboard);
    openContents(keyboard);
    if (!QTest::currentTestFailed())
        readStory(story, tone, keyboard);
}

void tst_E2e::readStory(int number, int tone, bool keyboard)
{
    // Read alongside on a fresh page, as a story chosen again must start.
    FormNovel page;
    if (keyboard) {
        page.show();
        QVERIFY(QTest::qWaitForWindowActive(&page));
    }
    page.selectStory(number);
    // "Next" wears the focus frame that keyboard use brings.
    page.setAttribute(Qt::WA_KeyboardFocusChange, keyboard);
    auto *next = page.findChild<QPushButton *>(QStringLiteral("PB_Page"));
    const auto turn
        = [&] { return keyboard ? type({ "space" }) : click(next->geometry().center()); };
    // Reached by keyboard from the title page, the contents page has the focus
    // on its top button: the story's button is its place below that in Tabs.
    QStringList opening(number, QStringLiteral("Tab"));
    opening << QStringLiteral("space");

    QElapsedTimer sinceClick;
    sinceClick.start();
    QVERIFY(keyboard ? type(opening) : click(centreOf(m_contents, storyButtons[number])));
    QVERIFY2(hears(tone, std::max(0, tuneAfterClickMs - int(sinceClick.elapsed()))),
             "no tune " + QByteArray::number(sinceClick.elapsed())
                 + " ms after the click; heard: " + heard(1000));
    for (int i = 0;; ++i) {
        QVERIFY2(waitForPage(shot(page)), "record " + QByteArray::number(i) + ": " + m_difference);
        const ScenarioRecord &record = page.currentScenario()->records[i];
        if (!m_readingShotSaved && number == 1 && record.wolfFace > 0 && record.brideFace > 0
            && (record.speaker == 2 || record.speaker == 3)) {
            saveScreenshot(QStringLiteral("reading"));
            m_readingShotSaved = true;
        }
        if (i == page.currentScenario()->count - 1)
            break;
        QVERIFY(turn());
        next->click();
        // The pointer rests on "Next" after a click.
        next->setAttribute(Qt::WA_UnderMouse, !keyboard);
    }
    // Still playing on the last page, so the silence below comes from the click.
    QVERIFY2(hears(tone, tuneAfterClickMs), heard());

    QVERIFY(turn());
    // Back from a story, the focus is on that story's button.
    QVERIFY2(waitForPage(contentsWithFocusOn(number, keyboard)),
             "contents page after the story: " + m_difference);
    // A stream stopped right after the machine was too busy to feed it can
    // let out a last buffer; what counts is that silence comes and stays.
    QVERIFY2(QTest::qWaitFor([this] { return m_sound.staysSilent(800); }, 4000), heard(3000));
}

void tst_E2e::keysAndTheWheelStepBackForwardAndOut_data()
{
    QTest::addColumn<QString>("inputs");
    QTest::addColumn<QList<int>>("records"); // the line each input shows; -1 the contents

    // Keys by their X names, "up" and "down" for a notch of the wheel, "end"
    // for the wheel turned on to the story's end. The story opens on line 0
    // and two presses of the space bar bring line 2, and line 4 after two more.
    QTest::newRow("back three lines by keys, and on again")
        << "space space space space Left BackSpace Prior Right Next Return"
        << QList<int> { 1, 2, 3, 4, 3, 2, 1, 2, 3, 4 };
    QTest::newRow("back three lines by the wheel, and on again")
        << "down down down down up up up down down down"
        << QList<int> { 1, 2, 3, 4, 3, 2, 1, 2, 3, 4 };
    QTest::newRow("back on the first line does nothing")
        << "Left up Right" << QList<int> { 0, 0, 1 };
    QTest::newRow("Escape from the middle: the contents, silent")
        << "space space Escape" << QList<int> { 1, 2, -1 };
    QTest::newRow("the wheel on to the end: the contents, silent")
        << "end" << QList<int> { -1 };
    QTest::newRow("M: silence; M again: the story's tune")
        << "space m m space" << QList<int> { 1, 1, 1, 2 };
}

// Story 2 read with real keys and wheel turns: each line shown again is the
// page first shown at that line, name box included, and the story's tune
// plays on until the reader leaves or turns the music off.
void tst_E2e::keysAndTheWheelStepBackForwardAndOut()
{
    QFETCH(QString, inputs);
    QFETCH(QList<int>, records);
    const int story = 2, tone = 659;
    openContents(false);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(click(centreOf(m_contents, storyButtons[story])));
    QVERIFY2(hears(tone, tuneAfterClickMs), heard());

    // The pages as the lines were first shown, read alongside.
    FormNovel page;
    page.selectStory(story);
    QList<QImage> pages { shot(page) };
    for (int i = 1; i < page.currentScenario()->count; ++i) {
        page.findChild<QPushButton *>(QStringLiteral("PB_Page"))->click();
        pages << shot(page);
    }
    QVERIFY2(waitForPage(pages[0]), m_difference);

    bool musicOn = true;
    const QStringList steps = inputs.split(u' ');
    for (int i = 0; i < steps.size(); ++i) {
        const QString &step = steps[i];
        const QByteArray where = QByteArray::number(i) + ": " + step.toUtf8() + ": ";
        if (step == "end")
            QVERIFY(wheel(-(int(pages.size()))));
        else
            QVERIFY(step == "up" || step == "down" ? wheel(step == "up" ? 1 : -1) : type({ step }));
        if (records[i] < 0) {
            QVERIFY2(QTest::qWaitFor([this] { return onContents(); }, pageAfterClickMs),
                     where + "the contents page did not come");
            QVERIFY2(QTest::qWaitFor([this] { return m_sound.staysSilent(800); }, 2000),
                     where + heard(3000));
            continue;
        }
        QVERIFY2(waitForPage(pages[records[i]]), where + m_difference);
        if (step == "m") {
            musicOn = !musicOn;
            QVERIFY2(musicOn ? hears(tone, tuneAfterClickMs)
                             : QTest::qWaitFor([this] { return m_sound.staysSilent(800); }, 2000),
                     where + heard(3000));
        }
    }
    if (musicOn && records.last() >= 0)
        QVERIFY2(hears(tone, tuneAfterClickMs), "the tune stopped: " + heard());
}

void tst_E2e::titleAndNextSpeakTheReadersLanguage_data()
{
    QTest::addColumn<QStringList>("environment"); // the reader's, over this test's own
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("next");

    // Fonts are matched for the language too, so the Japanese pages are
    // painted alongside in a test run of that language: tst_e2e_ja.
    if (QLocale::system().uiLanguages().value(0).startsWith(QLatin1String("ja"))) {
        QTest::newRow("Japanese") << QStringList() << QStringLiteral("花嫁とおおかみ")
                                  << QStringLiteral("つぎへ");
        return;
    }
    QTest::newRow("C") << QStringList { "LANG=C", "LANGUAGE=", "LC_ALL=", "LC_MESSAGES=" }
                       << "MainWindow"
                       << "Next";
    QTest::newRow("English") << QStringList { "LANG=en_US.UTF-8", "LANGUAGE=en_US:en", "LC_ALL=" }
                             << "MainWindow"
                             << "Next";
}

// The window's title and the page's one button in the reader's language
// where the book has a catalog for it, as they were written elsewhere.
void tst_E2e::titleAndNextSpeakTheReadersLanguage()
{
    QFETCH(QStringList, environment);
    QFETCH(QString, title);
    QFETCH(QString, next);
    QVERIFY2(launch(environment, title), "no window titled " + title.toUtf8());
    QVERIFY2(waitForPage(shot(m_title)), m_difference);
    QVERIFY(click(centreOf(m_title, "PB_Start")));
    QVERIFY2(waitForPage(shot(m_contents)), m_difference);
    QVERIFY(click(centreOf(m_contents, storyButtons[0])));

    // As the program's own page paints it, with this run's catalog.
    FormNovel page;
    page.selectStory(0);
    QCOMPARE(page.findChild<QPushButton *>(QStringLiteral("PB_Page"))->text(), next);
    QVERIFY2(waitForPage(shot(page)), m_difference);
    ChildProcess::stop(m_reader);
}

// The soak, run on its own as tst_soak: thousands of seeded random clicks and
// keys (PICTUREBOOK_SOAK_SEED, PICTUREBOOK_SOAK_EVENTS). The reader must not
// crash, print anything or gather handles, and must still answer afterwards:
// back to the contents page, then one whole story.
void tst_E2e::randomInputLeavesReaderRunningQuietAndAnswering()
{
    if (!QCoreApplication::arguments().contains(QLatin1String(QTest::currentTestFunction())))
        QSKIP("runs only when named, as tst_soak does");
    const quint32 seed = qEnvironmentVariable("PICTUREBOOK_SOAK_SEED", "20261206").toUInt();
    const int events = qEnvironmentVariable("PICTUREBOOK_SOAK_EVENTS", "5000").toInt();
    qInfo("seed %u, %d events", seed, events);
    QRandomGenerator random(seed);
    openContents(false);
    if (QTest::currentTestFailed())
        return;
    QVERIFY(waitUntilIdle());
    const int handles = openHandles(m_reader.processId());
    QList<QPoint> buttons { centreOf(m_title, "PB_Start"), centreOf(FormNovel(), "PB_Page") };
    for (const char *story : storyButtons)
        buttons << centreOf(m_contents, story);
    // Space presses a focused button, Tab moves the focus, M turns the music off
    // and on; in a story the arrows, Return and Escape step and leave; the rest do nothing.
    const QStringList keys = QStringLiteral("space Return Tab shift+Tab Escape Left Right Up Down "
                                            "Home End Page_Down a z m 1 BackSpace Delete ctrl+a")
                                 .split(u' ');
    for (int sent = 0; sent < events;) {
        QStringList command;
        for (int i = 0; i < 100 && sent < events; ++i, ++sent) {
            const int kind = random.bounded(100);
            if (kind < 20) {
                command += QStringList { "key", "--delay", "10",
                                         keys.at(random.bounded(int(keys.size()))) };
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
            // Mostly left clicks, some double, right and middle ones; 10 ms after
            // each is quicker than any hand and still lets the X server keep order.
            const int button = random.bounded(10);
            command += QStringList {
                "mousemove", QString::number(at.x()),  QString::number(at.y()), "click",
                "--delay",   button == 7 ? "30" : "10"
            };
            if (button == 7)
                command += QStringList { "--repeat", "2" };
            command << QString(button < 8 ? "1" : button < 9 ? "3" : "2");
        }
        const QByteArray where = "seed " + QByteArray::number(seed) + ", after "
            + QByteArray::number(sent) + " events";
        QVERIFY2(m_display.xdotool(command, 60000), where);
        QVERIFY2(m_reader.state() == QProcess::Running, where);
        // As a person waits for the page to change before the next batch.
        QVERIFY2(waitUntilIdle(), where);
        const QByteArray said = m_reader.readAll();
        QVERIFY2(said.isEmpty(), where + ": " + said);
    }
    // A handle a page, a tune or a click leaves open would add up to hundreds here.
    QVERIFY2(openHandles(m_reader.processId()) <= handles + 4,
             QByteArray::number(handles) + " at the start");

    QVERIFY2(nextClicksToContents() >= 0, "the reader did not come back to the contents page");
    QVERIFY(click(centreOf(m_contents, storyButtons[2])));
    QVERIFY(QTest::qWaitFor([this] { return !onContents(); }, 10000));
    // One click per record of the story, the last one back to the contents.
    FormNovel page;
    page.selectStory(2);
    QCOMPARE(nextClicksToContents(), page.currentScenario()->count);
    QCOMPARE(m_reader.readAll(), QByteArray());
}

// After random input a focus frame or a hovered button may show anywhere;
// this patch of the contents page's picture lies clear of them all.
bool tst_E2e::onContents()
{
    const QRect patch(560, 230, 80, 80);
    return m_display.grab(patch.translated(m_window.topLeft())) == shot(m_contents).copy(patch);
}

// Idle: its CPU time stood still for three polls, 150 ms, which the music
// thread's small share does not prevent; it has handled all it was sent.
bool tst_E2e::waitUntilIdle()
{
    QByteArray last;
    for (int still = 0, polls = 0; polls < 400; ++polls) {
        QTest::qWait(50);
        QFile stat(QStringLiteral("/proc/%1/stat").arg(m_reader.processId()));
        if (!stat.open(QIODevice::ReadOnly))
            return false;
        const QByteArray line = stat.readAll();
        const QList<QByteArray> fields = line.mid(line.lastIndexOf(')') + 2).split(' ');
        const QByteArray cpu = fields.value(11) + ' ' + fields.value(12); // user and system time
        still = cpu == last ? still + 1 : 0;
        if (still == 3)
            return true;
        last = cpu;
    }
    return false;
}

// How many clicks on "Next" bring back the contents page; -1 when 60 do not.
int tst_E2e::nextClicksToContents()
{
    const QPoint next = centreOf(FormNovel(), "PB_Page");
    int clicks = 0;
    for (; !onContents(); ++clicks) {
        if (clicks == 60 || !click(next) || !waitUntilIdle())
            return -1;
    }
    return clicks;
}

void tst_E2e::soundServerFaultsLeaveMusicToTheNextTune_data()
{
    QTest::addColumn<QString>("steps");

    // launch: the reader starts (silent without a server); kill: the server
    // dies (SIGKILL) and its socket file with it; away: it stays away longer
    // than a retry a few seconds later would wait; restart: a new one on the
    // same socket; hang: it stops answering; contents, story N: the click,
    // then the page, and the tune when a server is there; pick N: the click
    // alone; turn: three pages on; silent: a cut-off tune stays cut off;
    // close: the window's close button, then the exit.
    QTest::newRow("killed in the title tune: pages turn, silently")
        << "launch kill contents story 1 turn close";
    QTest::newRow("killed, back on the same socket later: the next story plays")
        << "launch kill contents away restart story 0 turn close";
    QTest::newRow("killed, back at once: the next story plays")
        << "launch kill contents restart story 2 close";
    QTest::newRow("killed in a story's tune, back: the cut tune is not resumed")
        << "launch contents story 2 kill turn restart silent turn close";
    QTest::newRow("no server at the start, then one comes")
        << "kill launch contents restart story 1 close";
    QTest::newRow("a server that stops answering: pages go on")
        << "launch contents hang story 0 turn close";
    QTest::newRow("closed while a tune starts") << "launch contents pick 2 close";
}

void tst_E2e::soundServerFaultsLeaveMusicToTheNextTune()
{
    QFETCH(QString, steps);
    // The next row, or the end of the tests, finds the server as it was.
    const auto restore = qScopeGuard([this] {
        QString error;
        if (m_sound.isRunning() ? !m_sound.hold(false) : !m_sound.restart(&error))
            qWarning("the sound server could not be brought back: %s", qPrintable(error));
    });
    bool serverUp = true;
    int serversLost = 0;
    FormNovel page;
    auto *next = page.findChild<QPushButton *>(QStringLiteral("PB_Page"));
    // Each click's page comes at once, whatever the sound server does.
    const auto clickFor = [&](QPoint at, const QImage &expected) {
        QElapsedTimer sinceClick;
        sinceClick.start();
        QVERIFY(click(at));
        QVERIFY2(waitForPage(expected), m_difference);
        QVERIFY2(sinceClick.elapsed() < pageAfterClickMs,
                 QByteArray::number(sinceClick.elapsed()) + " ms to the page");
    };
    const QStringList words = steps.split(u' ');
    for (int i = 0; i < words.size() && !QTest::currentTestFailed(); ++i) {
        const QString &step = words.at(i);
        QString error;
        if (step == QLatin1String("launch")) {
            QVERIFY2(launch(), "the reader's window did not appear");
            QVERIFY2(waitForPage(shot(m_title)), m_difference);
            if (serverUp)
                QVERIFY2(hears(titleTone, 10000), heard());
        } else if (step == QLatin1String("kill")) {
            serversLost += m_reader.state() == QProcess::Running;
            QVERIFY(m_sound.kill());
            serverUp = false;
        } else if (step == QLatin1String("away")) {
            QTest::qWait(4000);
        } else if (step == QLatin1String("restart")) {
            QVERIFY2(m_sound.restart(&error), qPrintable(error));
            serverUp = true;
        } else if (step == QLatin1String("hang")) {
            QVERIFY(m_sound.hold(true));
            serverUp = false;
        } else if (step == QLatin1String("contents")) {
            clickFor(centreOf(m_title, "PB_Start"), shot(m_contents));
        } else if (step == QLatin1String("story") || step == QLatin1String("pick")) {
            const int story = words.value(++i).toInt();
            page.selectStory(story);
            QElapsedTimer sinceClick;
            sinceClick.start();
            if (step == QLatin1String("pick")) {
                QVERIFY(click(centreOf(m_contents, storyButtons[story])));
                continue;
            }
            clickFor(centreOf(m_contents, storyButtons[story]), shot(page));
            const int tone = QList<int> { 554, 440, 659 }.at(story);
            if (serverUp)
                QVERIFY2(hears(tone, std::max(0, tuneAfterClickMs - int(sinceClick.elapsed()))),
                         "no tune " + QByteArray::number(sinceClick.elapsed())
                             + " ms after the click; heard: " + heard(1000));
        } else if (step == QLatin1String("turn")) {
            for (int turn = 0; turn < 3 && !QTest::currentTestFailed(); ++turn) {
                next->click();
                // The pointer rests on "Next" after a click.
                next->setAttribute(Qt::WA_UnderMouse);
                clickFor(next->geometry().center(), shot(page));
            }
        } else if (step == QLatin1String("silent")) {
            QVERIFY2(m_sound.staysSilent(1500), heard(1500));
        } else if (step == QLatin1String("close")) {
            QVERIFY(m_reader.state() == QProcess::Running);
            QElapsedTimer sinceClose;
            sinceClose.start();
            QVERIFY(m_display.closeWindow(QStringLiteral("MainWindow")));
            QVERIFY2(m_reader.waitForFinished(5000), "the reader outlived its window");
            const qint64 closing = sinceClose.elapsed();
            // At most a line for each server lost, none for a tune that could not play.
            const QByteArray said = m_reader.readAll().trimmed();
            QVERIFY2(said.isEmpty() || said.count('\n') < serversLost, said);
            QVERIFY2(closing <= 500, QByteArray::number(closing) + " ms from the close to the end");
            QCOMPARE(m_reader.exitStatus(), QProcess::NormalExit);
            QCOMPARE(m_reader.exitCode(), 0);
        }
    }
}

QTEST_MAIN(tst_E2e)
#include "tst_e2e.moc"

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "childprocess.h"
#include "soundserver.h"
#include "testwav.h"
#include "virtualdisplay.h"

#include "app/fontsetup.h"
#include "novel/formnovel.h"
#include "pages/formcontents.h"
#include "pages/formtitle.h"
#include "scenario/tovane.h"

#include <QDir>
#include <QElapsedTimer>
#include <QPushButton>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>

namespace {

const QList<int> tones { 330, 440, 554, 659, 880 };
constexpr int titleTone = 330;
constexpr int silent = 0;
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

} // namespace

// The real program on a real (virtual) X server with a real sound server: the
// tests click and type where a user does, compare the X server's screen with
// what the program's own pages paint in this process for the same state, and
// listen to the sound server, where each music file plays a tone of its own.
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
    void unplayableMusicIsSilentAndTheRestWorks_data();
    void unplayableMusicIsSilentAndTheRestWorks();
    void installedProgramPlaysItsOwnMusicFromAnyFolder();

private:
    bool launch(const QString &program, const QString &workDir);
    bool click(QPoint inWindow) { return m_display.click(m_window.topLeft() + inWindow); }
    bool type(const QStringList &keys) { return m_display.type(QStringLiteral("MainWindow"), keys); }
    bool waitForPage(const QImage &page);
    bool hears(int tone, int withinMs);
    QByteArray heard(int ms = 2000) { return m_sound.recentHistory(tones, ms).toUtf8(); }
    void saveScreenshot(const QString &name);
    void openContents(bool keyboard, const QString &program, const QString &dir, int tone);
    void readStory(int number, int tone, bool keyboard = false);

    // Declared first so that it goes last, after the servers that use it.
    QTemporaryDir m_root { QDir::tempPath() + QStringLiteral("/pb-e2e-XXXXXX") };
    VirtualDisplay m_display;
    SoundServer m_sound;
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
    // scripts/test installs every tool; a missing one is a broken set-up and
    // fails here rather than skipping the suite.
    for (const char *tool : { "Xvfb", "xdotool", "pulseaudio", "parec" }) {
        QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty(),
                 QByteArray(tool) + " is not installed (scripts/test installs it)");
    }
    QVERIFY(m_root.isValid());
    // The fonts as the program sets them up, so that its text reads the same here.
    FontSetup::install();

    QString error;
    QVERIFY2(m_display.start(&error), qPrintable(error));
    const QString runtime = m_root.filePath(QStringLiteral("pulse"));
    QVERIFY(QDir().mkpath(runtime));
    QVERIFY(QFile::setPermissions(runtime, QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner));
    QVERIFY2(m_sound.start(runtime, &error), qPrintable(error));

    // Long enough that a track still plays when a story is over, so that the
    // silence after the last page is the reader's doing.
    m_workDir = m_root.filePath(QStringLiteral("reader"));
    QVERIFY(writeMusicFolder(m_workDir, 150.0));
}

void tst_E2e::cleanupTestCase()
{
    const QList<qint64> pids = m_readerPids
        + QList<qint64> { m_display.pid(), m_sound.serverPid(), m_sound.recorderPid() };
    QVERIFY(ChildProcess::stop(m_reader));
    QVERIFY(m_sound.stop());
    QVERIFY(m_display.stop());
    for (qint64 pid : pids)
        QVERIFY2(!ChildProcess::isAlive(pid), "a reader, Xvfb or the sound server outlived the tests");
}

void tst_E2e::cleanup()
{
    if (QTest::currentTestFailed() && m_reader.state() != QProcess::NotRunning)
        qInfo().noquote() << "The reader said:\n" + QString::fromLocal8Bit(m_reader.readAll());
}

bool tst_E2e::launch(const QString &program, const QString &workDir)
{
    ChildProcess::stop(m_reader);
    m_window = QRect();
    ChildProcess::endWithTest(m_reader);
    m_reader.setProcessChannelMode(QProcess::MergedChannels);
    m_reader.setWorkingDirectory(workDir);
    m_reader.setProcessEnvironment(
        m_sound.environment(m_display.environment(QProcessEnvironment::systemEnvironment())));
    m_reader.start(program, {});
    if (!m_reader.waitForStarted(10000))
        return false;
    m_readerPids.append(m_reader.processId());
    // Start-up under the sanitizers on a busy machine is slow; its time is
    // the benchmarks' business.
    return QTest::qWaitFor([this] {
        m_window = m_display.findWindow(QStringLiteral("MainWindow"));
        return !m_window.isEmpty() || m_reader.state() != QProcess::Running;
    }, 20000) && !m_window.isEmpty();
}

bool tst_E2e::waitForPage(const QImage &page)
{
    return QTest::qWaitFor([&] {
        m_screen = m_display.grab(m_window);
        m_difference = difference(m_screen, page);
        return m_difference.isEmpty();
    }, pageAfterClickMs);
}

bool tst_E2e::hears(int tone, int withinMs)
{
    return QTest::qWaitFor([&] { return m_sound.currentTone(tones, 100) == tone; }, withinMs);
}

void tst_E2e::saveScreenshot(const QString &name)
{
    QString dir = qEnvironmentVariable("PICTUREBOOK_SCREENSHOT_DIR");
    if (dir.isEmpty())
        dir = QStringLiteral(E2E_SCREENSHOT_DIR);
    QVERIFY(QDir().mkpath(dir));
    QVERIFY(m_screen.save(dir + QLatin1Char('/') + name + QStringLiteral(".png")));
}

void tst_E2e::titlePageAndItsTuneLeadToTheContents()
{
    openContents(false, QStringLiteral(PICTUREBOOK_EXECUTABLE), m_workDir, titleTone);
}

// Starts the program and opens the contents page from the title page, with
// the mouse or with the keyboard alone; `tone` is the title music, or
// `silent` when the program has none that plays. A reader left on the
// contents page is used as it is; after a failure it may be elsewhere, and a
// fresh one then stands in, so that one fault is reported once.
void tst_E2e::openContents(bool keyboard, const QString &program, const QString &dir, int tone)
{
    if (!keyboard && m_reader.state() == QProcess::Running
        && difference(m_display.grab(m_window), shot(m_contents)).isEmpty())
        return;
    QVERIFY2(launch(program, dir), "the reader's window did not appear");
    QCOMPARE(m_window.size(), QSize(800, 600));
    QVERIFY2(waitForPage(shot(m_title)), m_difference);
    saveScreenshot(QStringLiteral("title"));
    if (tone == silent) {
        QVERIFY2(m_sound.staysSilent(1500), heard());
    } else {
        // A sound server takes a program's first stream in at its own pace;
        // the benchmarks hold that against paplay's.
        QVERIFY2(hears(tone, 10000), heard());
    }

    if (keyboard) {
        // The pointer rests where it hovers over nothing.
        bool ok = false;
        ChildProcess::run(QStringLiteral("xdotool"),
                          { QStringLiteral("mousemove"), QStringLiteral("0"), QStringLiteral("0") },
                          m_display.environment(QProcessEnvironment::systemEnvironment()), &ok);
        QVERIFY(ok && type({ QStringLiteral("Tab"), QStringLiteral("space") }));
    } else {
        QVERIFY(click(centreOf(m_title, "PB_Start")));
    }
    QVERIFY2(waitForPage(shot(m_contents)), m_difference);
    saveScreenshot(QStringLiteral("contents"));
    if (tone != silent)
        QVERIFY2(hears(tone, tuneAfterClickMs), "the title tune stopped: " + heard());
}

void tst_E2e::everyStoryReadsToItsEndAndReturnsToSilence_data()
{
    QTest::addColumn<int>("story");
    QTest::addColumn<int>("tone");
    QTest::addColumn<bool>("keyboard");

    // The first story is chosen while the title tune plays, the next ones
    // after a story has ended in silence; each time the tune comes with the
    // click. The keyboard reader starts afresh, so its tune replaces the
    // title's again.
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
    openContents(keyboard, QStringLiteral(PICTUREBOOK_EXECUTABLE), m_workDir, titleTone);
    if (!QTest::currentTestFailed())
        readStory(story, tone, keyboard);
}

// `tone` is the story's music, or `silent` when it has none that plays.
void tst_E2e::readStory(int number, int tone, bool keyboard)
{
    // Read alongside on a page of its own, which starts the story afresh as
    // the program must when a story is chosen again.
    FormNovel page;
    if (keyboard) {
        page.show();
        QVERIFY(QTest::qWaitForWindowActive(&page));
    }
    page.selectStory(number);
    // "Next" wears the focus frame that keyboard use brings.
    page.setAttribute(Qt::WA_KeyboardFocusChange, keyboard);
    auto *next = page.findChild<QPushButton *>(QStringLiteral("PB_Page"));
    const auto turn = [&] {
        return keyboard ? type({ QStringLiteral("space") }) : click(next->geometry().center());
    };
    // Reached by keyboard from the title page, the contents page has none of
    // its buttons focused: the story's button is its place from the top in Tabs.
    QStringList opening(number + 1, QStringLiteral("Tab"));
    opening << QStringLiteral("space");

    QElapsedTimer sinceClick;
    sinceClick.start();
    QVERIFY(keyboard ? type(opening) : click(centreOf(m_contents, storyButtons[number])));
    if (tone != silent) {
        QVERIFY2(hears(tone, std::max(0, tuneAfterClickMs - int(sinceClick.elapsed()))),
                 "no tune " + QByteArray::number(sinceClick.elapsed())
                     + " ms after the click; heard: " + heard(1000));
    }
    for (int i = 0;; ++i) {
        QVERIFY2(waitForPage(shot(page)), "record " + QByteArray::number(i) + ": " + m_difference);
        if (i == 0 && tone == silent)
            QVERIFY2(m_sound.staysSilent(1000), heard());
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
    if (tone != silent)
        QVERIFY2(hears(tone, tuneAfterClickMs), heard());

    QVERIFY(turn());
    // Back from a story read by keyboard, the contents page has the keyboard
    // where a page shown afresh has it.
    FormContents contents;
    if (keyboard) {
        contents.show();
        QVERIFY(QTest::qWaitForWindowActive(&contents));
        contents.setAttribute(Qt::WA_KeyboardFocusChange);
    }
    QVERIFY2(waitForPage(shot(contents)), "contents page after the story: " + m_difference);
    // A stream stopped right after the machine was too busy to feed it can
    // let out a last buffer; what counts is that silence comes and stays.
    QVERIFY2(QTest::qWaitFor([this] { return m_sound.staysSilent(800); }, 4000), heard(3000));
}

void tst_E2e::unplayableMusicIsSilentAndTheRestWorks_data()
{
    QTest::addColumn<bool>("folder");

    QTest::newRow("no music folder") << false;
    // Empty, cut inside the header, or not WAV at all, in turn.
    QTest::newRow("broken files") << true;
}

void tst_E2e::unplayableMusicIsSilentAndTheRestWorks()
{
    QFETCH(bool, folder);
    QVERIFY(ChildProcess::stop(m_reader));

    // A copy of the program, so that no music beside it can stand in.
    const QString dir
        = m_root.filePath(QString::fromLatin1(QTest::currentDataTag()).replace(u' ', u'-'));
    QVERIFY(QDir().mkpath(dir));
    const QString program = dir + QStringLiteral("/picturebook");
    QVERIFY(QFile::copy(QStringLiteral(PICTUREBOOK_EXECUTABLE), program));
    if (folder) {
        QVERIFY(writeMusicFolder(dir, 2.0));
        const QDir music(dir + QStringLiteral("/music"));
        const QStringList tunes = music.entryList(QDir::Files);
        QCOMPARE(tunes.size(), 5);
        const QByteArray text
            = QByteArray("These are not the tunes you are looking for.\n").repeated(200);
        for (int i = 0; i < tunes.size(); ++i) {
            QFile file(music.filePath(tunes[i]));
            QVERIFY(file.open(QIODevice::ReadWrite));
            QVERIFY(file.resize(i % 3 == 1 ? 30 : 0));
            if (i % 3 == 2)
                QCOMPARE(file.write(text), text.size());
        }
    }

    openContents(false, program, dir, silent);
    // The shortest story, read to its end in silence.
    if (!QTest::currentTestFailed())
        readStory(2, silent);
    QVERIFY(m_reader.state() == QProcess::Running);
    QVERIFY(ChildProcess::stop(m_reader));
}

void tst_E2e::installedProgramPlaysItsOwnMusicFromAnyFolder()
{
    QVERIFY(ChildProcess::stop(m_reader));
    const QString prefix = m_root.filePath(QStringLiteral("prefix"));
    bool ok = false;
    const QByteArray log
        = ChildProcess::run(QStringLiteral(CMAKE_COMMAND),
                            { QStringLiteral("--install"), QStringLiteral(PICTUREBOOK_BUILD_DIR),
                              QStringLiteral("--prefix"), prefix },
                            QProcessEnvironment::systemEnvironment(), &ok, 60000);
    QVERIFY2(ok, log);
    for (const char *file :
         { "bin/picturebook", "share/picturebook/music/title.wav", "share/picturebook/music/0.wav",
           "share/picturebook/music/1.wav", "share/picturebook/music/2.wav",
           "share/applications/org.example.picturebook.desktop",
           "share/metainfo/org.example.picturebook.metainfo.xml",
           "share/icons/hicolor/48x48/apps/picturebook.png" })
        QVERIFY2(QFileInfo::exists(prefix + QLatin1Char('/') + QLatin1String(file)), file);

    // Started from a folder without music, as a desktop launcher would.
    const QString elsewhere = m_root.filePath(QStringLiteral("elsewhere"));
    QVERIFY(QDir().mkpath(elsewhere));
    QVERIFY2(launch(prefix + QStringLiteral("/bin/picturebook"), elsewhere),
             "the reader's window did not appear");
    QVERIFY2(waitForPage(shot(m_title)), m_difference);
    // The real title tune, not a test tone: anything but silence is right.
    QVERIFY2(!m_sound.staysSilent(2000), "the installed program is silent");
    QVERIFY(ChildProcess::stop(m_reader));
}

QTEST_MAIN(tst_E2e)
#include "tst_e2e.moc"

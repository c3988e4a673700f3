// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "childprocess.h"
#include "soundserver.h"
#include "testwav.h"
#include "virtualdisplay.h"

#include "scenario/cp932.h"
#include "scenario/ruvello.h"
#include "scenario/sorinda.h"
#include "scenario/tovane.h"

#include <QDir>
#include <QElapsedTimer>
#include <QFile>
#include <QPainter>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

#include <algorithm>
#include <cstring>
#include <functional>
#include <memory>

namespace {

const QList<int> tones { 330, 440, 554, 659, 880 };
constexpr int titleTone = 330;
constexpr int silent = 0;
// From a click on a story to its tune: what a listener still takes as "with
// the click", with room for a busy machine.
constexpr int tuneAfterClickMs = 750;

const QRect startButton(260, 220, 271, 81);
const QRect ruvelloButton(130, 200, 201, 61);
const QRect novelButton(130, 280, 201, 61);
const QRect sorindaButton(130, 360, 201, 61);
const QRect contentsHeading(300, 70, 211, 61);
const QRect nextButton(700, 560, 75, 23);
const QRect nameBox(10, 370, 131, 51);
const QRect textArea(20, 440, 760, 140);

// A page as it should look, but for the parts (buttons, text) that are
// checked by other means.
struct Page
{
    QImage image;
    QList<QRect> ignored;
};

Page menuPage(const QColor &base, const char *picture, const QList<QRect> &ignored)
{
    QImage page(800, 600, QImage::Format_RGB32);
    page.fill(base);
    QPainter painter(&page);
    painter.drawImage(0, 0, QImage(QString::fromLatin1(picture)));
    return { page, ignored };
}

Page titlePage()
{
    return menuPage(QColor(255, 206, 251), ":/page/pict/page/title.png", { startButton });
}

Page contentsPage()
{
    return menuPage(QColor(255, 170, 255), ":/page/pict/page/content.png",
                    { ruvelloButton, novelButton, sorindaButton, contentsHeading });
}

// The reading page as the layouts describe it: background, wolf, bride, and
// the text box darkening what lies under it.
Page readingPage(const ScenarioRecord &record)
{
    static const char *const backgrounds[] = {
        ":/back/pict/tyuuka.png",        ":/back/pict/black.png",
        ":/back/pict/eventtovane.png",   ":/back/pict/eventruvello1.png",
        ":/back/pict/eventruvello2.png", ":/back/pict/eventruvello3.png",
        ":/back/pict/eventruvello4.png", ":/back/pict/eventsorinda.png",
    };
    QImage page(800, 600, QImage::Format_ARGB32_Premultiplied);
    page.fill(Qt::black);
    QPainter painter(&page);
    const auto draw = [&painter](int x, int y, const QString &picture) {
        painter.drawImage(x, y, QImage(picture));
    };
    if (record.background >= 0 && record.background < 8)
        draw(0, 0, QString::fromLatin1(backgrounds[record.background]));
    if (record.wolfFace >= 0) {
        draw(40, 0, QStringLiteral(":/body/wolf/pict/wolf_body.png"));
        if (record.wolfFace >= 1 && record.wolfFace <= 6)
            draw(193, 48, QStringLiteral(":/body/wolf/pict/wolf/wolf%1.png").arg(record.wolfFace));
    }
    if (record.brideFace >= 0) {
        draw(380, 0, QStringLiteral(":/body/bride/pict/bride.png"));
        if (record.brideFace >= 1 && record.brideFace <= 11)
            draw(491, 82, QStringLiteral(":/body/bride/pict/orima/%1.png").arg(record.brideFace));
    }
    painter.setOpacity(0.8);
    painter.fillRect(QRectF(10, 430, 780, 160), Qt::black);
    painter.end();
    return { page.convertToFormat(QImage::Format_RGB32), { nameBox, textArea, nextButton } };
}

// Empty when the screen shows the page, allowing a rounding step or two per
// colour channel; otherwise where it first differs.
QByteArray difference(const QImage &screen, const Page &page)
{
    const QImage &expected = page.image;
    if (screen.size() != expected.size() || screen.format() != expected.format())
        return "the screen was not read";
    QList<QRect> grown;
    for (const QRect &rect : page.ignored)
        grown.append(rect.adjusted(-2, -2, 2, 2));
    const size_t lineBytes = size_t(expected.width()) * sizeof(QRgb);
    for (int y = 0; y < expected.height(); ++y) {
        const auto *s = reinterpret_cast<const QRgb *>(screen.constScanLine(y));
        const auto *e = reinterpret_cast<const QRgb *>(expected.constScanLine(y));
        if (std::memcmp(s, e, lineBytes) == 0)
            continue;
        for (int x = 0; x < expected.width(); ++x) {
            if (qAbs(qRed(s[x]) - qRed(e[x])) <= 2 && qAbs(qGreen(s[x]) - qGreen(e[x])) <= 2
                && qAbs(qBlue(s[x]) - qBlue(e[x])) <= 2)
                continue;
            const QPoint at(x, y);
            if (std::none_of(grown.cbegin(), grown.cend(),
                             [at](const QRect &r) { return r.contains(at); }))
                return QString::asprintf("first difference at (%d, %d): seen #%06x, expected #%06x",
                                         x, y, s[x] & 0xffffff, e[x] & 0xffffff)
                    .toUtf8();
        }
    }
    return {};
}

bool shows(const QImage &screen, const Page &page)
{
    return difference(screen, page).isEmpty();
}

// White text on the darkened box: nothing else in the text area but the
// page button comes near white.
int textPixels(const QImage &screen)
{
    const QRect button = nextButton.adjusted(-2, -2, 2, 2);
    int count = 0;
    for (int y = textArea.top(); y <= textArea.bottom(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(screen.constScanLine(y));
        for (int x = textArea.left(); x <= textArea.right(); ++x) {
            if (qRed(line[x]) > 160 && qGreen(line[x]) > 160 && qBlue(line[x]) > 160
                && !button.contains(x, y))
                ++count;
        }
    }
    return count;
}

bool sameArea(const QImage &a, const QImage &b, const QRect &area)
{
    return !a.isNull() && !b.isNull() && a.copy(area) == b.copy(area);
}

bool waitUntil(const std::function<bool()> &done, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!done()) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QTest::qWait(30);
    }
    return true;
}

} // namespace

// The real program on a real (virtual) X server with a real sound server:
// the tests click where a user clicks, look at the screen the X server holds
// and listen to the sound server's output. What they expect to see is
// composed here from the program's own pictures, following the page layouts;
// what they expect to hear is a test tone of a different pitch per music file.
class tst_E2e : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void cleanup();

    void startsOnTheTitlePageWithTheTitleMusic();
    void startButtonOpensTheContentsWhileTheTitleMusicGoesOn();
    void everyStoryReadsToItsEndAndReturnsToSilence_data();
    void everyStoryReadsToItsEndAndReturnsToSilence();
    void choosingAStoryAgainStartsItAfresh();
    void unplayableMusicIsSilentAndTheRestWorks_data();
    void unplayableMusicIsSilentAndTheRestWorks();
    void installedProgramPlaysItsOwnMusicFromAnyFolder();

private:
    bool launch(const QString &program, const QString &workDir);
    bool stopReader();
    bool click(QPoint inWindow) { return m_display.click(m_window.topLeft() + inWindow); }
    bool type(const QStringList &keys)
    {
        return m_display.type(QStringLiteral("MainWindow"), keys);
    }
    bool waitForPage(const Page &page, QImage *screen = nullptr,
                     const std::function<bool(const QImage &)> &also = nullptr);
    bool hearsTone(int tone) { return m_sound.currentTone(tones) == tone; }
    QByteArray heard(int ms = 2000) { return m_sound.recentHistory(tones, ms).toUtf8(); }
    void saveScreenshot(const QImage &image, const QString &name);
    void openContentsPage(bool keyboard = false);
    void readStory(int number, QRect button, int tone, bool keyboard = false);

    // Declared first so that it goes last, after the servers that use it.
    QTemporaryDir m_root { QDir::tempPath() + QStringLiteral("/pb-e2e-XXXXXX") };
    VirtualDisplay m_display;
    SoundServer m_sound;
    QString m_workDir;
    QProcess m_reader;
    QList<qint64> m_readerPids;
    QRect m_window;
    QHash<int, QImage> m_firstRecordShots;
    bool m_readingShotSaved = false;
    QByteArray m_difference; // where the page waited for last differed from the screen
};

void tst_E2e::initTestCase()
{
    // scripts/test installs every tool; a missing one is a broken set-up and
    // fails here rather than skipping the suite.
    for (const char *tool : { "Xvfb", "xdotool", "pulseaudio", "parec" }) {
        QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty(),
                 QByteArray(tool) + " is not installed (scripts/test installs it)");
    }
    QVERIFY2(QFileInfo(QStringLiteral(PICTUREBOOK_EXECUTABLE)).isExecutable(),
             PICTUREBOOK_EXECUTABLE);
    QVERIFY(m_root.isValid());

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
    QVERIFY(stopReader());
    QVERIFY(m_sound.stop());
    QVERIFY(m_display.stop());
    for (qint64 pid : pids)
        QVERIFY2(!ChildProcess::isAlive(pid),
                 "a reader, Xvfb or the sound server outlived the tests");
}

void tst_E2e::cleanup()
{
    if (QTest::currentTestFailed() && m_reader.state() != QProcess::NotRunning) {
        m_reader.waitForReadyRead(100);
        const QByteArray log = m_reader.readAll();
        if (!log.isEmpty())
            qInfo().noquote() << "The reader said:\n" + QString::fromLocal8Bit(log);
    }
}

bool tst_E2e::launch(const QString &program, const QString &workDir)
{
    stopReader();
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
    const auto windowOrExit = [this] {
        m_window = m_display.findWindow(QStringLiteral("MainWindow"));
        return !m_window.isEmpty() || m_reader.state() != QProcess::Running;
    };
    waitUntil(windowOrExit, 20000);
    return !m_window.isEmpty();
}

bool tst_E2e::stopReader()
{
    // The reader's output is only needed while it runs and a test may fail.
    if (m_reader.state() != QProcess::NotRunning)
        m_reader.readAll();
    return ChildProcess::stop(m_reader);
}

// `also` is what else must hold for the screen, when the page alone cannot
// tell that something happened.
bool tst_E2e::waitForPage(const Page &page, QImage *screen,
                          const std::function<bool(const QImage &)> &also)
{
    QImage seen;
    const auto wanted = [&] {
        seen = m_display.grab(m_window);
        return shows(seen, page) && (!also || also(seen));
    };
    waitUntil(wanted, 10000);
    if (screen)
        *screen = seen;
    m_difference = difference(seen, page);
    if (m_difference.isEmpty() && also && !also(seen))
        m_difference = "the screen did not change as it should";
    return m_difference.isEmpty();
}

void tst_E2e::saveScreenshot(const QImage &image, const QString &name)
{
    QString dir = qEnvironmentVariable("PICTUREBOOK_SCREENSHOT_DIR");
    if (dir.isEmpty())
        dir = QStringLiteral(E2E_SCREENSHOT_DIR);
    QVERIFY(QDir().mkpath(dir));
    QVERIFY(image.save(dir + QLatin1Char('/') + name + QStringLiteral(".png")));
}

void tst_E2e::startsOnTheTitlePageWithTheTitleMusic()
{
    QVERIFY2(launch(QStringLiteral(PICTUREBOOK_EXECUTABLE), m_workDir),
             "the reader's window did not appear");
    QCOMPARE(m_window.size(), QSize(800, 600));

    const Page title = titlePage();
    QImage screen;
    QVERIFY2(waitForPage(title, &screen), m_difference);
    // The start button lies over the picture.
    QVERIFY(screen.copy(startButton) != title.image.copy(startButton));
    saveScreenshot(screen, QStringLiteral("title"));

    QVERIFY2(waitUntil([this] { return hearsTone(titleTone); }, 10000), heard());
}

void tst_E2e::startButtonOpensTheContentsWhileTheTitleMusicGoesOn()
{
    QVERIFY(m_reader.state() == QProcess::Running);
    QVERIFY(click(startButton.center()));

    const Page contents = contentsPage();
    QImage screen;
    QVERIFY2(waitForPage(contents, &screen), m_difference);
    for (const QRect &button : { ruvelloButton, novelButton, sorindaButton })
        QVERIFY(screen.copy(button) != contents.image.copy(button));
    saveScreenshot(screen, QStringLiteral("contents"));

    QVERIFY2(waitUntil([this] { return hearsTone(titleTone); }, 3000), heard());
}

void tst_E2e::everyStoryReadsToItsEndAndReturnsToSilence_data()
{
    QTest::addColumn<int>("story");
    QTest::addColumn<QRect>("button");
    QTest::addColumn<int>("tone");
    QTest::addColumn<bool>("keyboard");

    // The first story is chosen while the title tune plays, the next two
    // after a story has ended in silence; each time the tune comes with the
    // click. The keyboard reader starts afresh, so its tune replaces the
    // title's again.
    QTest::newRow("top button: story 0 to music/1.wav") << 0 << ruvelloButton << 554 << false;
    QTest::newRow("middle button: story 1 to music/0.wav") << 1 << novelButton << 440 << false;
    QTest::newRow("bottom button: story 2 to music/2.wav") << 2 << sorindaButton << 659 << false;
    QTest::newRow("from the start with Tab and space alone: story 2")
        << 2 << sorindaButton << 659 << true;
}

void tst_E2e::everyStoryReadsToItsEndAndReturnsToSilence()
{
    QFETCH(int, story);
    QFETCH(QRect, button);
    QFETCH(int, tone);
    QFETCH(bool, keyboard);
    openContentsPage(keyboard);
    if (!QTest::currentTestFailed())
        readStory(story, button, tone, keyboard);
}

void tst_E2e::choosingAStoryAgainStartsItAfresh()
{
    QVERIFY2(m_firstRecordShots.contains(2), "the story was never opened");
    openContentsPage();
    // readStory compares the first page with the one seen the first time.
    if (!QTest::currentTestFailed())
        readStory(2, sorindaButton, 659);
}

// Each story starts from the contents page. After a failure the reader may be
// elsewhere; a fresh one then stands in, so that one fault is reported once.
// A keyboard reader always starts afresh, so that no click has placed the focus.
void tst_E2e::openContentsPage(bool keyboard)
{
    if (!keyboard && m_reader.state() == QProcess::Running
        && shows(m_display.grab(m_window), contentsPage()))
        return;
    startsOnTheTitlePageWithTheTitleMusic();
    if (QTest::currentTestFailed())
        return;
    if (!keyboard) {
        startButtonOpensTheContentsWhileTheTitleMusicGoesOn();
        return;
    }
    QVERIFY(type({ QStringLiteral("Tab"), QStringLiteral("space") }));
    QVERIFY2(waitForPage(contentsPage()), m_difference);
}

// `tone` is the story's music, or `silent` when it has none that plays.
void tst_E2e::readStory(int number, QRect button, int tone, bool keyboard)
{
    // Reached by keyboard from the title page, the contents page has none of
    // its buttons focused: the story's button is its place from the top in
    // Tabs.
    QStringList opening(number + 1, QStringLiteral("Tab"));
    opening << QStringLiteral("space");
    const auto next
        = [&] { return keyboard ? type({ QStringLiteral("space") }) : click(nextButton.center()); };

    std::unique_ptr<Tovane> table;
    if (number == 0)
        table = std::make_unique<Ruvello>();
    else if (number == 2)
        table = std::make_unique<Sorinda>();
    else
        table = std::make_unique<Tovane>();
    const int count = table->count;
    QList<Page> pages;
    for (int i = 0; i < count; ++i)
        pages.append(readingPage(table->records[i]));

    QElapsedTimer sinceClick;
    sinceClick.start();
    QVERIFY(keyboard ? type(opening) : click(button.center()));
    if (tone != silent) {
        const auto tuneHeard = [&] { return m_sound.currentTone(tones, 100) == tone; };
        QVERIFY2(waitUntil(tuneHeard, tuneAfterClickMs - int(sinceClick.elapsed())),
                 "no tune " + QByteArray::number(sinceClick.elapsed())
                         + " ms after the click; heard: " + heard(1000));
    }
    QImage screen;
    QVERIFY2(waitForPage(pages[0], &screen), "first record: " + m_difference);
    if (tone == silent)
        QVERIFY2(m_sound.staysSilent(1000), heard());

    // "Next" wears a focus frame only while the window has the keyboard.
    QImage firstPage = screen;
    QPainter(&firstPage).fillRect(nextButton, Qt::black);
    const auto firstSeen = m_firstRecordShots.constFind(number);
    if (firstSeen == m_firstRecordShots.cend())
        m_firstRecordShots.insert(number, firstPage);
    else
        QVERIFY2(*firstSeen == firstPage,
                 "a story chosen again does not show its first page as before");

    for (int i = 0; i < count; ++i) {
        const ScenarioRecord &record = table->records[i];
        const bool hasText = !displayText(record.text).trimmed().isEmpty();
        QVERIFY2((textPixels(screen) > 0) == hasText,
                 "record " + QByteArray::number(i) + ": " + QByteArray::number(textPixels(screen))
                     + " text pixels");

        if (!m_readingShotSaved && number == 1 && record.wolfFace > 0 && record.brideFace > 0
            && (record.speaker == 2 || record.speaker == 3) && hasText) {
            saveScreenshot(screen, QStringLiteral("reading"));
            m_readingShotSaved = true;
        }
        if (i == count - 1)
            break;

        // No line repeats the one before, so every click must change the text.
        const QImage previous = screen;
        QVERIFY(next());
        const auto newText = [&](const QImage &s) { return !sameArea(s, previous, textArea); };
        QVERIFY2(waitForPage(pages[i + 1], &screen, newText),
                 "record " + QByteArray::number(i + 1) + ": " + m_difference);
    }
    // Still playing on the last page, so the silence below comes from the click.
    if (tone != silent)
        QVERIFY2(waitUntil([&] { return hearsTone(tone); }, 3000), heard());

    QVERIFY(next());
    QVERIFY2(waitForPage(contentsPage()), "contents page after the story: " + m_difference);
    // A stream stopped right after the machine was too busy to feed it can
    // let out a last buffer; what counts is that silence comes and stays.
    QVERIFY2(waitUntil([this] { return m_sound.staysSilent(800); }, 4000), heard(3000));
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
    QVERIFY(stopReader());

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

    QVERIFY2(launch(program, dir), "the reader's window did not appear");
    QVERIFY2(waitForPage(titlePage()), m_difference);
    QVERIFY2(m_sound.staysSilent(1500), heard());
    QVERIFY(click(startButton.center()));
    QVERIFY2(waitForPage(contentsPage()), m_difference);

    // The shortest story, read to its end in silence.
    readStory(2, sorindaButton, silent);
    QVERIFY(m_reader.state() == QProcess::Running);
    QVERIFY(stopReader());
}

void tst_E2e::installedProgramPlaysItsOwnMusicFromAnyFolder()
{
    QVERIFY(stopReader());
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
    QVERIFY2(waitForPage(titlePage()), m_difference);
    // The real title tune, not a test tone: anything but silence is right.
    QVERIFY2(!m_sound.staysSilent(2000), "the installed program is silent");
    QVERIFY(stopReader());
}

QTEST_MAIN(tst_E2e)
#include "tst_e2e.moc"

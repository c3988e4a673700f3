#include "childprocess.h"
#include "soundserver.h"
#include "testwav.h"
#include "toneanalysis.h"
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

    void theSoundCheckHearsAToneAndItsEnd();
    void startsOnTheTitlePageWithTheTitleMusic();
    void startButtonOpensTheContentsWhileTheTitleMusicGoesOn();
    void everyStoryReadsToItsEndAndReturnsToSilence_data();
    void everyStoryReadsToItsEndAndReturnsToSilence();
    void choosingAStoryAgainStartsItAfresh();
    void unplayableMusicIsSilentAndTheRestWorks_data();
    void unplayableMusicIsSilentAndTheRestWorks();
    void installedProgramPlaysItsOwnMusicFromAnyFolder();

private:
    struct Story
    {
        int number;
        QRect button;
        int tone;
    };

    bool launch(const QString &program, const QString &workDir);
    void openContentsPage();
    bool stopReader();
    bool click(QPoint inWindow);
    QImage shot();
    QImage waitForScreen(const std::function<bool(const QImage &)> &wanted, int timeoutMs = 10000);
    bool waitForTone(int tone, int timeoutMs = 10000);
    bool waitForSilence(int stableMs, int timeoutMs);
    void saveScreenshot(const QImage &image, const QString &name);
    void readStory(const Story &story, bool storyHasMusic);

    // Declared first so that it goes last, after the servers that use it.
    QTemporaryDir m_root{ QDir::tempPath() + QStringLiteral("/pb-e2e-XXXXXX") };
    VirtualDisplay m_display;
    SoundServer m_sound;
    QString m_workDir;
    QProcess m_reader;
    QList<qint64> m_readerPids;
    QRect m_window;
    QHash<int, QImage> m_firstRecordShots;
    bool m_readingShotSaved = false;
};

namespace {

const QList<int> tones{ 330, 440, 554, 659, 880 };
constexpr int titleTone = 330;

const QRect startButton(260, 220, 271, 81);
const QRect ruvelloButton(130, 200, 201, 61);
const QRect novelButton(130, 280, 201, 61);
const QRect sorindaButton(130, 360, 201, 61);
const QRect contentsHeading(300, 70, 211, 61);
const QRect nextButton(700, 560, 75, 23);
const QRect nameBox(10, 370, 131, 51);
const QRect textArea(20, 440, 760, 140);

const QColor titleBase(255, 206, 251);
const QColor contentsBase(255, 170, 255);

std::unique_ptr<Tovane> makeStory(int number)
{
    switch (number) {
    case 0:
        return std::make_unique<Ruvello>();
    case 2:
        return std::make_unique<Sorinda>();
    default:
        return std::make_unique<Tovane>();
    }
}

QImage menuPage(const QColor &base, const char *picture)
{
    QImage page(800, 600, QImage::Format_RGB32);
    page.fill(base);
    QPainter painter(&page);
    painter.drawImage(0, 0, QImage(QString::fromLatin1(picture)));
    return page;
}

// The reading page as the layouts describe it: background, wolf, bride, and
// the text box darkening what lies under it. The text itself, the name box
// and the page button are left to the callers.
QImage readingPage(const ScenarioRecord &record)
{
    static const char *const backgrounds[] = {
        ":/back/pict/tyuuka.png",         ":/back/pict/black.png",
        ":/back/pict/eventtovane.png",    ":/back/pict/eventruvello1.png",
        ":/back/pict/eventruvello2.png",  ":/back/pict/eventruvello3.png",
        ":/back/pict/eventruvello4.png",  ":/back/pict/eventsorinda.png",
    };
    QImage page(800, 600, QImage::Format_ARGB32_Premultiplied);
    page.fill(Qt::black);
    QPainter painter(&page);
    if (record.background >= 0 && record.background < 8)
        painter.drawImage(0, 0, QImage(QString::fromLatin1(backgrounds[record.background])));
    if (record.wolfFace >= 0) {
        painter.drawImage(40, 0, QImage(QStringLiteral(":/body/wolf/pict/wolf_body.png")));
        if (record.wolfFace >= 1 && record.wolfFace <= 6)
            painter.drawImage(193, 48, QImage(QStringLiteral(":/body/wolf/pict/wolf/wolf%1.png").arg(record.wolfFace)));
    }
    if (record.brideFace >= 0) {
        painter.drawImage(380, 0, QImage(QStringLiteral(":/body/bride/pict/bride.png")));
        if (record.brideFace >= 1 && record.brideFace <= 11)
            painter.drawImage(491, 82, QImage(QStringLiteral(":/body/bride/pict/orima/%1.png").arg(record.brideFace)));
    }
    painter.setOpacity(0.8);
    painter.fillRect(QRectF(10, 430, 780, 160), Qt::black);
    painter.end();
    return page.convertToFormat(QImage::Format_RGB32);
}

struct Difference
{
    int pixels = 0;
    QPoint first;
    QRgb seen = 0;
    QRgb expected = 0;
};

// Compares the screen with the expected page everywhere but in `ignored`,
// allowing a rounding step or two per colour channel. Counting stops at the
// first difference when only a yes or no is wanted.
Difference compare(const QImage &screen, const QImage &expected, const QList<QRect> &ignored,
                   bool stopAtFirst = false)
{
    Difference diff;
    if (screen.size() != expected.size() || screen.format() != expected.format()) {
        diff.pixels = expected.width() * expected.height();
        return diff;
    }
    QList<QRect> grown;
    for (const QRect &rect : ignored)
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
            if (std::any_of(grown.cbegin(), grown.cend(), [at](const QRect &r) { return r.contains(at); }))
                continue;
            if (diff.pixels++ == 0) {
                diff.first = at;
                diff.seen = s[x];
                diff.expected = e[x];
                if (stopAtFirst)
                    return diff;
            }
        }
    }
    return diff;
}

bool shows(const QImage &screen, const QImage &expected, const QList<QRect> &ignored)
{
    return compare(screen, expected, ignored, true).pixels == 0;
}

QByteArray describe(const Difference &diff)
{
    return QStringLiteral("%1 pixels differ, first at (%2, %3): seen #%4, expected #%5")
        .arg(diff.pixels).arg(diff.first.x()).arg(diff.first.y())
        .arg(diff.seen & 0xffffff, 6, 16, QLatin1Char('0'))
        .arg(diff.expected & 0xffffff, 6, 16, QLatin1Char('0'))
        .toUtf8();
}

const QList<QRect> titleIgnored{ startButton };
const QList<QRect> contentsIgnored{ ruvelloButton, novelButton, sorindaButton, contentsHeading };
const QList<QRect> readingIgnored{ nameBox, textArea, nextButton };

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

} // namespace

void tst_E2e::initTestCase()
{
    // Every tool is installed by scripts/test; a missing one is a broken
    // set-up and fails here rather than skipping the suite.
    for (const char *tool : { "Xvfb", "xdotool", "pulseaudio", "parec", "paplay" }) {
        QVERIFY2(!QStandardPaths::findExecutable(QString::fromLatin1(tool)).isEmpty(),
                 QByteArray(tool) + " is not installed (scripts/test installs it)");
    }
    QVERIFY2(QFileInfo(QStringLiteral(PICTUREBOOK_EXECUTABLE)).isExecutable(), PICTUREBOOK_EXECUTABLE);
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
    const qint64 displayPid = m_display.pid();
    const qint64 serverPid = m_sound.serverPid();
    const qint64 recorderPid = m_sound.recorderPid();
    QVERIFY(stopReader());
    QVERIFY(m_sound.stop());
    QVERIFY(m_display.stop());
    for (qint64 pid : m_readerPids)
        QVERIFY2(!ChildProcess::isAlive(pid), "a reader outlived the tests");
    QVERIFY2(!ChildProcess::isAlive(displayPid), "Xvfb outlived the tests");
    QVERIFY2(!ChildProcess::isAlive(serverPid), "the sound server outlived the tests");
    QVERIFY2(!ChildProcess::isAlive(recorderPid), "the recorder outlived the tests");
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

    QElapsedTimer timer;
    timer.start();
    while (m_window.isEmpty() && timer.elapsed() < 20000 && m_reader.state() == QProcess::Running) {
        QTest::qWait(100);
        m_window = m_display.findWindow(QStringLiteral("MainWindow"));
    }
    return !m_window.isEmpty();
}

bool tst_E2e::stopReader()
{
    // The reader's output is only needed while it runs and a test may fail.
    if (m_reader.state() != QProcess::NotRunning)
        m_reader.readAll();
    return ChildProcess::stop(m_reader);
}

bool tst_E2e::click(QPoint inWindow)
{
    return m_display.click(m_window.topLeft() + inWindow);
}

QImage tst_E2e::shot()
{
    return m_display.grab(m_window);
}

QImage tst_E2e::waitForScreen(const std::function<bool(const QImage &)> &wanted, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    QImage screen = shot();
    while ((screen.isNull() || !wanted(screen)) && timer.elapsed() < timeoutMs) {
        QTest::qWait(30);
        screen = shot();
    }
    return screen;
}

bool tst_E2e::waitForTone(int tone, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (m_sound.currentTone(tones) != tone) {
        if (timer.elapsed() > timeoutMs)
            return false;
        QTest::qWait(50);
    }
    return true;
}

bool tst_E2e::waitForSilence(int stableMs, int timeoutMs)
{
    QElapsedTimer timer;
    timer.start();
    while (!m_sound.staysSilent(stableMs)) {
        if (timer.elapsed() > timeoutMs)
            return false;
    }
    return true;
}

void tst_E2e::saveScreenshot(const QImage &image, const QString &name)
{
    QString dir = qEnvironmentVariable("PICTUREBOOK_SCREENSHOT_DIR");
    if (dir.isEmpty())
        dir = QStringLiteral(E2E_SCREENSHOT_DIR);
    QVERIFY(QDir().mkpath(dir));
    QVERIFY(image.save(dir + QLatin1Char('/') + name + QStringLiteral(".png")));
}

void tst_E2e::theSoundCheckHearsAToneAndItsEnd()
{
    // The ear itself is checked first, so that a failure further on is the
    // reader's and not the recording's.
    const QString tone = m_root.filePath(QStringLiteral("check.wav"));
    QVERIFY(writeToneWav(tone, 554.0, 0.8));
    QVERIFY(m_sound.staysSilent(300));

    QProcess player;
    ChildProcess::endWithTest(player);
    player.setProcessEnvironment(m_sound.environment(QProcessEnvironment::systemEnvironment()));
    player.start(QStringLiteral("paplay"), { tone });
    QVERIFY(player.waitForStarted());
    const bool heard = waitForTone(554, 5000);
    QVERIFY(player.waitForFinished(10000));
    QVERIFY2(heard, qPrintable(QStringLiteral("heard %1").arg(m_sound.recentHistory(tones, 2000))));
    QVERIFY(waitForSilence(300, 3000));
}

void tst_E2e::startsOnTheTitlePageWithTheTitleMusic()
{
    QVERIFY2(launch(QStringLiteral(PICTUREBOOK_EXECUTABLE), m_workDir), "the reader's window did not appear");
    QCOMPARE(m_window.size(), QSize(800, 600));

    const QImage expected = menuPage(titleBase, ":/page/pict/page/title.png");
    const QImage screen = waitForScreen([&](const QImage &s) { return shows(s, expected, titleIgnored); });
    const Difference diff = compare(screen, expected, titleIgnored);
    QVERIFY2(diff.pixels == 0, describe(diff));
    // The start button lies over the picture.
    QVERIFY(screen.copy(startButton) != expected.copy(startButton));
    saveScreenshot(screen, QStringLiteral("title"));

    QVERIFY2(waitForTone(titleTone), qPrintable(QStringLiteral("heard %1").arg(m_sound.recentHistory(tones, 2000))));
}

void tst_E2e::startButtonOpensTheContentsWhileTheTitleMusicGoesOn()
{
    QVERIFY(m_reader.state() == QProcess::Running);
    QVERIFY(click(startButton.center()));

    const QImage expected = menuPage(contentsBase, ":/page/pict/page/content.png");
    const QImage screen = waitForScreen([&](const QImage &s) { return shows(s, expected, contentsIgnored); });
    const Difference diff = compare(screen, expected, contentsIgnored);
    QVERIFY2(diff.pixels == 0, describe(diff));
    for (const QRect &button : { ruvelloButton, novelButton, sorindaButton })
        QVERIFY(screen.copy(button) != expected.copy(button));
    saveScreenshot(screen, QStringLiteral("contents"));

    QVERIFY2(waitForTone(titleTone, 3000),
             qPrintable(QStringLiteral("heard %1").arg(m_sound.recentHistory(tones, 2000))));
}

void tst_E2e::everyStoryReadsToItsEndAndReturnsToSilence_data()
{
    QTest::addColumn<int>("story");
    QTest::addColumn<QRect>("button");
    QTest::addColumn<int>("tone");

    QTest::newRow("top button: story 0 to music/1.wav") << 0 << ruvelloButton << 554;
    QTest::newRow("middle button: story 1 to music/0.wav") << 1 << novelButton << 440;
    QTest::newRow("bottom button: story 2 to music/2.wav") << 2 << sorindaButton << 659;
}

void tst_E2e::everyStoryReadsToItsEndAndReturnsToSilence()
{
    QFETCH(int, story);
    QFETCH(QRect, button);
    QFETCH(int, tone);
    openContentsPage();
    if (QTest::currentTestFailed())
        return;
    readStory({ story, button, tone }, true);
}

void tst_E2e::choosingAStoryAgainStartsItAfresh()
{
    QVERIFY2(m_firstRecordShots.contains(2), "the story was never opened");
    openContentsPage();
    if (QTest::currentTestFailed())
        return;
    // readStory compares the first page with the one seen the first time.
    readStory({ 2, sorindaButton, 659 }, true);
}

// Each story starts from the contents page. After a failure the reader may be
// elsewhere; a fresh one then stands in, so that one fault is reported once.
void tst_E2e::openContentsPage()
{
    const QImage contents = menuPage(contentsBase, ":/page/pict/page/content.png");
    if (m_reader.state() == QProcess::Running && shows(shot(), contents, contentsIgnored))
        return;
    QVERIFY2(launch(QStringLiteral(PICTUREBOOK_EXECUTABLE), m_workDir), "the reader's window did not appear");
    const QImage title = menuPage(titleBase, ":/page/pict/page/title.png");
    QVERIFY(shows(waitForScreen([&](const QImage &s) { return shows(s, title, titleIgnored); }), title,
                  titleIgnored));
    QVERIFY(click(startButton.center()));
    const Difference diff = compare(
        waitForScreen([&](const QImage &s) { return shows(s, contents, contentsIgnored); }),
        contents, contentsIgnored);
    QVERIFY2(diff.pixels == 0, describe(diff));
}

void tst_E2e::readStory(const Story &story, bool storyHasMusic)
{
    const std::unique_ptr<Tovane> table = makeStory(story.number);
    const int count = table->count;
    QVERIFY(count > 1);
    QList<QImage> pages;
    for (int i = 0; i < count; ++i)
        pages.append(readingPage(table->records[i]));
    const QImage contents = menuPage(contentsBase, ":/page/pict/page/content.png");

    const QImage before = shot();
    QVERIFY(click(story.button.center()));
    QImage screen = waitForScreen([&](const QImage &s) { return shows(s, pages[0], readingIgnored); });
    Difference diff = compare(screen, pages[0], readingIgnored);
    QVERIFY2(diff.pixels == 0, "first record: " + describe(diff));
    QVERIFY(!sameArea(screen, before, QRect(0, 0, 800, 600)));

    if (storyHasMusic) {
        QVERIFY2(waitForTone(story.tone),
                 qPrintable(QStringLiteral("heard %1").arg(m_sound.recentHistory(tones, 2000))));
    } else {
        QVERIFY2(m_sound.staysSilent(1000),
                 qPrintable(QStringLiteral("heard %1").arg(m_sound.recentHistory(tones, 2000))));
    }

    const auto firstSeen = m_firstRecordShots.constFind(story.number);
    if (firstSeen == m_firstRecordShots.cend())
        m_firstRecordShots.insert(story.number, screen);
    else
        QVERIFY2(*firstSeen == screen, "a story chosen again does not show its first page as before");

    for (int i = 0; i < count; ++i) {
        const ScenarioRecord &record = table->records[i];
        const bool hasText = !displayText(record.text).trimmed().isEmpty();
        QVERIFY2((textPixels(screen) > 0) == hasText,
                 qPrintable(QStringLiteral("record %1: %2 text pixels").arg(i).arg(textPixels(screen))));

        if (!m_readingShotSaved && story.number == 1 && record.wolfFace > 0 && record.brideFace > 0
            && (record.speaker == 2 || record.speaker == 3) && hasText) {
            saveScreenshot(screen, QStringLiteral("reading"));
            m_readingShotSaved = true;
        }

        if (i == count - 1) {
            // Still playing on the last page, so the silence below comes from the click.
            if (storyHasMusic) {
                QVERIFY2(waitForTone(story.tone, 3000),
                         qPrintable(QStringLiteral("heard %1").arg(m_sound.recentHistory(tones, 2000))));
            }
            break;
        }

        const QImage previous = screen;
        const ScenarioRecord &next = table->records[i + 1];
        const bool pictureChanges = pages[i] != pages[i + 1];
        const bool textChanges = displayText(record.text) != displayText(next.text);
        QVERIFY2(pictureChanges || textChanges || record.speaker != next.speaker,
                 qPrintable(QStringLiteral("records %1 and %2 look alike").arg(i).arg(i + 1)));
        QVERIFY(click(nextButton.center()));
        screen = waitForScreen([&](const QImage &s) {
            return shows(s, pages[i + 1], readingIgnored)
                && (!textChanges || !sameArea(s, previous, textArea))
                && (pictureChanges || textChanges || !sameArea(s, previous, nameBox));
        });
        diff = compare(screen, pages[i + 1], readingIgnored);
        QVERIFY2(diff.pixels == 0, qPrintable(QStringLiteral("record %1: ").arg(i + 1) + QString::fromUtf8(describe(diff))));
        QVERIFY2(!textChanges || !sameArea(screen, previous, textArea),
                 qPrintable(QStringLiteral("record %1: the text did not change").arg(i + 1)));
    }

    // The click on the last page ends the story.
    QVERIFY(click(nextButton.center()));
    screen = waitForScreen([&](const QImage &s) { return shows(s, contents, contentsIgnored); });
    diff = compare(screen, contents, contentsIgnored);
    QVERIFY2(diff.pixels == 0, "contents page after the story: " + describe(diff));
    // A stream stopped right after the machine was too busy to feed it can
    // let out a last buffer; what counts is that silence comes and stays.
    QVERIFY2(waitForSilence(800, 4000),
             qPrintable(QStringLiteral("heard %1").arg(m_sound.recentHistory(tones, 3000))));
}

void tst_E2e::unplayableMusicIsSilentAndTheRestWorks_data()
{
    QTest::addColumn<QString>("content");

    QTest::newRow("no music folder") << QString();
    QTest::newRow("empty files") << QStringLiteral("empty");
    QTest::newRow("files cut inside the header") << QStringLiteral("truncated");
    QTest::newRow("files that are not WAV") << QStringLiteral("foreign");
}

void tst_E2e::unplayableMusicIsSilentAndTheRestWorks()
{
    QFETCH(QString, content);
    QVERIFY(stopReader());

    // A copy of the program, so that no music beside it can stand in.
    const QString dir = m_root.filePath(QStringLiteral("unplayable-") + (content.isEmpty() ? QStringLiteral("none") : content));
    QVERIFY(QDir().mkpath(dir));
    const QString program = dir + QStringLiteral("/picturebook");
    QVERIFY(QFile::copy(QStringLiteral(PICTUREBOOK_EXECUTABLE), program));

    if (!content.isEmpty()) {
        QVERIFY(writeMusicFolder(dir, 2.0));
        for (const char *name : { "0.wav", "1.wav", "2.wav", "title.wav", "cm1_003.wav" }) {
            QFile file(dir + QStringLiteral("/music/") + QLatin1String(name));
            QVERIFY(file.open(QIODevice::ReadWrite));
            if (content == QLatin1String("empty")) {
                QVERIFY(file.resize(0));
            } else if (content == QLatin1String("truncated")) {
                QVERIFY(file.resize(30));
            } else {
                QVERIFY(file.resize(0));
                QVERIFY(file.write(QByteArray("These are not the tunes you are looking for.\n").repeated(200)) > 0);
            }
        }
    }

    QVERIFY2(launch(program, dir), "the reader's window did not appear");
    const QImage title = menuPage(titleBase, ":/page/pict/page/title.png");
    QImage screen = waitForScreen([&](const QImage &s) { return shows(s, title, titleIgnored); });
    Difference diff = compare(screen, title, titleIgnored);
    QVERIFY2(diff.pixels == 0, describe(diff));
    QVERIFY2(m_sound.staysSilent(1500),
             qPrintable(QStringLiteral("heard %1").arg(m_sound.recentHistory(tones, 2000))));

    QVERIFY(click(startButton.center()));
    const QImage contents = menuPage(contentsBase, ":/page/pict/page/content.png");
    screen = waitForScreen([&](const QImage &s) { return shows(s, contents, contentsIgnored); });
    diff = compare(screen, contents, contentsIgnored);
    QVERIFY2(diff.pixels == 0, describe(diff));

    // The shortest story, read to its end in silence.
    readStory({ 2, sorindaButton, 659 }, false);
    QVERIFY(m_reader.state() == QProcess::Running);
    QVERIFY(stopReader());
}

void tst_E2e::installedProgramPlaysItsOwnMusicFromAnyFolder()
{
    QVERIFY(stopReader());
    const QString prefix = m_root.filePath(QStringLiteral("prefix"));
    bool ok = false;
    const QByteArray log = ChildProcess::run(
        QStringLiteral(CMAKE_COMMAND),
        { QStringLiteral("--install"), QStringLiteral(PICTUREBOOK_BUILD_DIR), QStringLiteral("--prefix"), prefix },
        QProcessEnvironment::systemEnvironment(), &ok, 60000);
    QVERIFY2(ok, log);
    for (const char *file : { "bin/picturebook", "share/picturebook/music/title.wav",
                              "share/picturebook/music/0.wav", "share/picturebook/music/1.wav",
                              "share/picturebook/music/2.wav",
                              "share/applications/org.example.picturebook.desktop",
                              "share/metainfo/org.example.picturebook.metainfo.xml",
                              "share/icons/hicolor/48x48/apps/picturebook.png" })
        QVERIFY2(QFileInfo::exists(prefix + QLatin1Char('/') + QLatin1String(file)), file);

    // Started from a folder without music, as a desktop launcher would.
    const QString elsewhere = m_root.filePath(QStringLiteral("elsewhere"));
    QVERIFY(QDir().mkpath(elsewhere));
    QVERIFY2(launch(prefix + QStringLiteral("/bin/picturebook"), elsewhere), "the reader's window did not appear");
    const QImage title = menuPage(titleBase, ":/page/pict/page/title.png");
    const QImage screen = waitForScreen([&](const QImage &s) { return shows(s, title, titleIgnored); });
    const Difference diff = compare(screen, title, titleIgnored);
    QVERIFY2(diff.pixels == 0, describe(diff));
    // The real title tune, not a test tone: anything but silence is right.
    QVERIFY2(!m_sound.staysSilent(2000), "the installed program is silent");
    QVERIFY(stopReader());
}

QTEST_MAIN(tst_E2e)
#include "tst_e2e.moc"

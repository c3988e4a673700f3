// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "app/fontsetup.h"
#include "app/mainwindow.h"
#include "app/soundplayer.h"
#include "novel/formnovel.h"
#include "pages/formcontents.h"
#include "pages/formtitle.h"
#include "scenario/cp932.h"
#include "scenario/speakernames.h"
#include "scenario/tovane.h"
#include "testwav.h"

#include <QFontDatabase>
#include <QLabel>
#include <QPushButton>
#include <QStringEncoder>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using Visibility = QList<bool>; // title, contents, novel

// Notes which record the reading page is on each time it is painted.
class PaintLog : public QObject
{
public:
    explicit PaintLog(FormNovel *page) { page->installEventFilter(this); }

    QList<int> records;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            records << static_cast<FormNovel *>(watched)->currentRecordIndex();
        return false;
    }
};

// The reader as a user meets it: the window, its three pages and its music.
struct Reader
{
    MainWindow window;
    FormTitle *title = window.findChild<FormTitle *>();
    FormContents *contents = window.findChild<FormContents *>();
    FormNovel *novel = window.findChild<FormNovel *>();
    SoundPlayer *sound = title->sound;

    // As a user finds it: the window on the screen, its title music playing.
    bool show()
    {
        window.show();
        window.activateWindow();
        return QTest::qWaitForWindowActive(&window)
            && QTest::qWaitFor([this] { return sound->isPlaying(); }, 300);
    }

    Visibility visibility() const
    {
        return { title->isVisibleTo(&window), contents->isVisibleTo(&window),
                 novel->isVisibleTo(&window) };
    }

    QPushButton *button(const char *name) const { return window.findChild<QPushButton *>(name); }
    void click(const char *name) const { QTest::mouseClick(button(name), Qt::LeftButton); }
    QString music(const QString &file) const { return QDir::current().filePath("music/" + file); }

    // A key as the window gets it, whichever widget has the focus.
    void key(Qt::Key key) const { QTest::keyClick(QApplication::focusWidget(), key); }
    // Notches of the wheel over the page's picture, away from the reader for
    // positive ones.
    void wheel(int notches) const
    {
        const QPointF at = novel->rect().center();
        QWheelEvent event(at, novel->mapToGlobal(at), QPoint(),
                          QPoint(0, notches * QWheelEvent::DefaultDeltasPerStep), Qt::NoButton,
                          Qt::NoModifier, Qt::NoScrollPhase, false);
        QApplication::sendEvent(novel, &event);
    }
    // What the reading page shows of a line: the page, its name and its words.
    QString lineOnShow() const
    {
        return novel->findChild<QLabel *>("LB_Name")->text() + u'|' + novel->accessibleName();
    }
};

// The rows of one story in the table its script is held to: index,
// background, speaker, bride's face, wolf's face, speech or narration,
// characters, bytes and line feeds of each record.
QList<QStringList> tableRows(const QString &story)
{
    QFile file(QFINDTESTDATA("../scenario/storytable.tsv"));
    QList<QStringList> rows;
    for (const QString &line : file.open(QIODevice::ReadOnly)
             ? QString::fromUtf8(file.readAll()).split(u'\n')
             : QStringList()) {
        if (line.startsWith(story + u'\t'))
            rows << line.split(u'\t').mid(1);
    }
    return rows;
}

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void startsOnTheTitlePageWithItsMusicInAFixedWindow();
    void titleMusicWaitsForTheWindowButNotForever_data();
    void titleMusicWaitsForTheWindowButNotForever();
    void onlyThePageOnTheScreenHoldsItsPicture();
    void pageRequestsLeaveTheMusicAlone_data();
    void pageRequestsLeaveTheMusicAlone();
    void everyStoryIsReadToItsEndAndOpensAgainAtItsStart_data();
    void everyStoryIsReadToItsEndAndOpensAgainAtItsStart();
    void everyFontThePagesAskForShowsJapanese();
    void steppingBackShowsEachLineAsItWasFirstShown_data();
    void steppingBackShowsEachLineAsItWasFirstShown();
    void keysAndTheWheelStepLeaveAndSilence_data();
    void keysAndTheWheelStepLeaveAndSilence();

private:
    QTemporaryDir m_workDir;
    QString m_bundledFamily;
};

void tst_MainWindow::initTestCase()
{
    QVERIFY(m_workDir.isValid());
    QVERIFY(writeMusicFolder(m_workDir.path()));
    QVERIFY(QDir::setCurrent(m_workDir.path()));
    m_bundledFamily = FontSetup::install();
    QVERIFY2(QStringEncoder("CP932").isValid(), "this Qt has no CP932 converter");
}

void tst_MainWindow::startsOnTheTitlePageWithItsMusicInAFixedWindow()
{
    Reader r;
    // The title music waits for the title page to be on the screen.
    QVERIFY(!r.sound->isPlaying());
    QVERIFY(r.show());
    QCOMPARE(r.sound->source(), r.music("title.wav"));
    QCOMPARE(r.window.windowTitle(), QStringLiteral("MainWindow"));
    QCOMPARE(r.visibility(), Visibility({ true, false, false }));

    // The window's bars lie hidden under the page: what lies at the top
    // edge, the middle and the bottom edge all belongs to the title page.
    for (const QPoint &p : { QPoint(400, 5), QPoint(5, 30), QPoint(400, 300), QPoint(795, 595) }) {
        QWidget *hit = r.window.childAt(p);
        QVERIFY2(hit && (hit == r.title || r.title->isAncestorOf(hit)),
                 qPrintable(QStringLiteral("at %1,%2").arg(p.x()).arg(p.y())));
    }
    // Its one button to be seen is the way in.
    QList<QPushButton *> shown;
    for (QPushButton *button : r.title->findChildren<QPushButton *>()) {
        if (button->isVisible())
            shown << button;
    }
    QCOMPARE(shown, QList<QPushButton *>({ r.button("PB_Start") }));

    for (const QSize &size :
         { QSize(800, 600), QSize(1024, 768), QSize(1000, 600), QSize(320, 200) }) {
        r.window.resize(size);
        QCOMPARE(r.window.size(), QSize(800, 600));
    }
}

// Connecting to the sound server does not hold back the first page: the
// title music starts once the window is painted, or a moment later without a
// paint, and never over music a page has chosen meanwhile.
void tst_MainWindow::titleMusicWaitsForTheWindowButNotForever_data()
{
    QTest::addColumn<bool>("shown");
    QTest::addColumn<QByteArray>("storySlot");
    QTest::addColumn<QString>("heard");

    QTest::newRow("shown") << true << QByteArray() << "title.wav";
    QTest::newRow("never shown") << false << QByteArray() << "title.wav";
    QTest::newRow("story chosen first, shown")
        << true << QByteArray("on_PB_Novel_clicked") << "0.wav";
    QTest::newRow("story chosen first, never shown")
        << false << QByteArray("on_PB_Sorinda_clicked") << "2.wav";
}

void tst_MainWindow::titleMusicWaitsForTheWindowButNotForever()
{
    QFETCH(bool, shown);
    QFETCH(QByteArray, storySlot);
    QFETCH(QString, heard);

    Reader r;
    QVERIFY(!r.sound->isPlaying());
    if (!storySlot.isEmpty())
        QVERIFY(QMetaObject::invokeMethod(r.contents, storySlot.constData()));
    // Shown, the page's paint starts it at once; never shown, it starts
    // within the second.
    if (shown)
        QVERIFY(r.show());
    QTRY_VERIFY_WITH_TIMEOUT(r.sound->isPlaying(), 1200);
    QCOMPARE(r.sound->source(), r.music(heard));
    // Nothing comes after it.
    QVERIFY(!QTest::qWaitFor([&] { return r.sound->source() != r.music(heard); }, 400));
}

void tst_MainWindow::onlyThePageOnTheScreenHoldsItsPicture()
{
    Reader r;
    const auto holds = [](QWidget *page, const char *label) {
        return !page->findChild<QLabel *>(label)->pixmap().isNull();
    };
    const auto held = [&r, &holds] {
        return QList<bool> { holds(r.title, "label_2"), holds(r.contents, "label"),
                             holds(r.novel, "label") };
    };
    QCOMPARE(held(), QList<bool>({ false, false, false }));
    QVERIFY(r.show());
    QCOMPARE(held(), QList<bool>({ true, false, false }));
    // The label's picture is its own: one shared with Qt's pixmap cache
    // would stay in memory after the page is left.
    QVERIFY(r.title->findChild<QLabel *>("label_2")->pixmap().cacheKey()
            != QPixmap(QString::fromLatin1(":/page/pict/page/title.png")).cacheKey());
    r.click("PB_Start");
    QCOMPARE(held(), QList<bool>({ false, true, false }));
    const QImage contents = r.contents->findChild<QLabel *>("label")->pixmap().toImage();
    QCOMPARE(contents, QImage(":/page/pict/page/content.png").convertToFormat(contents.format()));
    // The reading page paints its own pictures, each only while it draws it.
    r.click("PB_Novel");
    QCOMPARE(held(), QList<bool>({ false, false, false }));
}

void tst_MainWindow::pageRequestsLeaveTheMusicAlone_data()
{
    QTest::addColumn<QList<int>>("requests");
    QTest::addColumn<Visibility>("expected");

    QTest::newRow("title again") << QList<int> { 1, 0 } << Visibility { true, false, false };
    QTest::newRow("novel twice") << QList<int> { 1, 2, 2 } << Visibility { false, false, true };
    QTest::newRow("back from the novel")
        << QList<int> { 1, 2, 1 } << Visibility { false, true, false };
    QTest::newRow("title from the novel")
        << QList<int> { 2, 0 } << Visibility { true, false, false };
    QTest::newRow("contents; 3 and -1 ignored")
        << QList<int> { 1, 3, -1 } << Visibility { false, true, false };
}

void tst_MainWindow::pageRequestsLeaveTheMusicAlone()
{
    QFETCH(QList<int>, requests);
    QFETCH(Visibility, expected);

    Reader r;
    QVERIFY(r.show());
    for (int page : requests)
        QVERIFY(QMetaObject::invokeMethod(&r.window, "SlotsChangePage", Q_ARG(int, page)));
    QCOMPARE(r.visibility(), expected);
    QCOMPARE(r.sound->source(), r.music("title.wav"));
    QVERIFY(r.sound->isPlaying());
}

void tst_MainWindow::everyStoryIsReadToItsEndAndOpensAgainAtItsStart_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<QString>("story");
    QTest::addColumn<QString>("track");
    QTest::addColumn<QByteArray>("reopen");
    QTest::addColumn<QString>("reopenTrack");

    QTest::newRow("top") << QByteArray("PB_Ruvello") << "ruvello"
                         << "1.wav" << QByteArray("PB_Sorinda") << "2.wav";
    QTest::newRow("middle") << QByteArray("PB_Novel") << "tovane"
                            << "0.wav" << QByteArray("PB_Ruvello") << "1.wav";
    QTest::newRow("bottom, twice") << QByteArray("PB_Sorinda") << "sorinda"
                                   << "2.wav" << QByteArray("PB_Sorinda") << "2.wav";
}

// Every record of the story is read as its table has it, painted inside the
// click that brings it, and named for a screen reader with its speaker, who
// is also in the name box: the bride, the wolf, nobody for narration, and the
// last one named for a line that names nobody.
void tst_MainWindow::everyStoryIsReadToItsEndAndOpensAgainAtItsStart()
{
    QFETCH(QByteArray, button);
    QFETCH(QString, story);
    QFETCH(QString, track);
    QFETCH(QByteArray, reopen);
    QFETCH(QString, reopenTrack);

    Reader r;
    QVERIFY(r.show());
    r.click("PB_Start");
    QCOMPARE(r.visibility(), Visibility({ false, true, false }));
    QVERIFY(r.sound->isPlaying());
    // Each caption names a story and its author.
    QVERIFY2(r.button(button)->text().contains(" by "), qPrintable(r.button(button)->text()));

    r.click(button);
    QCOMPARE(r.visibility(), Visibility({ false, false, true }));
    QCOMPARE(r.sound->source(), r.music(track));
    QVERIFY(r.sound->isPlaying());
    const QList<QStringList> rows = tableRows(story);
    const int count = int(rows.size());
    QCOMPARE(r.novel->currentScenario()->count, count);
    QPushButton *next = r.button("PB_Page");
    // Opening a story gives Next the focus, so the space bar works from the
    // first line on; a click keeps it there.
    QVERIFY(next->hasFocus());
    const QLabel *nameBox = r.novel->findChild<QLabel *>("LB_Name");
    // Two speakers, each with a name of two characters.
    const QString bride = fromCp932(brideName), wolf = fromCp932(wolfName);
    QVERIFY(bride.size() == 2 && wolf.size() == 2 && bride != wolf);
    QString name;
    PaintLog log(r.novel);
    for (int i = 0; i < count; ++i) {
        const ScenarioRecord &record = r.novel->currentScenario()->records[i];
        const QString line = displayText(record.text);
        QStringList seen { QString::number(i) };
        for (int field : { record.background, record.speaker, record.brideFace, record.wolfFace })
            seen << QString::number(field);
        seen << (line.startsWith(u'「') || line.startsWith(u'『') ? "speech" : "narration");
        for (qsizetype size : { line.size(), record.text.size(), record.text.count(u'\n') })
            seen << QString::number(size);
        QCOMPARE(seen.join(u'\t'), rows[i].join(u'\t'));
        // The stored bytes are CP932 and come back as such.
        QCOMPARE(QStringEncoder("CP932").encode(line), record.text.toLatin1());
        const int speaker = record.speaker;
        name = speaker == 1 ? QString() : speaker == 2 ? bride : speaker == 3 ? wolf : name;
        QCOMPARE(r.novel->currentRecordIndex(), i);
        QVERIFY2(i == 0 || log.records.contains(i), qPrintable(QString::number(i)));
        QCOMPARE(r.novel->accessibleName(), line);
        QCOMPARE(r.novel->accessibleDescription(), name);
        QCOMPARE(nameBox->text(), name);
        log.records.clear();
        if (i % 2)
            QTest::mouseClick(next, Qt::LeftButton);
        else
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    }
    QCOMPARE(r.visibility(), Visibility({ false, true, false }));
    QVERIFY(!r.sound->isPlaying());
    QCOMPARE(r.sound->source(), r.music(track));
    QApplication::processEvents();
    QVERIFY(!log.records.contains(count));

    // Opening a story again, the same or another, starts it from its first
    // record and its tune from the beginning.
    r.click(reopen);
    QCOMPARE(r.visibility(), Visibility({ false, false, true }));
    QCOMPARE(r.sound->source(), r.music(reopenTrack));
    QVERIFY(r.sound->isPlaying());
    QCOMPARE(r.novel->currentRecordIndex(), 0);
    QTest::mouseClick(next, Qt::LeftButton);
    QCOMPARE(r.novel->accessibleName(), displayText(r.novel->currentScenario()->records[1].text));
}

// The families the forms ask for belong to another platform; whatever the
// system has, each must end in a font that can show Japanese, with the
// bundled font as the last resort.
void tst_MainWindow::everyFontThePagesAskForShowsJapanese()
{
    MainWindow window;
    QSet<QString> families;
    for (const QWidget *widget : window.findChildren<QWidget *>())
        families.insert(widget->font().family());
    families.remove(QApplication::font().family());
    QCOMPARE(families.size(), 3);
    for (const QString &family : std::as_const(families)) {
        const QFontMetrics metrics(QFont(family, 20));
        // hiragana, katakana, a common kanji and the corner brackets of speech
        for (char32_t c : { U'あ', U'オ', U'花', U'「', U'』' })
            QVERIFY2(metrics.inFontUcs4(c), qPrintable(family));
        const QStringList chain = QFont::substitutes(family);
        if (!QFontDatabase::families().contains(family))
            QCOMPARE(chain.value(chain.size() - 1), m_bundledFamily.toLower());
    }
}

void tst_MainWindow::steppingBackShowsEachLineAsItWasFirstShown_data()
{
    QTest::addColumn<QByteArray>("button");
    QTest::addColumn<bool>("wheel");

    // The third story has many lines that name no one and keep the name before.
    QTest::newRow("top story, keys") << QByteArray("PB_Ruvello") << false;
    QTest::newRow("middle story, wheel") << QByteArray("PB_Novel") << true;
    QTest::newRow("bottom story, keys") << QByteArray("PB_Sorinda") << false;
    QTest::newRow("bottom story, wheel") << QByteArray("PB_Sorinda") << true;
}

// Read forward to the last line, then back to the first and forward again:
// each line comes back with the pictures, the name and the words it had the
// first time, while the story's tune plays on; back on the first line stays.
void tst_MainWindow::steppingBackShowsEachLineAsItWasFirstShown()
{
    QFETCH(QByteArray, button);
    QFETCH(bool, wheel);

    Reader r;
    QVERIFY(r.show());
    r.click("PB_Start");
    r.click(button);
    const QString track = r.sound->source();
    const int count = r.novel->currentScenario()->count;
    QList<QString> lines;
    QList<QImage> pages;
    for (int i = 0; i < count; ++i) {
        lines << r.lineOnShow();
        pages << r.novel->grab().toImage();
        if (i < count - 1)
            r.key(Qt::Key_Space);
    }
    const Qt::Key backKeys[] = { Qt::Key_Left, Qt::Key_Backspace, Qt::Key_PageUp };
    const Qt::Key onKeys[] = { Qt::Key_Right, Qt::Key_PageDown, Qt::Key_Return, Qt::Key_Enter };
    for (int i = count - 2, step = 0; i >= -2; --i, ++step) {
        wheel ? r.wheel(1) : r.key(backKeys[step % 3]);
        const int shown = std::max(i, 0);
        QCOMPARE(r.novel->currentRecordIndex(), shown);
        QCOMPARE(r.lineOnShow(), lines[shown]);
        QVERIFY2(r.novel->grab().toImage() == pages[shown], qPrintable(QString::number(shown)));
    }
    for (int i = 1, step = 0; i < count; ++i, ++step) {
        wheel ? r.wheel(-1) : r.key(onKeys[step % 4]);
        QCOMPARE(r.novel->currentRecordIndex(), i);
        QCOMPARE(r.lineOnShow(), lines[i]);
    }
    QCOMPARE(r.visibility(), Visibility({ false, false, true }));
    QCOMPARE(r.sound->source(), track);
    QVERIFY(r.sound->isPlaying());
}

void tst_MainWindow::keysAndTheWheelStepLeaveAndSilence_data()
{
    QTest::addColumn<QString>("inputs");
    QTest::addColumn<int>("record"); // -1: back on the contents page
    QTest::addColumn<QString>("music"); // the file playing, empty for silence

    // Inputs after the title page: a story's button (0 to 2), keys by name,
    // "up"/"down" for a notch of the wheel, "end" for "Next" to the story's end.
    QTest::newRow("back on the first line stays there") << "0 Left PageUp up" << 0 << "1.wav";
    QTest::newRow("Escape from the middle") << "2 Right Right Escape" << -1 << "";
    QTest::newRow("Escape on the first line") << "1 Escape" << -1 << "";
    QTest::newRow("the wheel past the last line") << "2 end down" << -1 << "";
    QTest::newRow("Return past the last line") << "0 end Return" << -1 << "";
    QTest::newRow("another story after Escape") << "0 Right Escape 2" << 0 << "2.wav";
    QTest::newRow("M: the title tune off") << "M" << -1 << "";
    QTest::newRow("M twice: the title tune again") << "M M" << -1 << "title.wav";
    QTest::newRow("a story chosen with the music off") << "M 1 Right" << 1 << "";
    QTest::newRow("music on in a story: its tune") << "M 1 Right M" << 1 << "0.wav";
    QTest::newRow("M in a story, twice") << "2 M Right M" << 1 << "2.wav";
    QTest::newRow("music on after Escape: still silent") << "M 2 Escape M" << -1 << "";
}

void tst_MainWindow::keysAndTheWheelStepLeaveAndSilence()
{
    QFETCH(QString, inputs);
    QFETCH(int, record);
    QFETCH(QString, music);

    Reader r;
    QVERIFY(r.show());
    r.click("PB_Start");
    const QMetaEnum keys = QMetaEnum::fromType<Qt::Key>();
    const char *const stories[] = { "PB_Ruvello", "PB_Novel", "PB_Sorinda" };
    for (const QString &input : inputs.split(u' ')) {
        if (input.size() == 1 && input[0].isDigit()) {
            r.click(stories[input.toInt()]);
        } else if (input == "up" || input == "down") {
            r.wheel(input == "up" ? 1 : -1);
        } else if (input == "end") {
            while (r.novel->currentRecordIndex() < r.novel->currentScenario()->count - 1)
                QTest::mouseClick(r.button("PB_Page"), Qt::LeftButton);
        } else {
            const int key = keys.keyToValue(qPrintable("Key_" + input));
            QVERIFY2(key != -1, qPrintable(input));
            r.key(Qt::Key(key));
        }
    }
    QCOMPARE(r.visibility(), Visibility({ false, record < 0, record >= 0 }));
    if (record >= 0)
        QCOMPARE(r.novel->currentRecordIndex(), record);
    QCOMPARE(r.sound->isPlaying(), !music.isEmpty());
    if (!music.isEmpty())
        QCOMPARE(r.sound->source(), r.music(music));
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"

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

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"

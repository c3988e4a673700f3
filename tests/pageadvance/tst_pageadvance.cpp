#include "app/mainwindow.h"
#include "app/soundplayer.h"
#include "novel/formnovel.h"
#include "pages/formcontents.h"
#include "pages/formtitle.h"
#include "scenario/cp932.h"
#include "scenario/tovane.h"

#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <memory>

namespace {

// Notes which record the page is on each time it is painted.
class PaintLog : public QObject
{
public:
    explicit PaintLog(FormNovel *page)
        : m_page(page)
    {
        page->installEventFilter(this);
    }

    QList<int> records;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_page && event->type() == QEvent::Paint)
            records << m_page->currentRecordIndex();
        return QObject::eventFilter(watched, event);
    }

private:
    FormNovel *m_page;
};

struct Reader
{
    MainWindow window;
    FormTitle *title = nullptr;
    FormContents *contents = nullptr;
    FormNovel *novel = nullptr;
    QPushButton *next = nullptr;

    Reader()
    {
        title = window.findChild<FormTitle *>();
        contents = window.findChild<FormContents *>();
        novel = window.findChild<FormNovel *>();
        next = novel->findChild<QPushButton *>(QStringLiteral("PB_Page"));
    }

    QLabel *sentence() const { return novel->findChild<QLabel *>(QStringLiteral("LB_Sent")); }

    void click(QWidget *owner, const char *button)
    {
        QTest::mouseClick(owner->findChild<QPushButton *>(QLatin1String(button)), Qt::LeftButton);
    }
};

} // namespace

class tst_PageAdvance : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void everyClickShowsAndPaintsTheNextRecord_data();
    void everyClickShowsAndPaintsTheNextRecord();
    void spaceBarAdvancesOnceTheButtonHasTheFocus();
    void reopeningAStoryStartsAtItsFirstRecord_data();
    void reopeningAStoryStartsAtItsFirstRecord();

private:
    std::unique_ptr<Reader> reader;
};

void tst_PageAdvance::init()
{
    reader = std::make_unique<Reader>();
    QVERIFY(reader->title && reader->contents && reader->novel && reader->next);
    reader->window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&reader->window));
    reader->click(reader->title, "PB_Start");
    QVERIFY(reader->contents->isVisible());
}

void tst_PageAdvance::everyClickShowsAndPaintsTheNextRecord_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("count");
    QTest::addColumn<QString>("track");

    QTest::newRow("story 0") << QStringLiteral("PB_Ruvello") << 51 << QStringLiteral("music/1.wav");
    QTest::newRow("story 1") << QStringLiteral("PB_Novel") << 51 << QStringLiteral("music/0.wav");
    QTest::newRow("story 2") << QStringLiteral("PB_Sorinda") << 40 << QStringLiteral("music/2.wav");
}

void tst_PageAdvance::everyClickShowsAndPaintsTheNextRecord()
{
    QFETCH(QString, button);
    QFETCH(int, count);
    QFETCH(QString, track);

    Reader &r = *reader;
    r.click(r.contents, button.toLatin1().constData());
    QVERIFY(r.novel->isVisible());
    QVERIFY(!r.contents->isVisible());
    QCOMPARE(r.novel->currentRecordIndex(), 0);
    QCOMPARE(r.novel->currentScenario()->count, count);
    QVERIFY(r.novel->sound->source().endsWith(track));

    PaintLog log(r.novel);
    for (int i = 1; i < count; ++i) {
        log.records.clear();
        QTest::mouseClick(r.next, Qt::LeftButton);
        QCOMPARE(r.novel->currentRecordIndex(), i);
        QCOMPARE(r.sentence()->text(), displayText(r.novel->currentScenario()->records[i].text));
        // Painted inside the click, not left to a later update.
        QVERIFY2(log.records.contains(i), qPrintable(QString::number(i)));
        QVERIFY(r.novel->isVisible());
    }

    log.records.clear();
    QTest::mouseClick(r.next, Qt::LeftButton);
    QCOMPARE(r.novel->currentRecordIndex(), count);
    QVERIFY(!r.novel->isVisible());
    QVERIFY(r.contents->isVisible());
    QVERIFY(!r.title->isVisible());
    QApplication::processEvents();
    QVERIFY(!log.records.contains(count));
    // Stopping keeps the story's tune loaded but silent; without an audio
    // device isPlaying() is false throughout, so the check is weaker there.
    QVERIFY(!r.novel->sound->isPlaying());
    QVERIFY(r.novel->sound->source().endsWith(track));
}

void tst_PageAdvance::spaceBarAdvancesOnceTheButtonHasTheFocus()
{
    Reader &r = *reader;
    r.window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&r.window));
    r.click(r.contents, "PB_Novel");
    QVERIFY(!r.next->hasFocus());

    QTest::mouseClick(r.next, Qt::LeftButton);
    QCOMPARE(r.novel->currentRecordIndex(), 1);
    QVERIFY(r.next->hasFocus());

    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(r.novel->currentRecordIndex(), 2);
    QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
    QCOMPARE(r.novel->currentRecordIndex(), 3);
    QCOMPARE(r.sentence()->text(), displayText(r.novel->currentScenario()->records[3].text));
}

void tst_PageAdvance::reopeningAStoryStartsAtItsFirstRecord_data()
{
    QTest::addColumn<QString>("first");
    QTest::addColumn<QString>("second");
    QTest::newRow("same story") << QStringLiteral("PB_Sorinda") << QStringLiteral("PB_Sorinda");
    QTest::newRow("another story") << QStringLiteral("PB_Sorinda") << QStringLiteral("PB_Ruvello");
}

void tst_PageAdvance::reopeningAStoryStartsAtItsFirstRecord()
{
    QFETCH(QString, first);
    QFETCH(QString, second);

    Reader &r = *reader;
    r.click(r.contents, first.toLatin1().constData());
    const int count = r.novel->currentScenario()->count;
    for (int i = 0; i < count; ++i)
        QTest::mouseClick(r.next, Qt::LeftButton);
    QVERIFY(r.contents->isVisible());
    QCOMPARE(r.novel->currentRecordIndex(), count);

    r.click(r.contents, second.toLatin1().constData());
    QVERIFY(r.novel->isVisible());
    QCOMPARE(r.novel->currentRecordIndex(), 0);
    QTest::mouseClick(r.next, Qt::LeftButton);
    QCOMPARE(r.novel->currentRecordIndex(), 1);
    QCOMPARE(r.sentence()->text(), displayText(r.novel->currentScenario()->records[1].text));
}

QTEST_MAIN(tst_PageAdvance)
#include "tst_pageadvance.moc"

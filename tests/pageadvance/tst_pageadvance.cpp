// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

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

struct Reader
{
    MainWindow window;
    FormTitle *title = window.findChild<FormTitle *>();
    FormContents *contents = window.findChild<FormContents *>();
    FormNovel *novel = window.findChild<FormNovel *>();
    QPushButton *next = novel->findChild<QPushButton *>(QStringLiteral("PB_Page"));

    QLabel *sentence() const { return novel->findChild<QLabel *>(QStringLiteral("LB_Sent")); }

    void click(QWidget *owner, const QString &button)
    {
        QTest::mouseClick(owner->findChild<QPushButton *>(button), Qt::LeftButton);
    }
};

} // namespace

class tst_PageAdvance : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void everyClickOrSpaceShowsAndPaintsTheNextRecordUntilTheEnd_data();
    void everyClickOrSpaceShowsAndPaintsTheNextRecordUntilTheEnd();

private:
    std::unique_ptr<Reader> reader;
};

void tst_PageAdvance::init()
{
    reader = std::make_unique<Reader>();
    QVERIFY(reader->title && reader->contents && reader->novel && reader->next);
    reader->window.show();
    reader->window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&reader->window));
    reader->click(reader->title, QStringLiteral("PB_Start"));
    QVERIFY(reader->contents->isVisible());
}

void tst_PageAdvance::everyClickOrSpaceShowsAndPaintsTheNextRecordUntilTheEnd_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("count");
    QTest::addColumn<int>("track");
    QTest::addColumn<QString>("reopen");

    QTest::newRow("story 0") << "PB_Ruvello" << 51 << 1 << "PB_Sorinda";
    QTest::newRow("story 1") << "PB_Novel" << 51 << 0 << "PB_Ruvello";
    QTest::newRow("story 2, reopened") << "PB_Sorinda" << 40 << 2 << "PB_Sorinda";
}

void tst_PageAdvance::everyClickOrSpaceShowsAndPaintsTheNextRecordUntilTheEnd()
{
    QFETCH(QString, button);
    QFETCH(int, count);
    QFETCH(int, track);
    QFETCH(QString, reopen);
    const QString trackFile = QStringLiteral("music/%1.wav").arg(track);

    Reader &r = *reader;
    r.click(r.contents, button);
    QVERIFY(r.novel->isVisible());
    QVERIFY(!r.contents->isVisible());
    QCOMPARE(r.novel->currentRecordIndex(), 0);
    QCOMPARE(r.novel->currentScenario()->count, count);
    QVERIFY(r.novel->sound->source().endsWith(trackFile));

    PaintLog log(r.novel);
    // Opening a story gives Next the focus, so the space bar works from the
    // first line; a click keeps it there.
    QVERIFY(r.next->hasFocus());
    for (int i = 1; i < count; ++i) {
        log.records.clear();
        if (i % 2 == 0) {
            QTest::mouseClick(r.next, Qt::LeftButton);
            QVERIFY(r.next->hasFocus());
        } else {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Space);
        }
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
    QVERIFY(r.novel->sound->source().endsWith(trackFile));

    // Opening a story again, the same or another, starts at its first record.
    r.click(r.contents, reopen);
    QVERIFY(r.novel->isVisible());
    QCOMPARE(r.novel->currentRecordIndex(), 0);
    QTest::mouseClick(r.next, Qt::LeftButton);
    QCOMPARE(r.novel->currentRecordIndex(), 1);
    QCOMPARE(r.sentence()->text(), displayText(r.novel->currentScenario()->records[1].text));
}

QTEST_MAIN(tst_PageAdvance)
#include "tst_pageadvance.moc"

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "novel/formnovel.h"
#include "scenario/cp932.h"
#include "scenario/ruvello.h"
#include "scenario/sorinda.h"
#include "scenario/speakernames.h"
#include "scenario/tovane.h"

#include <QAccessible>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <typeinfo>

namespace {

QString nameFor(int speaker)
{
    return speaker == 2 ? fromCp932(brideName) : speaker == 3 ? fromCp932(wolfName) : QString();
}

QString shownName(const FormNovel &page)
{
    return page.findChild<QLabel *>(QStringLiteral("LB_Name"))->text();
}

void clickNext(const FormNovel &page)
{
    QTest::mouseClick(page.findChild<QPushButton *>(QStringLiteral("PB_Page")), Qt::LeftButton);
}

// The page of one record on the black background, as a screen of twice the
// usual density shows it.
QImage paintAtDoubleDensity(int background, const QByteArray &text)
{
    auto table = std::make_unique<Tovane>();
    table->setRecord(0, background, 1, -1, -1, QString::fromLatin1(text));
    FormNovel page;
    page.setScenario(std::move(table));
    QImage image(1600, 1200, QImage::Format_ARGB32);
    image.setDevicePixelRatio(2);
    image.fill(Qt::transparent);
    page.render(&image);
    return image;
}

} // namespace

class tst_Novel : public QObject
{
    Q_OBJECT

private slots:
    void newPageShowsTheFirstRecordWithOnlyTheNameBoxAndNext();
    void selectStoryStartsAtTheFirstRecord_data();
    void selectStoryStartsAtTheFirstRecord();
    void speakerIdSetsTheName_data();
    void speakerIdSetsTheName();
    void pageIsPaintedAtTheScreensDensity();
};

void tst_Novel::newPageShowsTheFirstRecordWithOnlyTheNameBoxAndNext()
{
    FormNovel page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QCOMPARE(page.size(), QSize(800, 600));
    QVERIFY(page.currentScenario() && typeid(*page.currentScenario()) == typeid(Tovane));
    QCOMPARE(page.currentRecordIndex(), 0);
    QCOMPARE(shownName(page), nameFor(page.currentScenario()->records[0].speaker));

    // The page paints the figures and the line itself; of its children only
    // the name box and Next show.
    const QStringList shown { "frame_2", "LB_Name", "PB_Page" };
    for (const char *name :
         { "frame_2", "LB_Name", "PB_Page", "frame", "LB_Sent", "label", "label_2" }) {
        QWidget *child = page.findChild<QWidget *>(QLatin1String(name));
        QVERIFY2(child && child->isVisible() == shown.contains(QLatin1String(name)), name);
    }
    QCOMPARE(page.findChild<QPushButton *>(QStringLiteral("PB_Page"))->text(),
             QStringLiteral("Next"));
}

void tst_Novel::selectStoryStartsAtTheFirstRecord_data()
{
    QTest::addColumn<int>("story");
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<int>("count");

    QTest::newRow("story 0") << 0 << QByteArray(typeid(Ruvello).name()) << 51;
    QTest::newRow("story 1") << 1 << QByteArray(typeid(Tovane).name()) << 51;
    QTest::newRow("story 2") << 2 << QByteArray(typeid(Sorinda).name()) << 40;
    // Not a story: the page goes on with the table it holds.
    QTest::newRow("3") << 3 << QByteArray(typeid(Sorinda).name()) << 40;
    QTest::newRow("-1") << -1 << QByteArray(typeid(Sorinda).name()) << 40;
}

// The line is painted, not a label: the page names it and its speaker for a
// screen reader, from the first line of a story on.
void tst_Novel::selectStoryStartsAtTheFirstRecord()
{
    QFETCH(int, story);
    QFETCH(QByteArray, className);
    QFETCH(int, count);

    FormNovel page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    page.selectStory(2);
    clickNext(page);
    clickNext(page);
    // Start from a name that record 0 must replace.
    page.showSpeaker(3);

    page.selectStory(story);
    const Tovane *table = page.currentScenario();
    QCOMPARE(QByteArray(typeid(*table).name()), className);
    QCOMPARE(table->count, count);
    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&page);
    for (int i = 0; i < 4; ++i) {
        QCOMPARE(page.currentRecordIndex(), i);
        if (table->records[i].speaker > 0)
            QCOMPARE(shownName(page), nameFor(table->records[i].speaker));
        QCOMPARE(accessible->text(QAccessible::Name), displayText(table->records[i].text));
        QCOMPARE(accessible->text(QAccessible::Description), shownName(page));
        clickNext(page);
    }
}

void tst_Novel::speakerIdSetsTheName_data()
{
    QTest::addColumn<int>("before");
    QTest::addColumn<int>("speaker");
    QTest::addColumn<QString>("expected");

    const QString bride = fromCp932(brideName);
    const QString wolf = fromCp932(wolfName);
    QTest::newRow("1 clears the name") << 3 << 1 << QString();
    QTest::newRow("2 names the bride") << 3 << 2 << bride;
    QTest::newRow("3 names the wolf") << 2 << 3 << wolf;
    QTest::newRow("0 keeps the wolf") << 3 << 0 << wolf;
    QTest::newRow("0 keeps the bride") << 2 << 0 << bride;
    QTest::newRow("0 keeps the empty name") << 1 << 0 << QString();
    QTest::newRow("-1 keeps the name") << 2 << -1 << bride;
    QTest::newRow("4 keeps the wolf") << 3 << 4 << wolf;
}

void tst_Novel::speakerIdSetsTheName()
{
    QFETCH(int, before);
    QFETCH(int, speaker);
    QFETCH(QString, expected);

    FormNovel page;
    page.showSpeaker(before);
    page.showSpeaker(speaker);
    QCOMPARE(shownName(page), expected);
}

// The pictures are scaled up whole and the text is drawn at the screen's own
// density, so that it stays sharp.
void tst_Novel::pageIsPaintedAtTheScreensDensity()
{
    const QImage background(QStringLiteral(":/back/pict/tyuuka.png"));
    const QImage page = paintAtDoubleDensity(0, {});
    // Each picture pixel covers a block of four device pixels.
    for (int y = 0; y < 430; y += 7) {
        for (int x = 0; x < 800; x += 7) {
            if (QRect(10, 370, 131, 51).contains(x, y))
                continue; // the name box
            QCOMPARE(page.pixel(2 * x, 2 * y), background.pixel(x, y));
            QCOMPARE(page.pixel(2 * x + 1, 2 * y + 1), background.pixel(x, y));
        }
    }

    // "あいうえお" on the black background: white strokes on a dark box. A
    // page composed at the logical size and scaled up would repeat every
    // pixel over a two-by-two block; strokes drawn at the screen's density
    // change sharply inside such blocks.
    const QImage text = paintAtDoubleDensity(1, "\x82\xa0\x82\xa2\x82\xa4\x82\xa6\x82\xa8");
    int sharpInsideBlocks = 0;
    QRect ink;
    for (int y = 2 * 440; y < 2 * 580; ++y) {
        for (int x = 2 * 20; x < 2 * 400; x += 2) {
            const int left = qGray(text.pixel(x, y)), right = qGray(text.pixel(x + 1, y));
            sharpInsideBlocks += qAbs(left - right) > 150;
            if (qMax(left, right) > 128)
                ink |= QRect(x / 2, y / 2, 1, 1);
        }
    }
    QVERIFY2(sharpInsideBlocks > 20, qPrintable(QString::number(sharpInsideBlocks)));
    // In the 20-point bold face the kana stand about 25 pixels tall.
    QVERIFY2(ink.height() >= 20, qPrintable(QString::number(ink.height())));
}

QTEST_MAIN(tst_Novel)
#include "tst_novel.moc"

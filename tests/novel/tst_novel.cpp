// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "novel/formnovel.h"
#include "scenario/cp932.h"
#include "scenario/ruvello.h"
#include "scenario/sorinda.h"
#include "scenario/speakernames.h"
#include "scenario/tovane.h"

#include <QAccessible>
#include <QFrame>
#include <QLabel>
#include <QPushButton>
#include <QtTest>

#include <typeinfo>

namespace {

QString nameFor(int speaker)
{
    if (speaker == 2)
        return fromCp932(brideName);
    if (speaker == 3)
        return fromCp932(wolfName);
    return QString();
}

// A Tovane table that counts its own destruction, so that the test can see
// when the page lets go of it.
class CountedTable : public Tovane
{
public:
    explicit CountedTable(int *destroyed)
        : m_destroyed(destroyed)
    {
    }
    ~CountedTable() override { ++*m_destroyed; }

private:
    int *m_destroyed;
};

QLabel *nameLabel(FormNovel &page)
{
    return page.findChild<QLabel *>(QStringLiteral("LB_Name"));
}

QLabel *sentenceLabel(FormNovel &page)
{
    return page.findChild<QLabel *>(QStringLiteral("LB_Sent"));
}

void clickNext(FormNovel &page)
{
    QTest::mouseClick(page.findChild<QPushButton *>(QStringLiteral("PB_Page")), Qt::LeftButton);
}

} // namespace

class tst_Novel : public QObject
{
    Q_OBJECT

private slots:
    void newPageShowsTheDefaultStorysFirstRecordWithOnlyTheNameBoxAndNext();
    void selectStoryStartsAtTheFirstRecordOfTheStoryOrOfTheTableItKeeps_data();
    void selectStoryStartsAtTheFirstRecordOfTheStoryOrOfTheTableItKeeps();
    void speakerIdSetsTheName_data();
    void speakerIdSetsTheName();
    void sentenceIsDecodedFromItsBytes();
    void accessibleTextFollowsTheRecord();
};

void tst_Novel::newPageShowsTheDefaultStorysFirstRecordWithOnlyTheNameBoxAndNext()
{
    FormNovel page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QCOMPARE(page.size(), QSize(800, 600));
    QVERIFY(page.currentScenario() && typeid(*page.currentScenario()) == typeid(Tovane));
    QCOMPARE(page.currentRecordIndex(), 0);
    const ScenarioRecord &first = page.currentScenario()->records[0];
    QCOMPARE(nameLabel(page)->text(), nameFor(first.speaker));
    QCOMPARE(sentenceLabel(page)->text(), displayText(first.text));
    QVERIFY(!sentenceLabel(page)->text().isEmpty());

    // The page paints the figures and the line itself; of its children only
    // the name box and Next show.
    const QStringList shown
        = { QStringLiteral("frame_2"), QStringLiteral("LB_Name"), QStringLiteral("PB_Page") };
    for (const char *name :
         { "frame_2", "LB_Name", "PB_Page", "frame", "LB_Sent", "label", "label_2" }) {
        QWidget *child = page.findChild<QWidget *>(QLatin1String(name));
        QVERIFY2(child && child->isVisible() == shown.contains(QLatin1String(name)), name);
    }
    auto *next = page.findChild<QPushButton *>(QStringLiteral("PB_Page"));
    QCOMPARE(next->text(), QStringLiteral("Next"));
    QCOMPARE(next->focusPolicy(), Qt::ClickFocus);

    // White name over the box's translucent black.
    auto *nameBox = page.findChild<QFrame *>(QStringLiteral("frame_2"));
    QCOMPARE(nameBox->palette().color(QPalette::Active, QPalette::Window), QColor(0, 0, 0, 160));
    QCOMPARE(nameLabel(page)->palette().color(QPalette::Active, QPalette::WindowText),
             QColor(Qt::white));
}

void tst_Novel::selectStoryStartsAtTheFirstRecordOfTheStoryOrOfTheTableItKeeps_data()
{
    QTest::addColumn<int>("story");
    QTest::addColumn<QByteArray>("className");
    QTest::addColumn<int>("count");
    QTest::addColumn<bool>("released");

    QTest::newRow("story 0") << 0 << QByteArray(typeid(Ruvello).name()) << 51 << true;
    QTest::newRow("story 1") << 1 << QByteArray(typeid(Tovane).name()) << 51 << true;
    QTest::newRow("story 2") << 2 << QByteArray(typeid(Sorinda).name()) << 40 << true;
    QTest::newRow("3 keeps the table")
        << 3 << QByteArray(typeid(CountedTable).name()) << 51 << false;
    QTest::newRow("-1 keeps the table")
        << -1 << QByteArray(typeid(CountedTable).name()) << 51 << false;
}

void tst_Novel::selectStoryStartsAtTheFirstRecordOfTheStoryOrOfTheTableItKeeps()
{
    QFETCH(int, story);
    QFETCH(QByteArray, className);
    QFETCH(int, count);
    QFETCH(bool, released);

    int destroyed = 0;
    auto page = std::make_unique<FormNovel>();
    page->show();
    QVERIFY(QTest::qWaitForWindowExposed(page.get()));
    page->selectStory(story);
    const int speaker = page->currentScenario()->records[0].speaker;
    // A table of the test's own, read a little way, under the same story number.
    page->setScenario(std::make_unique<CountedTable>(&destroyed));
    clickNext(*page);
    clickNext(*page);
    QCOMPARE(page->currentRecordIndex(), 2);
    // Start from a name that record 0 must replace.
    page->showSpeaker(speaker == 3 ? 2 : 3);
    const QString sentenceBefore = sentenceLabel(*page)->text();

    page->selectStory(story);

    QCOMPARE(destroyed, released ? 1 : 0);
    const Tovane *table = page->currentScenario();
    QCOMPARE(QByteArray(typeid(*table).name()), className);
    QCOMPARE(table->count, count);
    QCOMPARE(page->currentRecordIndex(), 0);
    QCOMPARE(nameLabel(*page)->text(), nameFor(speaker));
    // Only the name follows the new story; the line is painted from the record.
    QCOMPARE(sentenceLabel(*page)->text(), sentenceBefore);
    QVERIFY(sentenceBefore != displayText(table->records[0].text));

    // The page goes on reading the table it holds, and lets go of it when it goes.
    clickNext(*page);
    QCOMPARE(page->currentRecordIndex(), 1);
    QCOMPARE(sentenceLabel(*page)->text(), displayText(table->records[1].text));
    QVERIFY(!page->grab().isNull());
    page.reset();
    QCOMPARE(destroyed, 1);
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
    QTest::newRow("4 keeps the bride") << 2 << 4 << bride;
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
    QCOMPARE(nameLabel(page)->text(), expected);
}

void tst_Novel::sentenceIsDecodedFromItsBytes()
{
    FormNovel page;
    // "あい" and a line feed, stored one byte per character.
    page.setSentence(QString::fromLatin1("\x82\xa0\n\x82\xa2"));
    QCOMPARE(sentenceLabel(page)->text(), QStringLiteral(u"あ\nい"));

    // The two names are two characters each once decoded.
    QCOMPARE(fromCp932(brideName).size(), 2);
    QCOMPARE(fromCp932(wolfName).size(), 2);
}

void tst_Novel::accessibleTextFollowsTheRecord()
{
    FormNovel page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    page.selectStory(0);

    QAccessibleInterface *accessible = QAccessible::queryAccessibleInterface(&page);
    QVERIFY(accessible);
    for (int i = 0; i < 4; ++i) {
        const ScenarioRecord &record = page.currentScenario()->records[i];
        QCOMPARE(accessible->text(QAccessible::Name), displayText(record.text));
        QCOMPARE(accessible->text(QAccessible::Description), nameLabel(page)->text());
        clickNext(page);
    }

    // A newly opened story is described from its first line, not the last one read.
    page.selectStory(2);
    QCOMPARE(accessible->text(QAccessible::Name),
             displayText(page.currentScenario()->records[0].text));
}

QTEST_MAIN(tst_Novel)
#include "tst_novel.moc"

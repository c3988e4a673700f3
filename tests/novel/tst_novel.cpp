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

namespace {

QString storyClass(const Tovane *table)
{
    if (!table)
        return QStringLiteral("none");
    if (dynamic_cast<const Ruvello *>(table))
        return QStringLiteral("Ruvello");
    if (dynamic_cast<const Sorinda *>(table))
        return QStringLiteral("Sorinda");
    return QStringLiteral("Tovane");
}

QString nameFor(int speaker)
{
    switch (speaker) {
    case 2:
        return fromCp932(brideName);
    case 3:
        return fromCp932(wolfName);
    default:
        return QString();
    }
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
    void newPageReadsTheDefaultStoryFromItsFirstRecord();
    void onlyTheNameBoxAndTheButtonAreShown();
    void childrenStackInFormOrder();
    void selectStoryBuildsTheChosenStoryAtItsFirstRecord_data();
    void selectStoryBuildsTheChosenStoryAtItsFirstRecord();
    void selectStoryReleasesThePreviousTable_data();
    void selectStoryReleasesThePreviousTable();
    void unknownStoryNumberKeepsTheCurrentTable_data();
    void unknownStoryNumberKeepsTheCurrentTable();
    void destroyingThePageReleasesItsTable();
    void speakerIdSetsTheName_data();
    void speakerIdSetsTheName();
    void sentenceIsDecodedFromItsBytes();
    void accessibleTextFollowsTheRecord();
};

void tst_Novel::newPageReadsTheDefaultStoryFromItsFirstRecord()
{
    FormNovel page;
    QCOMPARE(page.size(), QSize(800, 600));
    QCOMPARE(storyClass(page.currentScenario()), QStringLiteral("Tovane"));
    QCOMPARE(page.currentRecordIndex(), 0);

    const ScenarioRecord &first = page.currentScenario()->records[0];
    QCOMPARE(nameLabel(page)->text(), nameFor(first.speaker));
    QCOMPARE(sentenceLabel(page)->text(), displayText(first.text));
    QVERIFY(!sentenceLabel(page)->text().isEmpty());
}

void tst_Novel::onlyTheNameBoxAndTheButtonAreShown()
{
    QWidget window;
    window.resize(800, 600);
    FormNovel page(&window);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    const QStringList shown = {QStringLiteral("frame_2"), QStringLiteral("LB_Name"),
                               QStringLiteral("PB_Page")};
    const QStringList hidden = {QStringLiteral("frame"), QStringLiteral("LB_Sent"),
                                QStringLiteral("label"), QStringLiteral("label_2")};
    for (const QString &name : shown) {
        QWidget *child = page.findChild<QWidget *>(name);
        QVERIFY2(child && child->isVisible(), qPrintable(name));
    }
    for (const QString &name : hidden) {
        QWidget *child = page.findChild<QWidget *>(name);
        QVERIFY2(child && !child->isVisible(), qPrintable(name));
    }

    auto *next = page.findChild<QPushButton *>(QStringLiteral("PB_Page"));
    QCOMPARE(next->text(), QStringLiteral("Next"));
    QCOMPARE(next->geometry(), QRect(700, 560, 75, 23));
    QCOMPARE(next->focusPolicy(), Qt::ClickFocus);

    // White name over the box's translucent black.
    auto *nameBox = page.findChild<QFrame *>(QStringLiteral("frame_2"));
    QCOMPARE(nameBox->geometry(), QRect(10, 370, 131, 51));
    QCOMPARE(nameBox->palette().color(QPalette::Active, QPalette::Window), QColor(0, 0, 0, 160));
    QCOMPARE(nameLabel(page)->palette().color(QPalette::Active, QPalette::WindowText),
             QColor(Qt::white));
}

void tst_Novel::childrenStackInFormOrder()
{
    FormNovel page;
    QStringList order;
    for (QObject *child : page.children()) {
        if (child->isWidgetType())
            order << child->objectName();
    }
    const QStringList bottomToTop = {QStringLiteral("label"), QStringLiteral("label_2"),
                                     QStringLiteral("frame"), QStringLiteral("frame_2"),
                                     QStringLiteral("PB_Page")};
    QCOMPARE(order, bottomToTop);
}

void tst_Novel::selectStoryBuildsTheChosenStoryAtItsFirstRecord_data()
{
    QTest::addColumn<int>("story");
    QTest::addColumn<QString>("className");
    QTest::addColumn<int>("count");

    QTest::newRow("story 0") << 0 << QStringLiteral("Ruvello") << 51;
    QTest::newRow("story 1") << 1 << QStringLiteral("Tovane") << 51;
    QTest::newRow("story 2") << 2 << QStringLiteral("Sorinda") << 40;
}

void tst_Novel::selectStoryBuildsTheChosenStoryAtItsFirstRecord()
{
    QFETCH(int, story);
    QFETCH(QString, className);
    QFETCH(int, count);

    FormNovel page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    page.selectStory(story);
    const int speaker = page.currentScenario()->records[0].speaker;
    clickNext(page);
    clickNext(page);
    QCOMPARE(page.currentRecordIndex(), 2);
    // Start from a name that record 0 must replace.
    page.showSpeaker(speaker == 3 ? 2 : 3);
    const QString sentenceBefore = sentenceLabel(page)->text();

    page.selectStory(story);

    QCOMPARE(storyClass(page.currentScenario()), className);
    QCOMPARE(page.currentScenario()->count, count);
    QCOMPARE(page.currentRecordIndex(), 0);
    QCOMPARE(nameLabel(page)->text(), nameFor(speaker));
    // Only the name follows the new story; the line is painted from the record.
    QCOMPARE(sentenceLabel(page)->text(), sentenceBefore);
    QVERIFY(sentenceBefore != displayText(page.currentScenario()->records[0].text));
}

void tst_Novel::selectStoryReleasesThePreviousTable_data()
{
    QTest::addColumn<int>("story");
    QTest::newRow("story 0") << 0;
    QTest::newRow("story 1") << 1;
    QTest::newRow("story 2") << 2;
}

void tst_Novel::selectStoryReleasesThePreviousTable()
{
    QFETCH(int, story);

    int destroyed = 0;
    FormNovel page;
    page.setScenario(std::make_unique<CountedTable>(&destroyed));
    QCOMPARE(destroyed, 0);

    page.selectStory(story);
    QCOMPARE(destroyed, 1);
    QVERIFY(!dynamic_cast<const CountedTable *>(page.currentScenario()));

    page.selectStory(story);
    QCOMPARE(destroyed, 1);
}

void tst_Novel::unknownStoryNumberKeepsTheCurrentTable_data()
{
    QTest::addColumn<int>("story");
    QTest::newRow("three") << 3;
    QTest::newRow("minus one") << -1;
    QTest::newRow("large") << 1000;
}

void tst_Novel::unknownStoryNumberKeepsTheCurrentTable()
{
    QFETCH(int, story);

    int destroyed = 0;
    FormNovel page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    page.selectStory(2);
    page.setScenario(std::make_unique<CountedTable>(&destroyed));
    const Tovane *table = page.currentScenario();
    clickNext(page);
    QCOMPARE(page.currentRecordIndex(), 1);

    page.selectStory(story);
    QCOMPARE(destroyed, 0);
    QCOMPARE(page.currentScenario(), table);
    QCOMPARE(page.currentRecordIndex(), 0);
    QCOMPARE(nameLabel(page)->text(), nameFor(table->records[0].speaker));

    // The page goes on reading the table it kept.
    clickNext(page);
    QCOMPARE(page.currentRecordIndex(), 1);
    QCOMPARE(sentenceLabel(page)->text(), displayText(table->records[1].text));
    QVERIFY(!page.grab().isNull());
}

void tst_Novel::destroyingThePageReleasesItsTable()
{
    int destroyed = 0;
    auto page = std::make_unique<FormNovel>();
    page->setScenario(std::make_unique<CountedTable>(&destroyed));
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
    QTest::newRow("4 keeps the name") << 3 << 4 << wolf;
    QTest::newRow("large keeps the name") << 2 << 1000 << bride;
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

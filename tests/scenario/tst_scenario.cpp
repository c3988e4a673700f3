// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "scenario/cp932.h"
#include "scenario/ruvello.h"
#include "scenario/sorinda.h"
#include "scenario/speakernames.h"
#include "scenario/tovane.h"

#include <QFile>
#include <QSet>
#include <QStringEncoder>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

// One row of storytable.tsv: what the reader's layout expects of a record.
struct Row
{
    QString story;
    int index = 0;
    int background = 0;
    int speaker = 0;
    int brideFace = 0;
    int wolfFace = 0;
    bool speech = false;
    int characters = 0;
    int bytes = 0;
    int lineFeeds = 0;
};

QList<Row> readTable(const QString &path)
{
    QList<Row> rows;
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return rows;
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (line.isEmpty() || line.startsWith(u'#'))
            continue;
        const QStringList f = line.split(u'\t');
        if (f.size() != 10)
            return {};
        rows.append({ f[0], f[1].toInt(), f[2].toInt(), f[3].toInt(), f[4].toInt(), f[5].toInt(),
                      f[6] == u"speech", f[7].toInt(), f[8].toInt(), f[9].toInt() });
    }
    return rows;
}

QByteArray toCp932(const QString &text)
{
    QStringEncoder encoder("CP932");
    return encoder.encode(text);
}

int distinctLines(const Tovane &story)
{
    QSet<QString> lines;
    for (int i = 0; i < story.count; ++i)
        lines.insert(story.records[i].text);
    return lines.size();
}

// Counts the deaths of a story object, to see that destroying it through the base pointer runs
// the most derived destructor.
template<typename Story> class Counted : public Story
{
public:
    explicit Counted(int *deaths)
        : deaths(deaths)
    {
    }
    ~Counted() override { ++*deaths; }

private:
    int *deaths;
};

} // namespace

Q_DECLARE_METATYPE(Row)

class tst_Scenario : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();

    void everyRecordMatchesItsRowAsCp932Bytes_data();
    void everyRecordMatchesItsRowAsCp932Bytes();
    void eachStoryHoldsItsCountOfDistinctLinesAndReleasesThemThroughTheBase_data();
    void eachStoryHoldsItsCountOfDistinctLinesAndReleasesThemThroughTheBase();
    void sorindaKeepsTheBaseStoryPastItsOwnEnd();
    void ruvelloLeavesNothingOfTheBaseStory();
    void everyStoryEndsOnTheSameClosingLine();
    void speakerNamesAreTwoDoubleByteCharacters_data();
    void speakerNamesAreTwoDoubleByteCharacters();

private:
    QList<Row> table;
    std::unique_ptr<Tovane> stories[3];
    const QStringList storyNames
        = { QStringLiteral("tovane"), QStringLiteral("ruvello"), QStringLiteral("sorinda") };

    Tovane *story(const QString &name) const { return stories[storyNames.indexOf(name)].get(); }
};

void tst_Scenario::initTestCase()
{
    QVERIFY2(QStringEncoder("CP932").isValid(), "this Qt has no CP932 converter");
    table = readTable(QFINDTESTDATA("storytable.tsv"));
    QCOMPARE(table.size(), 51 + 51 + 40);
    stories[0] = std::make_unique<Tovane>();
    stories[1] = std::make_unique<Ruvello>();
    stories[2] = std::make_unique<Sorinda>();
}

void tst_Scenario::everyRecordMatchesItsRowAsCp932Bytes_data()
{
    QTest::addColumn<Row>("row");
    for (const Row &row : std::as_const(table))
        QTest::addRow("%s %d", qPrintable(row.story), row.index) << row;
}

void tst_Scenario::everyRecordMatchesItsRowAsCp932Bytes()
{
    QFETCH(Row, row);
    const ScenarioRecord &record = story(row.story)->records[row.index];

    QCOMPARE(record.background, row.background);
    QCOMPARE(record.speaker, row.speaker);
    QCOMPARE(record.brideFace, row.brideFace);
    QCOMPARE(record.wolfFace, row.wolfFace);

    // A character above 0xff would not survive toLatin1(): the bytes would be lost.
    const QByteArray bytes = record.text.toLatin1();
    QCOMPARE(QString::fromLatin1(bytes), record.text);
    const QString shown = displayText(record.text);
    QVERIFY2(!shown.contains(QChar::ReplacementCharacter), "the bytes are not valid CP932");
    QCOMPARE(toCp932(shown), bytes);

    QCOMPARE(shown.startsWith(u'「') || shown.startsWith(u'『'), row.speech);
    QCOMPARE(shown.size(), row.characters);
    QCOMPARE(bytes.size(), row.bytes);
    QCOMPARE(record.text.count(u'\n'), row.lineFeeds);
    QVERIFY(!record.text.contains(u'\r'));
}

void tst_Scenario::eachStoryHoldsItsCountOfDistinctLinesAndReleasesThemThroughTheBase_data()
{
    QTest::addColumn<QString>("story");
    for (const QString &name : storyNames)
        QTest::newRow(qPrintable(name)) << name;
}

void tst_Scenario::eachStoryHoldsItsCountOfDistinctLinesAndReleasesThemThroughTheBase()
{
    QFETCH(QString, story);
    // Built over dirty memory, so that fields nobody sets cannot pass by being fresh zeroes.
    constexpr size_t size
        = std::max({ sizeof(Counted<Tovane>), sizeof(Counted<Ruvello>), sizeof(Counted<Sorinda>) });
    alignas(Tovane) unsigned char storage[size];
    std::fill(std::begin(storage), std::end(storage), 0xa5);
    int deaths = 0;
    Tovane *scenario = nullptr;
    if (story == u"tovane")
        scenario = new (storage) Counted<Tovane>(&deaths);
    else if (story == u"ruvello")
        scenario = new (storage) Counted<Ruvello>(&deaths);
    else
        scenario = new (storage) Counted<Sorinda>(&deaths);

    const auto rows = std::count_if(table.cbegin(), table.cend(),
                                    [&](const Row &row) { return row.story == story; });
    QCOMPARE(scenario->count, rows);
    QCOMPARE(distinctLines(*scenario), scenario->count);

    for (int i = 51; i < 100; ++i) {
        const ScenarioRecord &record = scenario->records[i];
        QVERIFY2(record.text.isNull(), qPrintable(QString::number(i)));
        QCOMPARE(record.background, 0);
        QCOMPARE(record.speaker, 0);
        QCOMPARE(record.brideFace, 0);
        QCOMPARE(record.wolfFace, 0);
    }

    // Each copy shares its record's text; once the object has let go of every text, each copy
    // is the only owner left.
    QStringList copies;
    for (const ScenarioRecord &record : scenario->records) {
        if (!record.text.isNull())
            copies.append(record.text);
    }
    QCOMPARE(copies.size(), 51);
    for (const QString &copy : std::as_const(copies))
        QVERIFY(!copy.isDetached());

    scenario->~Tovane();
    QCOMPARE(deaths, 1);
    for (const QString &copy : std::as_const(copies))
        QVERIFY(copy.isDetached());
}

void tst_Scenario::sorindaKeepsTheBaseStoryPastItsOwnEnd()
{
    const Tovane *base = story(QStringLiteral("tovane"));
    const Tovane *sorinda = story(QStringLiteral("sorinda"));
    for (int i = 40; i <= 50; ++i) {
        const ScenarioRecord &kept = sorinda->records[i];
        const ScenarioRecord &original = base->records[i];
        QCOMPARE(kept.text, original.text);
        QCOMPARE(kept.background, original.background);
        QCOMPARE(kept.speaker, original.speaker);
        QCOMPARE(kept.brideFace, original.brideFace);
        QCOMPARE(kept.wolfFace, original.wolfFace);
    }
    // Its own story really went over the base one below that.
    for (int i = 0; i < 40; ++i)
        QVERIFY(sorinda->records[i].text != base->records[i].text);
}

void tst_Scenario::ruvelloLeavesNothingOfTheBaseStory()
{
    const Tovane *base = story(QStringLiteral("tovane"));
    const Tovane *ruvello = story(QStringLiteral("ruvello"));
    QSet<QString> baseLines;
    for (int i = 0; i < 50; ++i)
        baseLines.insert(base->records[i].text);
    for (int i = 0; i < 50; ++i)
        QVERIFY2(!baseLines.contains(ruvello->records[i].text), qPrintable(QString::number(i)));
}

void tst_Scenario::everyStoryEndsOnTheSameClosingLine()
{
    const Tovane *base = story(QStringLiteral("tovane"));
    const QString closing = base->records[base->count - 1].text;
    QCOMPARE(closing.size(), 6);
    QCOMPARE(displayText(closing).size(), 3);
    for (const QString &name : storyNames) {
        const Tovane *scenario = story(name);
        QCOMPARE(scenario->records[scenario->count - 1].text, closing);
    }
}

void tst_Scenario::speakerNamesAreTwoDoubleByteCharacters_data()
{
    QTest::addColumn<QByteArray>("name");
    QTest::newRow("bride") << QByteArray(brideName);
    QTest::newRow("wolf") << QByteArray(wolfName);
}

void tst_Scenario::speakerNamesAreTwoDoubleByteCharacters()
{
    QFETCH(QByteArray, name);
    QCOMPARE(name.size(), 4);
    const QString shown = fromCp932(name);
    QCOMPARE(shown.size(), 2);
    QVERIFY(!shown.contains(QChar::ReplacementCharacter));
    QCOMPARE(toCp932(shown), name);
    QVERIFY(QByteArray(brideName) != QByteArray(wolfName));
}

QTEST_GUILESS_MAIN(tst_Scenario)
#include "tst_scenario.moc"

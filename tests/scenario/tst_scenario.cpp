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

std::unique_ptr<Tovane> build(const QString &story)
{
    if (story == u"tovane")
        return std::make_unique<Tovane>();
    if (story == u"ruvello")
        return std::make_unique<Ruvello>();
    if (story == u"sorinda")
        return std::make_unique<Sorinda>();
    return nullptr;
}

QByteArray toCp932(const QString &text)
{
    QStringEncoder encoder("CP932");
    return encoder.encode(text);
}

// Counts the deaths of a story object, to see that deleting through the base pointer runs the
// most derived destructor.
template <typename Story>
class Counted : public Story
{
public:
    explicit Counted(int *deaths) : deaths(deaths) { }
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

    void everyRecordMatchesItsRow_data();
    void everyRecordMatchesItsRow();
    void storedTextIsItsCp932BytesOnePerCharacter_data();
    void storedTextIsItsCp932BytesOnePerCharacter();
    void eachStoryHasItsOwnCount_data();
    void eachStoryHasItsOwnCount();
    void recordsNoScriptWritesAreNullWithZeroFields_data();
    void recordsNoScriptWritesAreNullWithZeroFields();
    void sorindaKeepsTheBaseStoryPastItsOwnEnd();
    void ruvelloLeavesNothingOfTheBaseStory();
    void noStoryRepeatsALine_data();
    void noStoryRepeatsALine();
    void everyStoryEndsOnTheSameClosingLine();
    void deletingThroughTheBaseRunsTheStoryDestructor_data();
    void deletingThroughTheBaseRunsTheStoryDestructor();
    void deletingReleasesEveryText_data();
    void deletingReleasesEveryText();
    void speakerNamesAreTwoDoubleByteCharacters_data();
    void speakerNamesAreTwoDoubleByteCharacters();

private:
    void addStoryColumn();

    QList<Row> table;
    std::unique_ptr<Tovane> stories[3];
    const QStringList storyNames = { QStringLiteral("tovane"), QStringLiteral("ruvello"),
                                     QStringLiteral("sorinda") };

    Tovane *story(const QString &name) const
    {
        return stories[storyNames.indexOf(name)].get();
    }
};

void tst_Scenario::initTestCase()
{
    QVERIFY2(QStringEncoder("CP932").isValid(), "this Qt has no CP932 converter");
    table = readTable(QFINDTESTDATA("storytable.tsv"));
    QCOMPARE(table.size(), 51 + 51 + 40);
    for (int i = 0; i < storyNames.size(); ++i)
        stories[i] = build(storyNames[i]);
}

void tst_Scenario::addStoryColumn()
{
    QTest::addColumn<QString>("story");
    for (const QString &name : storyNames)
        QTest::newRow(qPrintable(name)) << name;
}

void tst_Scenario::everyRecordMatchesItsRow_data()
{
    QTest::addColumn<Row>("row");
    for (const Row &row : std::as_const(table))
        QTest::addRow("%s %d", qPrintable(row.story), row.index) << row;
}

void tst_Scenario::everyRecordMatchesItsRow()
{
    QFETCH(Row, row);
    const ScenarioRecord &record = story(row.story)->records[row.index];

    QCOMPARE(record.background, row.background);
    QCOMPARE(record.speaker, row.speaker);
    QCOMPARE(record.brideFace, row.brideFace);
    QCOMPARE(record.wolfFace, row.wolfFace);

    const QString shown = displayText(record.text);
    QCOMPARE(shown.startsWith(u'「') || shown.startsWith(u'『'), row.speech);
    QCOMPARE(shown.size(), row.characters);
    QCOMPARE(record.text.size(), row.bytes);
    QCOMPARE(record.text.count(u'\n'), row.lineFeeds);
    QVERIFY(!record.text.contains(u'\r'));
}

void tst_Scenario::storedTextIsItsCp932BytesOnePerCharacter_data()
{
    everyRecordMatchesItsRow_data();
}

void tst_Scenario::storedTextIsItsCp932BytesOnePerCharacter()
{
    QFETCH(Row, row);
    const QString &stored = story(row.story)->records[row.index].text;

    // A character above 0xff would not survive toLatin1(): the bytes would be lost.
    const QByteArray bytes = stored.toLatin1();
    QCOMPARE(QString::fromLatin1(bytes), stored);
    QVERIFY2(std::any_of(bytes.cbegin(), bytes.cend(), [](char c) { return uchar(c) >= 0x80; }),
             "a Japanese line has bytes above 0x7f");

    const QString shown = fromCp932(bytes);
    QVERIFY2(!shown.contains(QChar::ReplacementCharacter), "the bytes are not valid CP932");
    QCOMPARE(toCp932(shown), bytes);
}

void tst_Scenario::eachStoryHasItsOwnCount_data()
{
    addStoryColumn();
}

void tst_Scenario::eachStoryHasItsOwnCount()
{
    QFETCH(QString, story);
    const auto rows = std::count_if(table.cbegin(), table.cend(),
                                    [&](const Row &row) { return row.story == story; });
    QCOMPARE(this->story(story)->count, rows);
}

void tst_Scenario::recordsNoScriptWritesAreNullWithZeroFields_data()
{
    addStoryColumn();
}

void tst_Scenario::recordsNoScriptWritesAreNullWithZeroFields()
{
    QFETCH(QString, story);
    // Built over dirty memory, so that fields nobody sets cannot pass by being fresh zeroes.
    constexpr size_t size = std::max({ sizeof(Tovane), sizeof(Ruvello), sizeof(Sorinda) });
    alignas(Tovane) unsigned char storage[size];
    std::fill(std::begin(storage), std::end(storage), 0xa5);
    Tovane *scenario = nullptr;
    if (story == u"tovane")
        scenario = new (storage) Tovane;
    else if (story == u"ruvello")
        scenario = new (storage) Ruvello;
    else
        scenario = new (storage) Sorinda;

    for (int i = 51; i < 100; ++i) {
        const ScenarioRecord &record = scenario->records[i];
        QVERIFY2(record.text.isNull(), qPrintable(QString::number(i)));
        QCOMPARE(record.background, 0);
        QCOMPARE(record.speaker, 0);
        QCOMPARE(record.brideFace, 0);
        QCOMPARE(record.wolfFace, 0);
    }
    scenario->~Tovane();
}

void tst_Scenario::sorindaKeepsTheBaseStoryPastItsOwnEnd()
{
    const Tovane *base = story(QStringLiteral("tovane"));
    const Tovane *sorinda = story(QStringLiteral("sorinda"));
    for (int i = 40; i <= 50; ++i) {
        const ScenarioRecord &kept = sorinda->records[i];
        const ScenarioRecord &original = base->records[i];
        QVERIFY(!kept.text.isEmpty());
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

void tst_Scenario::noStoryRepeatsALine_data()
{
    addStoryColumn();
}

void tst_Scenario::noStoryRepeatsALine()
{
    QFETCH(QString, story);
    const Tovane *scenario = this->story(story);
    QSet<QString> lines;
    for (int i = 0; i < scenario->count; ++i)
        lines.insert(scenario->records[i].text);
    QCOMPARE(lines.size(), scenario->count);
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

void tst_Scenario::deletingThroughTheBaseRunsTheStoryDestructor_data()
{
    addStoryColumn();
}

void tst_Scenario::deletingThroughTheBaseRunsTheStoryDestructor()
{
    QFETCH(QString, story);
    int deaths = 0;
    Tovane *scenario = nullptr;
    if (story == u"tovane")
        scenario = new Counted<Tovane>(&deaths);
    else if (story == u"ruvello")
        scenario = new Counted<Ruvello>(&deaths);
    else
        scenario = new Counted<Sorinda>(&deaths);
    delete scenario;
    QCOMPARE(deaths, 1);
}

void tst_Scenario::deletingReleasesEveryText_data()
{
    addStoryColumn();
}

void tst_Scenario::deletingReleasesEveryText()
{
    QFETCH(QString, story);
    std::unique_ptr<Tovane> owned = build(story);
    Tovane *scenario = owned.release();

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

    delete scenario;
    for (const QString &copy : std::as_const(copies))
        QVERIFY(copy.isDetached());
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

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "scenario/cp932.h"
#include "scenario/ruvello.h"
#include "scenario/sorinda.h"
#include "scenario/speakernames.h"
#include "scenario/tovane.h"

#include <QFile>
#include <QStringEncoder>
#include <QTest>

#include <algorithm>
#include <memory>

namespace {

QByteArray toCp932(const QString &text)
{
    QStringEncoder encoder("CP932");
    return encoder.encode(text);
}

} // namespace

class tst_Scenario : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void everyRecordMatchesItsRowAsCp932Bytes_data();
    void everyRecordMatchesItsRowAsCp932Bytes();
    void eachStoryEndsAfterItsLastRow_data();
    void eachStoryEndsAfterItsLastRow();
    void speakerNamesAreTwoDoubleByteCharacters();

private:
    // One row of storytable.tsv per record: story, index, background,
    // speaker, bride's face, wolf's face, role, characters, bytes, line feeds.
    QList<QStringList> m_table;
    std::unique_ptr<Tovane> m_stories[3];
    const QStringList m_names { "tovane", "ruvello", "sorinda" };
};

void tst_Scenario::initTestCase()
{
    QVERIFY2(QStringEncoder("CP932").isValid(), "this Qt has no CP932 converter");
    QFile file(QFINDTESTDATA("storytable.tsv"));
    QVERIFY(file.open(QIODevice::ReadOnly | QIODevice::Text));
    while (!file.atEnd()) {
        const QString line = QString::fromUtf8(file.readLine()).trimmed();
        if (!line.isEmpty() && !line.startsWith(u'#'))
            m_table.append(line.split(u'\t'));
    }
    QCOMPARE(m_table.size(), 51 + 51 + 40);
    m_stories[0] = std::make_unique<Tovane>();
    m_stories[1] = std::make_unique<Ruvello>();
    m_stories[2] = std::make_unique<Sorinda>();
}

void tst_Scenario::everyRecordMatchesItsRowAsCp932Bytes_data()
{
    QTest::addColumn<QStringList>("row");
    for (const QStringList &row : std::as_const(m_table))
        QTest::addRow("%s %s", qPrintable(row.value(0)), qPrintable(row.value(1))) << row;
}

void tst_Scenario::everyRecordMatchesItsRowAsCp932Bytes()
{
    QFETCH(QStringList, row);
    QCOMPARE(row.size(), 10);
    const Tovane &story = *m_stories[m_names.indexOf(row[0])];
    const ScenarioRecord &record = story.records[row[1].toInt()];
    QCOMPARE(QList<int>({ record.background, record.speaker, record.brideFace, record.wolfFace }),
             QList<int>({ row[2].toInt(), row[3].toInt(), row[4].toInt(), row[5].toInt() }));

    // A character above 0xff would not survive toLatin1(): the bytes would be lost.
    const QByteArray bytes = record.text.toLatin1();
    QCOMPARE(QString::fromLatin1(bytes), record.text);
    const QString shown = displayText(record.text);
    QVERIFY2(!shown.contains(QChar::ReplacementCharacter), "the bytes are not valid CP932");
    QCOMPARE(toCp932(shown), bytes);

    QCOMPARE(shown.startsWith(u'「') || shown.startsWith(u'『'), row[6] == u"speech");
    QCOMPARE(shown.size(), row[7].toInt());
    QCOMPARE(bytes.size(), row[8].toInt());
    QCOMPARE(record.text.count(u'\n'), row[9].toInt());
    QVERIFY(!record.text.contains(u'\r'));
}

void tst_Scenario::eachStoryEndsAfterItsLastRow_data()
{
    QTest::addColumn<int>("story");
    for (int i = 0; i < 3; ++i)
        QTest::newRow(qPrintable(m_names[i])) << i;
}

void tst_Scenario::eachStoryEndsAfterItsLastRow()
{
    QFETCH(int, story);
    const Tovane &scenario = *m_stories[story];
    const auto rows = std::count_if(m_table.cbegin(), m_table.cend(), [&](const QStringList &row) {
        return row[0] == m_names[story];
    });
    QCOMPARE(scenario.count, rows);
    // A shorter story keeps the base story's records past its own end; no
    // script writes beyond record 50.
    for (int i = scenario.count; i < 51; ++i)
        QCOMPARE(scenario.records[i].text, m_stories[0]->records[i].text);
    for (int i = 51; i < 100; ++i)
        QVERIFY2(scenario.records[i].text.isNull(), qPrintable(QString::number(i)));
}

void tst_Scenario::speakerNamesAreTwoDoubleByteCharacters()
{
    for (const QByteArray &name : { QByteArray(brideName), QByteArray(wolfName) }) {
        QCOMPARE(name.size(), 4);
        QCOMPARE(fromCp932(name).size(), 2);
        QCOMPARE(toCp932(fromCp932(name)), name);
    }
    QVERIFY(QByteArray(brideName) != QByteArray(wolfName));
}

QTEST_GUILESS_MAIN(tst_Scenario)
#include "tst_scenario.moc"

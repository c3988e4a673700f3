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

#include <memory>

// The stories as compiled, against the table their sources are held to by
// tools/storycheck.py: what the compiler's encoding or the story classes get
// wrong shows here.
class tst_Scenario : public QObject
{
    Q_OBJECT

private slots:
    void everyRecordMatchesItsRowAndEachStoryEndsAfterItsLast();
    void speakerNamesAreTwoDifferentDoubleByteCharacters();
};

void tst_Scenario::everyRecordMatchesItsRowAndEachStoryEndsAfterItsLast()
{
    QStringEncoder toCp932("CP932");
    QVERIFY2(toCp932.isValid(), "this Qt has no CP932 converter");
    const std::unique_ptr<Tovane> stories[]
        = { std::make_unique<Tovane>(), std::make_unique<Ruvello>(), std::make_unique<Sorinda>() };
    const QStringList names { "tovane", "ruvello", "sorinda" };
    int rows[3] = {};
    QFile table(QFINDTESTDATA("storytable.tsv"));
    QVERIFY(table.open(QIODevice::ReadOnly | QIODevice::Text));
    while (!table.atEnd()) {
        // story, index, background, speaker, bride's face, wolf's face, role,
        // characters, bytes, line feeds
        const QString line = QString::fromUtf8(table.readLine()).trimmed();
        const QStringList row = line.split(u'\t');
        const int story = names.indexOf(row[0]);
        if (story < 0)
            continue;
        ++rows[story];
        const ScenarioRecord &record = stories[story]->records[row.value(1).toInt()];
        const QByteArray bytes = record.text.toLatin1();
        const QString shown = displayText(record.text);
        QVERIFY2(!shown.contains(QChar::ReplacementCharacter) && toCp932.encode(shown) == bytes,
                 qPrintable(line + ": not valid CP932"));
        const bool speech = shown.startsWith(u'「') || shown.startsWith(u'『');
        QStringList seen = row.mid(0, 2);
        for (int field : { record.background, record.speaker, record.brideFace, record.wolfFace })
            seen << QString::number(field);
        seen << (speech ? "speech" : "narration");
        for (qsizetype size : { shown.size(), bytes.size(), record.text.count(u'\n') })
            seen << QString::number(size);
        QCOMPARE(seen.join(u'\t'), line);
    }
    for (int story = 0; story < 3; ++story)
        QCOMPARE(stories[story]->count, rows[story]);
}

void tst_Scenario::speakerNamesAreTwoDifferentDoubleByteCharacters()
{
    for (const char *name : { brideName, wolfName }) {
        QCOMPARE(qstrlen(name), 4u);
        QCOMPARE(fromCp932(name).size(), 2);
    }
    QVERIFY(qstrcmp(brideName, wolfName) != 0);
}

QTEST_GUILESS_MAIN(tst_Scenario)
#include "tst_scenario.moc"

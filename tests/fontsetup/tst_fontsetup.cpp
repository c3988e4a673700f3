// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "app/fontsetup.h"

#include <QFont>
#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetrics>
#include <QTest>

// The families the pages ask for belong to another platform; whatever the
// system has, each request must end in a font that can show Japanese.
class tst_FontSetup : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void requestedFamiliesShowJapanese_data();
    void requestedFamiliesShowJapanese();
    void missingFamiliesEndInTheRegisteredBundledFont();

private:
    QString m_bundledFamily;
};

void tst_FontSetup::initTestCase()
{
    m_bundledFamily = FontSetup::install();
}

void tst_FontSetup::requestedFamiliesShowJapanese_data()
{
    QTest::addColumn<QString>("family");
    for (const FontSetup::Substitution &s : FontSetup::substitutions())
        QTest::newRow(qPrintable(s.requested)) << s.requested;
}

void tst_FontSetup::requestedFamiliesShowJapanese()
{
    QFETCH(QString, family);

    QFont font(family, 20);
    const QFontMetrics metrics(font);
    // hiragana, katakana, a common kanji and the corner brackets of speech
    for (char32_t c : { U'あ', U'オ', U'花', U'「', U'』' })
        QVERIFY2(metrics.inFontUcs4(c), qPrintable(QFontInfo(font).family()));
}

void tst_FontSetup::missingFamiliesEndInTheRegisteredBundledFont()
{
    const QStringList available = QFontDatabase::families();
    QVERIFY(!m_bundledFamily.isEmpty());
    QVERIFY(available.contains(m_bundledFamily));
    for (const FontSetup::Substitution &s : FontSetup::substitutions()) {
        if (available.contains(s.requested)) {
            QVERIFY(!QFont::substitutes(s.requested).contains(m_bundledFamily));
            continue;
        }
        const QStringList chain = QFont::substitutes(s.requested);
        QVERIFY2(!chain.isEmpty(), qPrintable(s.requested));
        // Qt keeps substitution lists in lower case.
        QCOMPARE(chain.first(), s.substitutes.first().toLower());
        QCOMPARE(chain.last(), m_bundledFamily.toLower());
    }
}

QTEST_MAIN(tst_FontSetup)
#include "tst_fontsetup.moc"

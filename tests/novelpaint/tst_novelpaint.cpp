// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "app/fontsetup.h"
#include "novel/formnovel.h"
#include "scenario/tovane.h"

#include <QImage>
#include <QtTest>

#include <memory>

namespace {

// Page areas that the page's child widgets cover in a grab.
const QRect nameBox(10, 370, 131, 51);
const QRect nextButton(700, 560, 75, 23);

const QRect textBox(10, 430, 780, 160);
const QRect textArea(20, 440, 760, 140);

const QPoint wolfBodyAt(40, 0);
const QPoint wolfFaceAt(193, 48);
const QPoint brideBodyAt(380, 0);
const QPoint brideFaceAt(491, 82);

const QString wolfBody = QStringLiteral(":/body/wolf/pict/wolf_body.png");
const QString brideBody = QStringLiteral(":/body/bride/pict/bride.png");

QString backgroundPath(int id)
{
    static const char *const names[]
        = { "tyuuka",        "black",         "eventtovane",   "eventruvello1",
            "eventruvello2", "eventruvello3", "eventruvello4", "eventsorinda" };
    return QStringLiteral(":/back/pict/%1.png").arg(QLatin1String(names[id]));
}

QImage picture(const QString &path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

// CP932 bytes of "あ", stored one byte per character as the stories store them.
QByteArray hiraganaA(int times)
{
    return QByteArray("\x82\xa0").repeated(times);
}

QImage paintRecord(int background, int brideFace, int wolfFace, const QByteArray &text = {})
{
    auto table = std::make_unique<Tovane>();
    table->setRecord(0, background, 1, brideFace, wolfFace, QString::fromLatin1(text));
    table->count = 1;
    FormNovel page;
    page.setScenario(std::move(table));
    return page.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

// The bounding box of the pixels where a line on the black background differs from no line.
QRect inkOf(const QByteArray &text)
{
    static const QImage empty = paintRecord(1, -1, -1);
    const QImage page = paintRecord(1, -1, -1, text);
    QRect box;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            if (page.pixel(x, y) != empty.pixel(x, y))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

bool underChildWidget(QPoint p)
{
    return nameBox.contains(p) || nextButton.contains(p);
}

QString describe(QPoint p, QRgb actual, QRgb expected)
{
    return QStringLiteral("at (%1, %2): page #%3, expected #%4")
        .arg(p.x())
        .arg(p.y())
        .arg(actual, 8, 16, QLatin1Char('0'))
        .arg(expected, 8, 16, QLatin1Char('0'));
}

// Checks that the page shows `layer` (placed at `at`) where the layer is
// opaque, darkened to a fifth inside the text box, and `beneath` where the
// layer is clear or absent; pixels the layer covers only in part are passed
// over. Returns the first mismatch, and counts the opaque pixels checked.
QString checkLayer(const QImage &page, const QImage &layer, QPoint at, const QImage &beneath,
                   int *opaque)
{
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QPoint p(x, y);
            const QRgb source = QRect(at, layer.size()).contains(p) ? layer.pixel(p - at) : 0;
            if (underChildWidget(p) || (qAlpha(source) != 0 && qAlpha(source) != 255))
                continue;
            const QRgb actual = page.pixel(p);
            if (qAlpha(source) == 0) {
                if (actual != beneath.pixel(p))
                    return describe(p, actual, beneath.pixel(p));
                continue;
            }
            const bool inBox = textBox.contains(p);
            const double factor = inBox ? 0.2 : 1.0;
            const double tolerance = inBox ? 1.5 : 0.0;
            auto near = [&](int shown, int original) {
                return qAbs(shown - factor * original) <= tolerance;
            };
            if (!near(qRed(actual), qRed(source)) || !near(qGreen(actual), qGreen(source))
                || !near(qBlue(actual), qBlue(source))) {
                return describe(
                    p, actual,
                    qRgb(factor * qRed(source), factor * qGreen(source), factor * qBlue(source)));
            }
            ++*opaque;
        }
    }
    return QString();
}

} // namespace

class tst_NovelPaint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void backgroundFillsThePageUnderTheDarkenedTextBox_data();
    void backgroundFillsThePageUnderTheDarkenedTextBox();
    void layerLiesOverWhatIsBeneathAndUnderTheTextBox_data();
    void layerLiesOverWhatIsBeneathAndUnderTheTextBox();
    void figuresOffStageOrWithoutAFacePictureDrawNothingMore_data();
    void figuresOffStageOrWithoutAFacePictureDrawNothingMore();
    void textIsWhiteFromTheTopLeftOfTheTextArea();
    void linesBreakAtLineFeedsAndAtTheAreasWidth();
    void textBeyondTheAreaIsCutOff();
    void fourLinesFitTheBox();
    void repaintingGivesTheSamePicture();
};

void tst_NovelPaint::initTestCase()
{
    // The fonts as the reader sets them up, so that text is measured in the
    // face that stands in for the pen script.
    FontSetup::install();
}

void tst_NovelPaint::backgroundFillsThePageUnderTheDarkenedTextBox_data()
{
    QTest::addColumn<int>("background");
    QTest::addColumn<QString>("path");
    for (int id = 0; id < 8; ++id)
        QTest::addRow("background %d", id) << id << backgroundPath(id);
    QTest::newRow("unknown 8 is black") << 8 << QString();
    QTest::newRow("unknown -1 is black") << -1 << QString();
}

void tst_NovelPaint::backgroundFillsThePageUnderTheDarkenedTextBox()
{
    QFETCH(int, background);
    QFETCH(QString, path);

    QImage expected(800, 600, QImage::Format_ARGB32);
    expected.fill(Qt::black);
    if (!path.isEmpty())
        expected = picture(path);
    QCOMPARE(expected.size(), QSize(800, 600));
    // Paint another picture first, so a page image that is merely reused would show.
    paintRecord(0, 0, 0);
    const QImage page = paintRecord(background, -1, -1);

    int checked = 0;
    const QString failure = checkLayer(page, expected, QPoint(), {}, &checked);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(checked > 300000);
}

void tst_NovelPaint::layerLiesOverWhatIsBeneathAndUnderTheTextBox_data()
{
    QTest::addColumn<int>("brideFace");
    QTest::addColumn<int>("wolfFace");
    QTest::addColumn<QString>("layer");
    QTest::addColumn<QPoint>("at");
    // The record painted without the layer.
    QTest::addColumn<int>("brideBeneath");
    QTest::addColumn<int>("wolfBeneath");

    QTest::newRow("wolf over the background") << -1 << 0 << wolfBody << wolfBodyAt << -1 << -1;
    QTest::newRow("bride over the background") << 0 << -1 << brideBody << brideBodyAt << -1 << -1;
    // Where the bodies meet the bride is clear, and the wolf must show.
    QTest::newRow("bride over the wolf") << 0 << 0 << brideBody << brideBodyAt << -1 << 0;
    for (int face = 1; face <= 6; ++face) {
        QTest::addRow("wolf face %d", face)
            << -1 << face << QStringLiteral(":/body/wolf/pict/wolf/wolf%1.png").arg(face)
            << wolfFaceAt << -1 << 0;
    }
    for (int face = 1; face <= 11; ++face) {
        QTest::addRow("bride face %d", face)
            << face << -1 << QStringLiteral(":/body/bride/pict/orima/%1.png").arg(face)
            << brideFaceAt << 0 << -1;
    }
}

void tst_NovelPaint::layerLiesOverWhatIsBeneathAndUnderTheTextBox()
{
    QFETCH(int, brideFace);
    QFETCH(int, wolfFace);
    QFETCH(QString, layer);
    QFETCH(QPoint, at);
    QFETCH(int, brideBeneath);
    QFETCH(int, wolfBeneath);

    const QImage layerPicture = picture(layer);
    QVERIFY(!layerPicture.isNull());
    const QImage beneath = paintRecord(0, brideBeneath, wolfBeneath);
    const QImage page = paintRecord(0, brideFace, wolfFace);

    int opaque = 0;
    const QString failure = checkLayer(page, layerPicture, at, beneath, &opaque);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(opaque > 1000);
    QVERIFY(page != beneath);
}

void tst_NovelPaint::figuresOffStageOrWithoutAFacePictureDrawNothingMore_data()
{
    QTest::addColumn<int>("brideFace");
    QTest::addColumn<int>("wolfFace");
    // The record that must look the same: off stage at -1, the body alone at 0.
    QTest::addColumn<int>("sameBride");
    QTest::addColumn<int>("sameWolf");

    QTest::newRow("bride -12, wolf face 7") << -12 << 7 << -1 << 0;
    QTest::newRow("bride face 12, wolf -7") << 12 << -7 << 0 << -1;
}

void tst_NovelPaint::figuresOffStageOrWithoutAFacePictureDrawNothingMore()
{
    QFETCH(int, brideFace);
    QFETCH(int, wolfFace);
    QFETCH(int, sameBride);
    QFETCH(int, sameWolf);

    QCOMPARE(paintRecord(0, brideFace, wolfFace), paintRecord(0, sameBride, sameWolf));
}

void tst_NovelPaint::textIsWhiteFromTheTopLeftOfTheTextArea()
{
    const QRect ink = inkOf(hiraganaA(5));
    QVERIFY(!ink.isEmpty());
    QVERIFY(textArea.contains(ink));
    QVERIFY(ink.left() < textArea.left() + 10);
    QVERIFY(ink.top() < textArea.top() + 15);

    const QImage page = paintRecord(1, -1, -1, hiraganaA(5));
    int white = 0;
    for (int y = ink.top(); y <= ink.bottom(); ++y) {
        for (int x = ink.left(); x <= ink.right(); ++x) {
            const QRgb c = page.pixel(x, y);
            if (qRed(c) > 240 && qGreen(c) > 240 && qBlue(c) > 240)
                ++white;
        }
    }
    QVERIFY(white > 50);
}

void tst_NovelPaint::linesBreakAtLineFeedsAndAtTheAreasWidth()
{
    const QRect oneLine = inkOf(hiraganaA(4));
    const QRect twoLines = inkOf(hiraganaA(2) + '\n' + hiraganaA(2));
    const QRect wrapped = inkOf(hiraganaA(60));

    QVERIFY(twoLines.height() > oneLine.height() * 3 / 2);
    QVERIFY(twoLines.width() < oneLine.width() * 3 / 4);
    QCOMPARE(twoLines.top(), oneLine.top());

    QVERIFY(textArea.contains(wrapped));
    QVERIFY(wrapped.width() > textArea.width() * 3 / 4);
    QVERIFY(wrapped.height() > oneLine.height() * 3 / 2);
}

void tst_NovelPaint::textBeyondTheAreaIsCutOff()
{
    QByteArray manyLines = hiraganaA(1);
    for (int line = 1; line < 20; ++line)
        manyLines += '\n' + hiraganaA(1);

    const QRect ink = inkOf(manyLines);
    QVERIFY(textArea.contains(ink));
    QVERIFY(ink.bottom() > textArea.bottom() - 30);
}

// The longest records hold four lines, one of them empty; whatever font
// stands in for the pen script, the last one must be drawn whole.
void tst_NovelPaint::fourLinesFitTheBox()
{
    const QByteArray threeLines = hiraganaA(3) + '\n' + hiraganaA(3) + '\n';
    const QRect three = inkOf(threeLines + hiraganaA(3));
    const QRect four = inkOf(threeLines + '\n' + hiraganaA(3));

    QVERIFY(textArea.contains(four));
    QVERIFY2(four.bottom() > three.bottom(), "the fourth line is missing");
    // A line cut off by the box would leave its ink on the box's last row.
    QVERIFY2(four.bottom() < textArea.bottom() - 1,
             qPrintable(QStringLiteral("ink down to %1").arg(four.bottom())));
}

void tst_NovelPaint::repaintingGivesTheSamePicture()
{
    auto table = std::make_unique<Tovane>();
    table->setRecord(0, 0, 1, 4, 5, QString::fromLatin1(hiraganaA(10)));
    table->count = 1;
    FormNovel page;
    page.setScenario(std::move(table));
    const QImage first = page.grab().toImage();
    QCOMPARE(page.grab().toImage(), first);
}

QTEST_MAIN(tst_NovelPaint)
#include "tst_novelpaint.moc"

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
const QRect aboveTheBox(0, 0, 800, 430);
// The columns where the two bodies meet, above the text box.
const QRect wolfOverlap(380, 0, 17, 430);

const QPoint wolfBodyAt(40, 0);
const QPoint wolfFaceAt(193, 48);
const QPoint brideBodyAt(380, 0);
const QPoint brideFaceAt(491, 82);

const QString wolfBody = QStringLiteral(":/body/wolf/pict/wolf_body.png");
const QString brideBody = QStringLiteral(":/body/bride/pict/bride.png");

QString backgroundPath(int id)
{
    static const char *const names[] = {"tyuuka", "black", "eventtovane", "eventruvello1",
                                        "eventruvello2", "eventruvello3", "eventruvello4",
                                        "eventsorinda"};
    return QStringLiteral(":/back/pict/%1.png").arg(QLatin1String(names[id]));
}

QString wolfFacePath(int face)
{
    return QStringLiteral(":/body/wolf/pict/wolf/wolf%1.png").arg(face);
}

QString brideFacePath(int face)
{
    return QStringLiteral(":/body/bride/pict/orima/%1.png").arg(face);
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

// Within `area` of the page, checks every pixel that `layer` (placed at `at`)
// covers with the given alpha: with alpha 255 the page shows the layer's own
// pixel, with alpha 0 it shows `beneath`'s pixel. Returns the first mismatch,
// and counts the pixels checked.
QString checkLayer(const QImage &page, const QImage &layer, QPoint at, const QRect &area,
                   int alpha, const QImage &beneath, int *checked)
{
    const QRect region = area & QRect(at, layer.size());
    for (int y = region.top(); y <= region.bottom(); ++y) {
        for (int x = region.left(); x <= region.right(); ++x) {
            const QPoint p(x, y);
            if (underChildWidget(p))
                continue;
            const QRgb source = layer.pixel(p - at);
            if (qAlpha(source) != alpha)
                continue;
            const QRgb expected = alpha == 255 ? source : beneath.pixel(p);
            if (page.pixel(p) != expected)
                return describe(p, page.pixel(p), expected);
            ++*checked;
        }
    }
    return QString();
}

QString checkSame(const QImage &page, const QImage &expected, const QRect &area, int *checked)
{
    for (int y = area.top(); y <= area.bottom(); ++y) {
        for (int x = area.left(); x <= area.right(); ++x) {
            const QPoint p(x, y);
            if (underChildWidget(p))
                continue;
            if (page.pixel(p) != expected.pixel(p))
                return describe(p, page.pixel(p), expected.pixel(p));
            ++*checked;
        }
    }
    return QString();
}

// The bounding box of the pixels where two pages differ.
QRect difference(const QImage &a, const QImage &b)
{
    QRect box;
    for (int y = 0; y < a.height(); ++y) {
        for (int x = 0; x < a.width(); ++x) {
            if (a.pixel(x, y) != b.pixel(x, y))
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

} // namespace

class tst_NovelPaint : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void backgroundFillsThePage_data();
    void backgroundFillsThePage();
    void unknownBackgroundLeavesABlackPage_data();
    void unknownBackgroundLeavesABlackPage();
    void figureLiesOverTheBackground_data();
    void figureLiesOverTheBackground();
    void absentFigureLeavesTheBackground_data();
    void absentFigureLeavesTheBackground();
    void wolfShowsWhereTheBrideIsClear();
    void brideLiesOverTheWolfWhereBothAreOpaque();
    void faceLiesOverTheBody_data();
    void faceLiesOverTheBody();
    void faceWithoutPictureDrawsTheBodyAlone_data();
    void faceWithoutPictureDrawsTheBodyAlone();
    void textBoxDarkensWhatLiesBeneath_data();
    void textBoxDarkensWhatLiesBeneath();
    void textIsWhiteInsideTheTextArea();
    void lineFeedStartsANewLine();
    void longLineWrapsInsideTheTextArea();
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

void tst_NovelPaint::backgroundFillsThePage_data()
{
    QTest::addColumn<int>("background");
    for (int id = 0; id < 8; ++id)
        QTest::addRow("background %d", id) << id;
}

void tst_NovelPaint::backgroundFillsThePage()
{
    QFETCH(int, background);

    const QImage expected = picture(backgroundPath(background));
    QCOMPARE(expected.size(), QSize(800, 600));
    const QImage page = paintRecord(background, -1, -1);

    int checked = 0;
    const QString failure = checkSame(page, expected, aboveTheBox, &checked);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(checked > 300000);
}

void tst_NovelPaint::unknownBackgroundLeavesABlackPage_data()
{
    QTest::addColumn<int>("background");
    QTest::newRow("8") << 8;
    QTest::newRow("-1") << -1;
    QTest::newRow("large") << 100000;
}

void tst_NovelPaint::unknownBackgroundLeavesABlackPage()
{
    QFETCH(int, background);

    QImage black(800, 600, QImage::Format_ARGB32);
    black.fill(Qt::black);
    // Paint a picture first, so a page image that is merely reused would show.
    paintRecord(0, 0, 0);
    const QImage page = paintRecord(background, -1, -1);

    int checked = 0;
    QString failure = checkSame(page, black, QRect(0, 0, 800, 600), &checked);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void tst_NovelPaint::figureLiesOverTheBackground_data()
{
    QTest::addColumn<int>("brideFace");
    QTest::addColumn<int>("wolfFace");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QPoint>("at");

    QTest::newRow("wolf") << -1 << 0 << wolfBody << wolfBodyAt;
    QTest::newRow("bride") << 0 << -1 << brideBody << brideBodyAt;
}

void tst_NovelPaint::figureLiesOverTheBackground()
{
    QFETCH(int, brideFace);
    QFETCH(int, wolfFace);
    QFETCH(QString, body);
    QFETCH(QPoint, at);

    const QImage background = picture(backgroundPath(0));
    const QImage figure = picture(body);
    const QImage page = paintRecord(0, brideFace, wolfFace);

    int opaque = 0;
    int clear = 0;
    QString failure = checkLayer(page, figure, at, aboveTheBox, 255, background, &opaque);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    failure = checkLayer(page, figure, at, aboveTheBox, 0, background, &clear);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(opaque > 10000);
    QVERIFY(clear > 10000);
}

void tst_NovelPaint::absentFigureLeavesTheBackground_data()
{
    QTest::addColumn<int>("brideFace");
    QTest::addColumn<int>("wolfFace");
    QTest::addColumn<QRect>("area");

    // The columns that only the absent figure could cover.
    const QRect wolfOnly(40, 0, 340, 430);
    const QRect brideOnly(397, 0, 397, 430);
    QTest::newRow("wolf -1") << 3 << -1 << wolfOnly;
    QTest::newRow("wolf -7") << 3 << -7 << wolfOnly;
    QTest::newRow("bride -1") << -1 << 2 << brideOnly;
    QTest::newRow("bride -12") << -12 << 2 << brideOnly;
}

void tst_NovelPaint::absentFigureLeavesTheBackground()
{
    QFETCH(int, brideFace);
    QFETCH(int, wolfFace);
    QFETCH(QRect, area);

    const QImage page = paintRecord(0, brideFace, wolfFace);
    int checked = 0;
    const QString failure = checkSame(page, picture(backgroundPath(0)), area, &checked);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
}

void tst_NovelPaint::wolfShowsWhereTheBrideIsClear()
{
    const QImage bride = picture(brideBody);
    const QImage page = paintRecord(0, 0, 0);
    const QImage wolfOverBackground = paintRecord(0, -1, 0);

    int checked = 0;
    const QString failure =
        checkLayer(page, bride, brideBodyAt, wolfOverlap, 0, wolfOverBackground, &checked);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(checked > 0);
}

void tst_NovelPaint::brideLiesOverTheWolfWhereBothAreOpaque()
{
    const QImage wolf = picture(wolfBody);
    const QImage bride = picture(brideBody);
    const QImage page = paintRecord(0, 0, 0);

    // Where both bodies are opaque and differ, only the drawing order decides.
    int contested = 0;
    for (int y = wolfOverlap.top(); y <= wolfOverlap.bottom(); ++y) {
        for (int x = wolfOverlap.left(); x <= wolfOverlap.right(); ++x) {
            const QPoint p(x, y);
            const QRgb w = wolf.pixel(p - wolfBodyAt);
            const QRgb b = bride.pixel(p - brideBodyAt);
            if (qAlpha(w) == 255 && qAlpha(b) == 255 && w != b) {
                QVERIFY2(page.pixel(p) == b, qPrintable(describe(p, page.pixel(p), b)));
                ++contested;
            }
        }
    }
    if (contested == 0)
        QSKIP("The bride's body is clear wherever it meets the wolf's; the order cannot be seen.");
}

void tst_NovelPaint::faceLiesOverTheBody_data()
{
    QTest::addColumn<bool>("isBride");
    QTest::addColumn<int>("face");
    for (int face = 1; face <= 6; ++face)
        QTest::addRow("wolf face %d", face) << false << face;
    for (int face = 1; face <= 11; ++face)
        QTest::addRow("bride face %d", face) << true << face;
}

void tst_NovelPaint::faceLiesOverTheBody()
{
    QFETCH(bool, isBride);
    QFETCH(int, face);

    const QImage facePicture = picture(isBride ? brideFacePath(face) : wolfFacePath(face));
    QVERIFY(!facePicture.isNull());
    const QPoint at = isBride ? brideFaceAt : wolfFaceAt;
    const QImage bodyOnly = isBride ? paintRecord(0, 0, -1) : paintRecord(0, -1, 0);
    const QImage page = isBride ? paintRecord(0, face, -1) : paintRecord(0, -1, face);

    int opaque = 0;
    int clear = 0;
    QString failure = checkLayer(page, facePicture, at, aboveTheBox, 255, bodyOnly, &opaque);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    failure = checkLayer(page, facePicture, at, aboveTheBox, 0, bodyOnly, &clear);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(opaque > 1000);
    QVERIFY(clear > 0);
    QVERIFY(page != bodyOnly);
}

void tst_NovelPaint::faceWithoutPictureDrawsTheBodyAlone_data()
{
    QTest::addColumn<bool>("isBride");
    QTest::addColumn<int>("face");
    QTest::newRow("wolf 0") << false << 0;
    QTest::newRow("wolf 7") << false << 7;
    QTest::newRow("wolf large") << false << 100000;
    QTest::newRow("bride 0") << true << 0;
    QTest::newRow("bride 12") << true << 12;
    QTest::newRow("bride large") << true << 100000;
}

void tst_NovelPaint::faceWithoutPictureDrawsTheBodyAlone()
{
    QFETCH(bool, isBride);
    QFETCH(int, face);

    const QImage body = picture(isBride ? brideBody : wolfBody);
    const QPoint at = isBride ? brideBodyAt : wolfBodyAt;
    const QImage page = isBride ? paintRecord(0, face, -1) : paintRecord(0, -1, face);

    // The body's own face, opaque pixels included, is what shows.
    int opaque = 0;
    const QString failure =
        checkLayer(page, body, at, aboveTheBox, 255, QImage(), &opaque);
    QVERIFY2(failure.isEmpty(), qPrintable(failure));
    QVERIFY(opaque > 10000);

    const QImage faceOne = isBride ? paintRecord(0, 1, -1) : paintRecord(0, -1, 1);
    QVERIFY(page != faceOne);
}

void tst_NovelPaint::textBoxDarkensWhatLiesBeneath_data()
{
    QTest::addColumn<int>("brideFace");
    QTest::addColumn<int>("wolfFace");
    QTest::newRow("background only") << -1 << -1;
    QTest::newRow("both figures") << 0 << 0;
}

void tst_NovelPaint::textBoxDarkensWhatLiesBeneath()
{
    QFETCH(int, brideFace);
    QFETCH(int, wolfFace);

    const QImage background = picture(backgroundPath(0));
    const QImage wolf = picture(wolfBody);
    const QImage bride = picture(brideBody);
    const QImage page = paintRecord(0, brideFace, wolfFace);

    // What lies under a box pixel, known only where one layer is opaque there.
    auto beneath = [&](QPoint p, QRgb *colour) {
        if (brideFace >= 0 && QRect(brideBodyAt, bride.size()).contains(p)) {
            const QRgb b = bride.pixel(p - brideBodyAt);
            if (qAlpha(b) == 255) {
                *colour = b;
                return true;
            }
            if (qAlpha(b) != 0)
                return false;
        }
        if (wolfFace >= 0 && QRect(wolfBodyAt, wolf.size()).contains(p)) {
            const QRgb w = wolf.pixel(p - wolfBodyAt);
            if (qAlpha(w) == 255) {
                *colour = w;
                return true;
            }
            if (qAlpha(w) != 0)
                return false;
        }
        *colour = background.pixel(p);
        return true;
    };

    int darkened = 0;
    for (int y = textBox.top(); y <= textBox.bottom(); ++y) {
        for (int x = textBox.left(); x <= textBox.right(); ++x) {
            const QPoint p(x, y);
            QRgb under;
            if (underChildWidget(p) || !beneath(p, &under))
                continue;
            const QRgb actual = page.pixel(p);
            const int channels[3][2] = {{qRed(actual), qRed(under)},
                                        {qGreen(actual), qGreen(under)},
                                        {qBlue(actual), qBlue(under)}};
            for (const auto &c : channels) {
                const double expected = 0.2 * c[1];
                QVERIFY2(qAbs(c[0] - expected) <= 1.5,
                         qPrintable(describe(p, actual, qRgb(0.2 * qRed(under),
                                                             0.2 * qGreen(under),
                                                             0.2 * qBlue(under)))));
            }
            ++darkened;
        }
    }
    QVERIFY(darkened > 50000);

    // Just outside the box nothing is darkened.
    if (brideFace < 0 && wolfFace < 0) {
        const QRect edges[] = {QRect(0, 429, 800, 1), QRect(0, 590, 800, 10),
                               QRect(0, 430, 10, 160), QRect(790, 430, 10, 160)};
        for (const QRect &edge : edges) {
            int checked = 0;
            const QString failure = checkSame(page, background, edge, &checked);
            QVERIFY2(failure.isEmpty(), qPrintable(failure));
        }
    }
}

void tst_NovelPaint::textIsWhiteInsideTheTextArea()
{
    const QImage empty = paintRecord(1, -1, -1);
    const QImage page = paintRecord(1, -1, -1, hiraganaA(5));

    const QRect ink = difference(page, empty);
    QVERIFY(!ink.isEmpty());
    QVERIFY2(textArea.contains(ink), qPrintable(QStringLiteral("ink at %1,%2 %3x%4")
                                                    .arg(ink.x())
                                                    .arg(ink.y())
                                                    .arg(ink.width())
                                                    .arg(ink.height())));
    // Top left of the area, as left-aligned text starting at the top.
    QVERIFY(ink.left() < textArea.left() + 10);
    QVERIFY(ink.top() < textArea.top() + 15);

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

void tst_NovelPaint::lineFeedStartsANewLine()
{
    const QImage empty = paintRecord(1, -1, -1);
    const QRect oneLine = difference(paintRecord(1, -1, -1, hiraganaA(4)), empty);
    const QRect twoLines =
        difference(paintRecord(1, -1, -1, hiraganaA(2) + '\n' + hiraganaA(2)), empty);

    QVERIFY(twoLines.height() > oneLine.height() * 3 / 2);
    QVERIFY(twoLines.width() < oneLine.width() * 3 / 4);
    QCOMPARE(twoLines.top(), oneLine.top());
}

void tst_NovelPaint::longLineWrapsInsideTheTextArea()
{
    const QImage empty = paintRecord(1, -1, -1);
    const QRect oneLine = difference(paintRecord(1, -1, -1, hiraganaA(4)), empty);
    const QRect wrapped = difference(paintRecord(1, -1, -1, hiraganaA(60)), empty);

    QVERIFY(textArea.contains(wrapped));
    QVERIFY(wrapped.width() > textArea.width() * 3 / 4);
    QVERIFY(wrapped.height() > oneLine.height() * 3 / 2);
}

void tst_NovelPaint::textBeyondTheAreaIsCutOff()
{
    QByteArray manyLines = hiraganaA(1);
    for (int line = 1; line < 20; ++line)
        manyLines += '\n' + hiraganaA(1);
    const QImage empty = paintRecord(1, -1, -1);
    const QImage page = paintRecord(1, -1, -1, manyLines);

    const QRect ink = difference(page, empty);
    QVERIFY(textArea.contains(ink));
    QVERIFY(ink.bottom() > textArea.bottom() - 30);
}

// The longest records hold four lines, one of them empty; whatever font
// stands in for the pen script, the last one must be drawn whole.
void tst_NovelPaint::fourLinesFitTheBox()
{
    const QByteArray threeLines = hiraganaA(3) + '\n' + hiraganaA(3) + '\n';
    const QImage empty = paintRecord(1, -1, -1);
    const QRect three = difference(paintRecord(1, -1, -1, threeLines + hiraganaA(3)), empty);
    const QRect four = difference(paintRecord(1, -1, -1, threeLines + '\n' + hiraganaA(3)), empty);

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
    const QImage second = page.grab().toImage();
    QCOMPARE(first, second);
}

QTEST_MAIN(tst_NovelPaint)
#include "tst_novelpaint.moc"

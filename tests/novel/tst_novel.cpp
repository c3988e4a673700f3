// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "app/fontsetup.h"
#include "novel/formnovel.h"
#include "scenario/tovane.h"

#include <QImageReader>
#include <QPainter>
#include <QPushButton>
#include <QtTest>

#include <algorithm>
#include <memory>
#include <typeinfo>

// The reading page and its pictures against the places they were drawn for,
// written out here on their own rather than taken from the program.
namespace {

struct Layer
{
    QString picture;
    QPoint at;
};
using Layers = QList<Layer>;

Layer background(int id)
{
    const char *const names[]
        = { "tyuuka",        "black",         "eventtovane",   "eventruvello1",
            "eventruvello2", "eventruvello3", "eventruvello4", "eventsorinda" };
    return { QStringLiteral(":/back/pict/%1.png").arg(QLatin1String(names[id])), QPoint(0, 0) };
}
const Layer wolfBody { QStringLiteral(":/body/wolf/pict/wolf_body.png"), QPoint(40, 0) };
const Layer brideBody { QStringLiteral(":/body/bride/pict/bride.png"), QPoint(380, 0) };
const auto wolfFace = [](int face) {
    return Layer { QStringLiteral(":/body/wolf/pict/wolf/wolf%1.png").arg(face), QPoint(193, 48) };
};
const auto brideFace = [](int face) {
    return Layer { QStringLiteral(":/body/bride/pict/orima/%1.png").arg(face), QPoint(491, 82) };
};

const QRect textArea(20, 440, 760, 140);
// The page's child widgets, which lie over what it paints.
const QRect nameBox(10, 370, 131, 51);
const QRect nextButton(700, 560, 75, 23);

// The page of one record as a screen of the given density shows it.
QImage paintRecord(int background, int wolfFace, int brideFace, const QByteArray &text = {},
                   int density = 1)
{
    auto table = std::make_unique<Tovane>();
    table->setRecord(0, background, 1, brideFace, wolfFace, QString::fromLatin1(text));
    table->count = 1;
    FormNovel page;
    page.setScenario(std::move(table));
    QImage image(page.size() * density, QImage::Format_RGB32);
    image.setDevicePixelRatio(density);
    image.fill(Qt::black);
    page.render(&image);
    return image;
}

// CP932 bytes of "あ", one byte per character as the stories store them.
const auto hiraganaA = [](int times) { return QByteArray("\x82\xa0").repeated(times); };

} // namespace

class tst_Novel : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase() { FontSetup::install(); }
    void everyPictureOpensAtItsSizeAndFacesBlendIntoTheirBody_data();
    void everyPictureOpensAtItsSizeAndFacesBlendIntoTheirBody();
    void programIconHoldsEverySize();
    void newPageShowsTheFirstRecordWithOnlyTheNameBoxAndNext();
    void picturesLieWhereTheyWereDrawnForUnderADarkBox_data();
    void picturesLieWhereTheyWereDrawnForUnderADarkBox();
    void lineIsWhiteFromTheTopLeftWrappedAndKeptInTheArea_data();
    void lineIsWhiteFromTheTopLeftWrappedAndKeptInTheArea();
    void pageIsPaintedAtTheScreensDensity();
};

// Nothing in this program calls Q_INIT_RESOURCE: the bundle registers itself
// while the program is being loaded. Full pages are opaque; the figures and
// the icons are see-through around them. Where a face fades out, it must show what its body
// shows there, or its edge would draw a ring on the face it is laid over.
void tst_Novel::everyPictureOpensAtItsSizeAndFacesBlendIntoTheirBody_data()
{
    QTest::addColumn<Layer>("picture");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<Layer>("body"); // under a face
    const QSize page(800, 600);
    const auto add = [](const Layer &picture, QSize size, const Layer &body = {}) {
        QTest::newRow(qPrintable(picture.picture)) << picture << size << body;
    };
    for (int id = 0; id < 8; ++id)
        add(background(id), page);
    add({ QStringLiteral(":/page/pict/page/title.png"), {} }, page);
    add({ QStringLiteral(":/page/pict/page/content.png"), {} }, page);
    add(brideBody, { 414, 600 });
    add(wolfBody, { 357, 600 });
    for (int i = 1; i <= 11; ++i)
        add(brideFace(i), { 160, 164 }, brideBody);
    for (int i = 1; i <= 6; ++i)
        add(wolfFace(i), { 126, 129 }, wolfBody);
    // The desktop icons ship beside the bundle.
    for (int size : { 16, 32, 48, 64, 128, 256 }) {
        const char *icon
            = PICTUREBOOK_SOURCE_DIR "/resources/icons/hicolor/%1x%1/apps/picturebook.png";
        add({ QString::fromLatin1(icon).arg(size), {} }, { size, size });
    }
}

void tst_Novel::everyPictureOpensAtItsSizeAndFacesBlendIntoTheirBody()
{
    QFETCH(Layer, picture);
    QFETCH(QSize, size);
    QFETCH(Layer, body);
    const QImage image = QImage(picture.picture).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), size);
    if (size == QSize(800, 600)) // opaque: nothing is lost without the alpha channel
        QCOMPARE(image.convertToFormat(QImage::Format_RGB32).convertToFormat(QImage::Format_ARGB32),
                 image);
    const QRect r = image.rect();
    for (const QPoint corner : { r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight() })
        QCOMPARE(qAlpha(image.pixel(corner)), size == QSize(800, 600) ? 255 : 0);
    QCOMPARE(qAlpha(image.pixel(r.center())), 255);
    if (body.picture.isEmpty())
        return;

    QImage composed = QImage(body.picture)
                          .convertToFormat(QImage::Format_ARGB32)
                          .copy(QRect(picture.at - body.at, size));
    const QImage under = composed;
    QPainter(&composed).drawImage(0, 0, image);
    qint64 edgePixels = 0, difference = 0;
    for (int y = 0; y < size.height(); ++y) {
        for (int x = 0; x < size.width(); ++x) {
            const int a = qAlpha(image.pixel(x, y));
            if (a == 0 || a == 255 || qAlpha(under.pixel(x, y)) != 255)
                continue;
            ++edgePixels;
            const QRgb o = composed.pixel(x, y), u = under.pixel(x, y);
            difference += qAbs(qRed(o) - qRed(u)) + qAbs(qGreen(o) - qGreen(u))
                + qAbs(qBlue(o) - qBlue(u));
        }
    }
    QVERIFY2(edgePixels > 500, QByteArray::number(edgePixels));
    QVERIFY2(difference < 2.0 * 3 * edgePixels,
             QByteArray::number(double(difference) / (3 * edgePixels)));
}

// The program icon holds each size three times over (colour depths), each a
// round badge like the desktop icons.
void tst_Novel::programIconHoldsEverySize()
{
    QImageReader reader(QStringLiteral(PICTUREBOOK_SOURCE_DIR "/resources/picturebook.ico"));
    QList<int> sizes;
    for (int i = 0; i < reader.imageCount(); ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        QVERIFY(qAlpha(image.pixel(0, 0)) == 0
                && qAlpha(image.pixel(image.rect().center())) == 255);
        sizes << image.width();
    }
    QCOMPARE(sizes, QList<int>({ 16, 16, 16, 32, 32, 32, 48, 48, 48, 256, 256, 256 }));
}

void tst_Novel::newPageShowsTheFirstRecordWithOnlyTheNameBoxAndNext()
{
    FormNovel page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QCOMPARE(page.size(), QSize(800, 600));
    QVERIFY(page.currentScenario() && typeid(*page.currentScenario()) == typeid(Tovane));
    QCOMPARE(page.currentRecordIndex(), 0);

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

void tst_Novel::picturesLieWhereTheyWereDrawnForUnderADarkBox_data()
{
    QTest::addColumn<int>("backgroundId");
    QTest::addColumn<int>("wolf");
    QTest::addColumn<int>("bride");
    QTest::addColumn<Layers>("layers");

    // Every background in id order, every kind of face value for each figure,
    // and the wolf and the bride with faces that differ.
    QTest::newRow("0 room, wolf 1, bride 11")
        << 0 << 1 << 11
        << Layers { background(0), wolfBody, wolfFace(1), brideBody, brideFace(11) };
    QTest::newRow("1 black, both off stage") << 1 << -1 << -1 << Layers { background(1) };
    QTest::newRow("2 hill, wolf 6 alone")
        << 2 << 6 << -1 << Layers { background(2), wolfBody, wolfFace(6) };
    QTest::newRow("3 path, bride 1 alone")
        << 3 << -1 << 1 << Layers { background(3), brideBody, brideFace(1) };
    QTest::newRow("4 stream, face 0: bodies alone, the bride over the wolf")
        << 4 << 0 << 0 << Layers { background(4), wolfBody, brideBody };
    QTest::newRow("5 summit, faces past the last: bodies alone")
        << 5 << 7 << 12 << Layers { background(5), wolfBody, brideBody };
    QTest::newRow("6 gust, off stage below -1") << 6 << -7 << -12 << Layers { background(6) };
    QTest::newRow("7 lanterns, wolf 2, bride 5")
        << 7 << 2 << 5 << Layers { background(7), wolfBody, wolfFace(2), brideBody, brideFace(5) };
    QTest::newRow("8 no such background: black")
        << 8 << 3 << -1 << Layers { wolfBody, wolfFace(3) };
}

void tst_Novel::picturesLieWhereTheyWereDrawnForUnderADarkBox()
{
    QFETCH(int, backgroundId);
    QFETCH(int, wolf);
    QFETCH(int, bride);
    QFETCH(Layers, layers);

    QImage expected(800, 600, QImage::Format_RGB32);
    expected.fill(Qt::black);
    QPainter painter(&expected);
    for (const Layer &layer : layers) {
        const QImage picture(layer.picture);
        QVERIFY2(!picture.isNull(), qPrintable(layer.picture));
        painter.drawImage(layer.at, picture);
    }
    painter.setOpacity(0.8);
    painter.fillRect(QRect(10, 430, 780, 160), Qt::black);
    painter.end();

    const QImage page = paintRecord(backgroundId, wolf, bride);
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QRgb seen = page.pixel(x, y);
            const QRgb want = expected.pixel(x, y);
            if (qAbs(qRed(seen) - qRed(want)) > 2 || qAbs(qGreen(seen) - qGreen(want)) > 2
                || qAbs(qBlue(seen) - qBlue(want)) > 2) {
                QVERIFY2(nameBox.contains(x, y) || nextButton.contains(x, y),
                         qPrintable(QString::asprintf("at (%d, %d): #%08x, expected #%08x", x, y,
                                                      seen, want)));
            }
        }
    }
}

void tst_Novel::lineIsWhiteFromTheTopLeftWrappedAndKeptInTheArea_data()
{
    QTest::addColumn<QByteArray>("text");
    // Lines of a 20-point face; 0 for more than the area holds.
    QTest::addColumn<int>("lines");

    QTest::newRow("one line") << hiraganaA(5) << 1;
    QTest::newRow("a line feed") << hiraganaA(2) + '\n' + hiraganaA(2) << 2;
    QTest::newRow("wrapped at the area's width") << hiraganaA(60) << 3;
    // The longest records: whatever face stands in for the pen script, the
    // last line must be drawn whole.
    QTest::newRow("four lines, one empty")
        << hiraganaA(3) + '\n' + hiraganaA(3) + "\n\n" + hiraganaA(3) << 4;
    QTest::newRow("twenty lines, cut off") << (hiraganaA(1) + '\n').repeated(20) << 0;
}

void tst_Novel::lineIsWhiteFromTheTopLeftWrappedAndKeptInTheArea()
{
    QFETCH(QByteArray, text);
    QFETCH(int, lines);

    const QImage empty = paintRecord(1, -1, -1);
    const QImage page = paintRecord(1, -1, -1, text);
    QRect ink;
    int white = 0;
    for (int y = 0; y < page.height(); ++y) {
        for (int x = 0; x < page.width(); ++x) {
            const QRgb c = page.pixel(x, y);
            if (c == empty.pixel(x, y))
                continue;
            ink |= QRect(x, y, 1, 1);
            white += qRed(c) > 240 && qGreen(c) > 240 && qBlue(c) > 240;
        }
    }
    QVERIFY2(textArea.contains(ink), qPrintable(QDebug::toString(ink)));
    QVERIFY(ink.left() < textArea.left() + 8);
    QVERIFY(ink.top() < textArea.top() + 12);
    QVERIFY2(white > 40 * qMax(lines, 1), qPrintable(QString::number(white)));
    if (lines == 0) {
        QVERIFY(ink.bottom() > textArea.bottom() - 20);
        return;
    }
    // A line of 20-point glyphs has ink about 20 pixels tall, and lines follow
    // each other at least that far apart.
    QVERIFY2(ink.height() >= 18 + (lines - 1) * 20 && ink.height() <= lines * 45 - 10,
             qPrintable(QStringLiteral("ink %1 pixels tall").arg(ink.height())));
    QVERIFY(ink.bottom() < textArea.bottom() - 1);
}

// The pictures are scaled up whole and the text is drawn at the screen's own
// density, so that it stays sharp.
void tst_Novel::pageIsPaintedAtTheScreensDensity()
{
    const QImage background(QStringLiteral(":/back/pict/tyuuka.png"));
    const QImage page = paintRecord(0, -1, -1, {}, 2);
    // Each picture pixel covers a block of four device pixels.
    for (int y = 0; y < 430; y += 7) {
        for (int x = 0; x < 800; x += 7) {
            if (nameBox.contains(x, y))
                continue;
            QCOMPARE(page.pixel(2 * x, 2 * y), background.pixel(x, y));
            QCOMPARE(page.pixel(2 * x + 1, 2 * y + 1), background.pixel(x, y));
        }
    }

    // White strokes on the dark box: a page composed at the logical size and
    // scaled up would repeat every pixel over a two-by-two block; strokes
    // drawn at the screen's density change sharply inside such blocks.
    const QImage text = paintRecord(1, -1, -1, hiraganaA(5), 2);
    int sharpInsideBlocks = 0;
    for (int y = 2 * 440; y < 2 * 580; ++y) {
        for (int x = 2 * 20; x < 2 * 400; x += 2)
            sharpInsideBlocks += qAbs(qGray(text.pixel(x, y)) - qGray(text.pixel(x + 1, y))) > 150;
    }
    QVERIFY2(sharpInsideBlocks > 20, qPrintable(QString::number(sharpInsideBlocks)));
}

QTEST_MAIN(tst_Novel)
#include "tst_novel.moc"

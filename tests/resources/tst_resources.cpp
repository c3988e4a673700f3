// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include <QFile>
#include <QFontDatabase>
#include <QImage>
#include <QImageReader>
#include <QPainter>
#include <QPixmap>
#include <QRegularExpression>
#include <QResource>
#include <QTest>

namespace {

QImage argb(const QString &path)
{
    return QImage(path).convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class tst_Resources : public QObject
{
    Q_OBJECT

private slots:
    void bundleIsRegisteredWithoutAnySetup();
    void everyPictureHasItsShapeAndStorageAndFullPagesAreOpaque_data();
    void everyPictureHasItsShapeAndStorageAndFullPagesAreOpaque();
    void pathsTheFormsNameButTheBundleLacksLoadNothingQuietly_data();
    void pathsTheFormsNameButTheBundleLacksLoadNothingQuietly();
    void bodiesAreCutOutWithSoftEdges_data();
    void bodiesAreCutOutWithSoftEdges();
    void facesBlendIntoTheirBody_data();
    void facesBlendIntoTheirBody();
    void bundledFontLoadsFromItsUncompressedEntry();
    void programIconHoldsEverySizeAndDepth();
    void desktopIconsHaveTheirSizes_data();
    void desktopIconsHaveTheirSizes();
};

void tst_Resources::bundleIsRegisteredWithoutAnySetup()
{
    // Nothing in this program calls Q_INIT_RESOURCE: the bundle must have
    // registered itself while the program was being loaded.
    const QImage black(QStringLiteral(":/back/pict/black.png"));
    QCOMPARE(black.size(), QSize(800, 600));
    QCOMPARE(black.pixel(400, 300), qRgb(0, 0, 0));
}

void tst_Resources::everyPictureHasItsShapeAndStorageAndFullPagesAreOpaque_data()
{
    enum ColourType { Rgb = 2, Palette = 3, Rgba = 6 };
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<int>("colourType");
    auto add = [](const QString &path, QSize size, ColourType colourType) {
        QTest::newRow(qPrintable(path)) << path << size << int(colourType);
    };
    for (const char *name : { "tyuuka", "black", "eventtovane", "eventruvello1", "eventruvello2",
                              "eventruvello3", "eventruvello4" })
        add(QStringLiteral(":/back/pict/%1.png").arg(QLatin1String(name)), { 800, 600 }, Rgba);
    add(QStringLiteral(":/back/pict/eventsorinda.png"), { 800, 600 }, Palette);
    add(QStringLiteral(":/page/pict/page/title.png"), { 800, 600 }, Rgb);
    add(QStringLiteral(":/page/pict/page/content.png"), { 800, 600 }, Rgb);
    add(QStringLiteral(":/body/bride/pict/bride.png"), { 414, 600 }, Rgba);
    add(QStringLiteral(":/body/wolf/pict/wolf_body.png"), { 357, 600 }, Rgba);
    for (int i = 1; i <= 11; ++i)
        add(QStringLiteral(":/body/bride/pict/orima/%1.png").arg(i), { 160, 164 }, Rgba);
    for (int i = 1; i <= 6; ++i)
        add(QStringLiteral(":/body/wolf/pict/wolf/wolf%1.png").arg(i), { 126, 129 }, Rgba);
}

void tst_Resources::everyPictureHasItsShapeAndStorageAndFullPagesAreOpaque()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    QFETCH(int, colourType);
    QFile file(path);
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QByteArray head = file.read(33);
    QCOMPARE(head.left(8), QByteArray("\x89PNG\r\n\x1a\n"));
    QCOMPARE(head.mid(12, 4), QByteArray("IHDR"));
    auto be32 = [&](int at) {
        return (uchar(head[at]) << 24) | (uchar(head[at + 1]) << 16) | (uchar(head[at + 2]) << 8)
            | uchar(head[at + 3]);
    };
    QCOMPARE(QSize(be32(16), be32(20)), size);
    QCOMPARE(int(uchar(head[24])), 8); // bit depth
    QCOMPARE(int(uchar(head[25])), colourType);
    QCOMPARE(int(uchar(head[28])), 0); // not interlaced

    // Only the plain black background is worth packing; readers see the plain file either way.
    const QResource resource(path);
    QCOMPARE(resource.compressionAlgorithm(),
             path.endsWith(QLatin1String("/black.png")) ? QResource::ZlibCompression
                                                        : QResource::NoCompression);
    QCOMPARE(file.size(), resource.uncompressedSize());

    const QImage image = argb(path);
    QCOMPARE(image.size(), size);
    if (size != QSize(800, 600))
        return;
    int translucent = 0;
    for (int y = 0; y < image.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(image.constScanLine(y));
        for (int x = 0; x < image.width(); ++x)
            translucent += qAlpha(line[x]) != 255;
    }
    QCOMPARE(translucent, 0);
}

void tst_Resources::pathsTheFormsNameButTheBundleLacksLoadNothingQuietly_data()
{
    QTest::addColumn<QString>("path");
    QTest::newRow("title.jpg") << QStringLiteral(":/page/pict/page/title.jpg");
    QTest::newRow("tyuuka.jpg") << QStringLiteral(":/back/pict/tyuuka.jpg");
    QTest::newRow("bride_body.png") << QStringLiteral(":/body/bride/pict/bride_body.png");
}

void tst_Resources::pathsTheFormsNameButTheBundleLacksLoadNothingQuietly()
{
    QFETCH(QString, path);
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".*")));
    QVERIFY(!QFile::exists(path));
    QVERIFY(QImage(path).isNull());
    QVERIFY(QPixmap(path).isNull());
}

void tst_Resources::bodiesAreCutOutWithSoftEdges_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<double>("clearLow");
    QTest::addColumn<double>("clearHigh");
    QTest::addColumn<QRect>("faceRect");
    // the face rectangles are where the reading page lays the face pictures
    QTest::newRow("bride") << QStringLiteral(":/body/bride/pict/bride.png") << 0.42 << 0.58
                           << QRect(111, 82, 160, 164);
    QTest::newRow("wolf") << QStringLiteral(":/body/wolf/pict/wolf_body.png") << 0.27 << 0.40
                          << QRect(153, 48, 126, 129);
}

void tst_Resources::bodiesAreCutOutWithSoftEdges()
{
    QFETCH(QString, path);
    QFETCH(double, clearLow);
    QFETCH(double, clearHigh);
    QFETCH(QRect, faceRect);
    const QImage body = argb(path);
    QVERIFY(!body.isNull());
    qint64 clear = 0, soft = 0;
    for (int y = 0; y < body.height(); ++y) {
        for (int x = 0; x < body.width(); ++x) {
            const int a = qAlpha(body.pixel(x, y));
            clear += a == 0;
            soft += a > 0 && a < 255;
        }
    }
    const double fraction = double(clear) / (body.width() * body.height());
    QVERIFY2(fraction >= clearLow && fraction <= clearHigh, QByteArray::number(fraction));
    // an anti-aliased outline, not a hard stencil
    QVERIFY2(soft > 800, QByteArray::number(soft));
    QCOMPARE(qAlpha(body.pixel(0, 0)), 0);
    QCOMPARE(qAlpha(body.pixel(body.width() - 1, 0)), 0);
    // the body's own face fills the place where the face pictures go
    QCOMPARE(qAlpha(body.pixel(faceRect.center())), 255);
}

void tst_Resources::facesBlendIntoTheirBody_data()
{
    QTest::addColumn<QString>("face");
    QTest::addColumn<QString>("body");
    QTest::addColumn<QPoint>("offset");
    for (int i = 1; i <= 11; ++i) {
        QTest::addRow("bride %d", i)
            << QStringLiteral(":/body/bride/pict/orima/%1.png").arg(i)
            << QStringLiteral(":/body/bride/pict/bride.png") << QPoint(491 - 380, 82);
    }
    for (int i = 1; i <= 6; ++i) {
        QTest::addRow("wolf %d", i)
            << QStringLiteral(":/body/wolf/pict/wolf/wolf%1.png").arg(i)
            << QStringLiteral(":/body/wolf/pict/wolf_body.png") << QPoint(193 - 40, 48);
    }
}

void tst_Resources::facesBlendIntoTheirBody()
{
    QFETCH(QString, face);
    QFETCH(QString, body);
    QFETCH(QPoint, offset);
    const QImage f = argb(face);
    const QImage b = argb(body);
    QVERIFY(!f.isNull() && !b.isNull());
    const int w = f.width(), h = f.height();
    for (const QPoint corner :
         { QPoint(0, 0), QPoint(w - 1, 0), QPoint(0, h - 1), QPoint(w - 1, h - 1) })
        QCOMPARE(qAlpha(f.pixel(corner)), 0);
    QCOMPARE(qAlpha(f.pixel(w / 2, h / 2)), 255);

    // Where the face fades out, it must show what the body shows there, or
    // its edge would draw a ring on the face it is laid over.
    QImage composed
        = b.copy(QRect(offset, f.size())).convertToFormat(QImage::Format_ARGB32_Premultiplied);
    const QImage under = composed.convertToFormat(QImage::Format_ARGB32);
    QPainter(&composed).drawImage(0, 0, f);
    const QImage over = composed.convertToFormat(QImage::Format_ARGB32);
    qint64 edgePixels = 0, difference = 0;
    for (int y = 0; y < h; ++y) {
        for (int x = 0; x < w; ++x) {
            const int a = qAlpha(f.pixel(x, y));
            if (a == 0 || a == 255 || qAlpha(under.pixel(x, y)) != 255)
                continue;
            ++edgePixels;
            const QRgb o = over.pixel(x, y), u = under.pixel(x, y);
            difference += qAbs(qRed(o) - qRed(u)) + qAbs(qGreen(o) - qGreen(u))
                + qAbs(qBlue(o) - qBlue(u));
        }
    }
    QVERIFY2(edgePixels > 500, QByteArray::number(edgePixels));
    const double meanDifference = double(difference) / (3 * edgePixels);
    QVERIFY2(meanDifference < 2.0, QByteArray::number(meanDifference));
}

void tst_Resources::bundledFontLoadsFromItsUncompressedEntry()
{
    QCOMPARE(QResource(QStringLiteral(":/font/font/azuki.ttf")).compressionAlgorithm(),
             QResource::NoCompression);
    const int id = QFontDatabase::addApplicationFont(QStringLiteral(":/font/font/azuki.ttf"));
    QVERIFY(id >= 0);
    QVERIFY(!QFontDatabase::applicationFontFamilies(id).isEmpty());
    QFontDatabase::removeApplicationFont(id);
}

void tst_Resources::programIconHoldsEverySizeAndDepth()
{
    QImageReader reader(QStringLiteral(PICTUREBOOK_SOURCE_DIR "/resources/picturebook.ico"));
    QVERIFY2(reader.canRead(), qPrintable(reader.errorString()));
    QCOMPARE(reader.imageCount(), 12);
    QMultiMap<int, int> found; // size -> images of that size
    for (int i = 0; i < reader.imageCount(); ++i) {
        QVERIFY(reader.jumpToImage(i));
        const QImage image = reader.read();
        QVERIFY2(!image.isNull(), qPrintable(reader.errorString()));
        QCOMPARE(image.width(), image.height());
        found.insert(image.width(), i);
        // the badge is round: the corners are see-through, the middle is not
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(image.width() / 2, image.height() / 2)), 255);
    }
    for (int size : { 16, 32, 48, 256 })
        QCOMPARE(found.count(size), 3);
}

void tst_Resources::desktopIconsHaveTheirSizes_data()
{
    QTest::addColumn<int>("size");
    for (int size : { 16, 32, 48, 64, 128, 256 })
        QTest::addRow("%dx%d", size, size) << size;
}

void tst_Resources::desktopIconsHaveTheirSizes()
{
    QFETCH(int, size);
    const QImage icon(
        QStringLiteral(PICTUREBOOK_SOURCE_DIR "/resources/icons/hicolor/%1x%1/apps/picturebook.png")
            .arg(size));
    QCOMPARE(icon.size(), QSize(size, size));
    QVERIFY(icon.hasAlphaChannel());
}

QTEST_MAIN(tst_Resources)
#include "tst_resources.moc"

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include <QImageReader>
#include <QPainter>
#include <QTest>

#include <algorithm>

class tst_Resources : public QObject
{
    Q_OBJECT

private slots:
    void everyPictureOpensAtItsSize_data();
    void everyPictureOpensAtItsSize();
    void facesBlendIntoTheirBody_data();
    void facesBlendIntoTheirBody();
    void iconsHoldEverySize_data();
    void iconsHoldEverySize();
};

// Nothing in this program calls Q_INIT_RESOURCE: the bundle registers itself
// while the program is being loaded. Full pages are opaque; the figures are
// see-through around them.
void tst_Resources::everyPictureOpensAtItsSize_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QSize>("size");
    const auto add
        = [](const QString &path, QSize size) { QTest::newRow(qPrintable(path)) << path << size; };
    for (const char *name : { "tyuuka", "black", "eventtovane", "eventruvello1", "eventruvello2",
                              "eventruvello3", "eventruvello4", "eventsorinda" })
        add(QStringLiteral(":/back/pict/%1.png").arg(QLatin1String(name)), { 800, 600 });
    add(QStringLiteral(":/page/pict/page/title.png"), { 800, 600 });
    add(QStringLiteral(":/page/pict/page/content.png"), { 800, 600 });
    add(QStringLiteral(":/body/bride/pict/bride.png"), { 414, 600 });
    add(QStringLiteral(":/body/wolf/pict/wolf_body.png"), { 357, 600 });
    for (int i = 1; i <= 11; ++i)
        add(QStringLiteral(":/body/bride/pict/orima/%1.png").arg(i), { 160, 164 });
    for (int i = 1; i <= 6; ++i)
        add(QStringLiteral(":/body/wolf/pict/wolf/wolf%1.png").arg(i), { 126, 129 });
}

void tst_Resources::everyPictureOpensAtItsSize()
{
    QFETCH(QString, path);
    QFETCH(QSize, size);
    const QImage image = QImage(path).convertToFormat(QImage::Format_ARGB32);
    QCOMPARE(image.size(), size);
    if (size == QSize(800, 600)) { // opaque: nothing is lost without the alpha channel
        QVERIFY(
            image
            == image.convertToFormat(QImage::Format_RGB32).convertToFormat(QImage::Format_ARGB32));
    } else {
        const QRect r = image.rect();
        for (const QPoint corner : { r.topLeft(), r.topRight(), r.bottomLeft(), r.bottomRight() })
            QCOMPARE(qAlpha(image.pixel(corner)), 0);
        QCOMPARE(qAlpha(image.pixel(r.center())), 255);
    }
}

// The offsets are where the reading page lays each face over its body.
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

// Where a face fades out, it must show what the body shows there, or its edge
// would draw a ring on the face it is laid over.
void tst_Resources::facesBlendIntoTheirBody()
{
    QFETCH(QString, face);
    QFETCH(QString, body);
    QFETCH(QPoint, offset);
    const QImage f(face);
    QImage composed
        = QImage(body).convertToFormat(QImage::Format_ARGB32).copy(QRect(offset, f.size()));
    const QImage under = composed;
    QPainter(&composed).drawImage(0, 0, f);
    qint64 edgePixels = 0, difference = 0;
    for (int y = 0; y < f.height(); ++y) {
        for (int x = 0; x < f.width(); ++x) {
            const int a = qAlpha(f.pixel(x, y));
            if (a == 0 || a == 255 || qAlpha(under.pixel(x, y)) != 255)
                continue;
            ++edgePixels;
            const QRgb o = composed.pixel(x, y), u = under.pixel(x, y);
            difference += qAbs(qRed(o) - qRed(u)) + qAbs(qGreen(o) - qGreen(u))
                + qAbs(qBlue(o) - qBlue(u));
        }
    }
    QVERIFY2(edgePixels > 500, QByteArray::number(edgePixels));
    const double meanDifference = double(difference) / (3 * edgePixels);
    QVERIFY2(meanDifference < 2.0, QByteArray::number(meanDifference));
}

// The program icon holds each size three times over (colour depths); the
// desktop icons one each. All are round badges.
void tst_Resources::iconsHoldEverySize_data()
{
    QTest::addColumn<QString>("path");
    QTest::addColumn<QList<int>>("sizes");
    QTest::newRow("picturebook.ico")
        << QStringLiteral(PICTUREBOOK_SOURCE_DIR "/resources/picturebook.ico")
        << QList<int> { 16, 16, 16, 32, 32, 32, 48, 48, 48, 256, 256, 256 };
    for (int size : { 16, 32, 48, 64, 128, 256 }) {
        QTest::addRow("%dx%d", size, size)
            << QStringLiteral(PICTUREBOOK_SOURCE_DIR
                              "/resources/icons/hicolor/%1x%1/apps/picturebook.png")
                   .arg(size)
            << QList<int> { size };
    }
}

void tst_Resources::iconsHoldEverySize()
{
    QFETCH(QString, path);
    QFETCH(QList<int>, sizes);
    QImageReader reader(path);
    QList<int> found;
    for (int i = 0; i < qMax(1, reader.imageCount()); ++i) {
        QVERIFY(i == 0 || reader.jumpToImage(i));
        const QImage image = reader.read().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(image.width(), image.height());
        found << image.width();
        QCOMPARE(qAlpha(image.pixel(0, 0)), 0);
        QCOMPARE(qAlpha(image.pixel(image.rect().center())), 255);
    }
    std::sort(found.begin(), found.end());
    QCOMPARE(found, sizes);
}

QTEST_MAIN(tst_Resources)
#include "tst_resources.moc"

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "novel/formnovel.h"
#include "scenario/tovane.h"

#include <QImage>
#include <QtTest>

#include <memory>

namespace {

QImage paintRecord(int background, const QByteArray &text)
{
    auto table = std::make_unique<Tovane>();
    table->setRecord(0, background, 1, -1, -1, QString::fromLatin1(text));
    table->count = 1;
    FormNovel page;
    page.setScenario(std::move(table));
    return page.grab().toImage().convertToFormat(QImage::Format_ARGB32);
}

} // namespace

class tst_NovelHiDpi : public QObject
{
    Q_OBJECT

private slots:
    void pageIsComposedAtTheScreensDensity();
    void textIsDrawnAtDevicePixels();
};

void tst_NovelHiDpi::pageIsComposedAtTheScreensDensity()
{
    FormNovel page;
    QCOMPARE(page.devicePixelRatioF(), 2.0);

    const QImage background(QStringLiteral(":/back/pict/tyuuka.png"));
    const QImage grabbed = paintRecord(0, {});
    QCOMPARE(grabbed.size(), QSize(1600, 1200));

    // Each picture pixel covers a block of four device pixels.
    for (int y = 0; y < 430; y += 7) {
        for (int x = 0; x < 800; x += 7) {
            if (QRect(10, 370, 131, 51).contains(x, y))
                continue;
            QCOMPARE(grabbed.pixel(2 * x, 2 * y), background.pixel(x, y));
            QCOMPARE(grabbed.pixel(2 * x + 1, 2 * y + 1), background.pixel(x, y));
        }
    }
}

void tst_NovelHiDpi::textIsDrawnAtDevicePixels()
{
    // "あいうえお" on the black background: white strokes on a dark box.
    const QImage grabbed = paintRecord(1, QByteArray("\x82\xa0\x82\xa2\x82\xa4\x82\xa6\x82\xa8"));

    // A page composed at the logical size and scaled up would repeat every
    // pixel over a two-by-two block; strokes drawn at the screen's density
    // change sharply inside such blocks.
    int sharpInsideBlocks = 0;
    for (int y = 2 * 440; y < 2 * 520; ++y) {
        for (int x = 2 * 20; x < 2 * 400; x += 2) {
            if (qAbs(qGray(grabbed.pixel(x, y)) - qGray(grabbed.pixel(x + 1, y))) > 150)
                ++sharpInsideBlocks;
        }
    }
    QVERIFY2(sharpInsideBlocks > 20, qPrintable(QString::number(sharpInsideBlocks)));
}

QTEST_MAIN(tst_NovelHiDpi)
#include "tst_novelhidpi.moc"

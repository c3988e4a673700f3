// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "pictures.h"

#include "dice.h"
#include "paintkit.h"
#include "smallfigures.h"

#include <QFont>
#include <QFontMetricsF>
#include <QLinearGradient>
#include <QPainter>
#include <QtMath>

#include <cmath>

using namespace art;

namespace pictures {

namespace {

// Text as a path, so it can carry an ink outline like the figures do.
QPainterPath textPath(const QString &text, const QFont &font, QPointF centreBaseline)
{
    QPainterPath path;
    const qreal width = QFontMetricsF(font).horizontalAdvance(text);
    path.addText(centreBaseline - QPointF(width / 2, 0), font, text);
    return path;
}

void blossom(QPainter &p, QPointF at, qreal r, qreal turn)
{
    // five rounded petals, each with the little notch of a cherry petal
    const QVector<QPointF> shape = { { 0.12, 0 }, { 0.45, 0.36 }, { 0.92, 0.26 }, { 0.8, 0 },
                                     { 0.92, -0.26 }, { 0.45, -0.36 } };
    for (int i = 0; i < 5; ++i) {
        const qreal a = turn + i * 2 * M_PI / 5;
        const QPointF dir(std::cos(a), std::sin(a));
        const QPointF side(-dir.y(), dir.x());
        QVector<QPointF> pts;
        for (const QPointF &s : shape)
            pts.append(at + dir * s.x() * r + side * s.y() * r);
        const QPainterPath petal = smoothClosed(pts);
        fill(p, petal, QColor(0xfb, 0xd3, 0xdf));
        stroke(p, petal, QColor(0xe0, 0x8f, 0xa8), 1.2);
    }
    fill(p, ellipse(at, r * 0.22, r * 0.22), QColor(0xe9, 0x6f, 0x8e));
    for (int i = 0; i < 5; ++i) {
        const qreal a = turn + (i + 0.5) * 2 * M_PI / 5;
        fill(p, ellipse(at + QPointF(std::cos(a), std::sin(a)) * r * 0.34, r * 0.05, r * 0.05),
             QColor(0xe6, 0xb0, 0x3c));
    }
}

} // namespace

QImage title(const QString &fontFamily)
{
    QImage image = canvas(800, 600, Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, 600);
    sky.setColorAt(0, QColor(0x2a, 0x2d, 0x68));
    sky.setColorAt(0.55, QColor(0x8e, 0x6a, 0xa8));
    sky.setColorAt(1, QColor(0xf6, 0xc3, 0xd3));
    p.fillRect(QRectF(0, 0, 800, 600), sky);
    Dice d(5);
    for (int i = 0; i < 110; ++i) {
        const QPointF at(d.range(0, 800), d.range(0, 260));
        const qreal r = d.next() < 0.15 ? 1.8 : 1.0;
        fill(p, ellipse(at, r, r), QColor(255, 255, 255, int(d.range(110, 240))));
    }
    for (int i = 8; i >= 1; --i)
        fill(p, ellipse({ 722, 68 }, 38 + i * 5, 38 + i * 5), QColor(255, 246, 220, 12));
    fill(p, ellipse({ 722, 68 }, 38, 38), QColor(0xfd, 0xf3, 0xd6));

    // hills, blossoming trees at both sides and the two in the middle
    fill(p, smoothClosed({ { -10, 430 }, { 200, 380 }, { 400, 410 }, { 600, 372 }, { 810, 420 }, { 810, 610 },
                           { -10, 610 } }),
         QColor(0x6c, 0x5a, 0x9a));
    const QColor bark(0x5a, 0x3e, 0x48);
    for (const auto &[x, flip] : { std::pair{ 90.0, 1.0 }, std::pair{ 710.0, -1.0 } }) {
        QVector<QPointF> trunk = { { x - 16, 612 }, { x - 10, 470 }, { x + flip * 20, 360 }, { x + flip * 30, 362 },
                                   { x + 12, 470 }, { x + 18, 612 } };
        fill(p, smoothClosed(trunk), bark);
        for (int i = 0; i < 9; ++i) {
            const QPointF at(x + flip * (20 + std::cos(i * 1.7) * 70), 330 + std::sin(i * 2.3) * 50);
            fill(p, fluffy(at, 58, 44, 9, 0.1, i), i % 3 ? QColor(0xf6, 0xbb, 0xcc) : QColor(0xfc, 0xdd, 0xe6));
        }
    }
    fill(p, smoothClosed({ { -10, 540 }, { 260, 500 }, { 400, 520 }, { 560, 498 }, { 810, 540 }, { 810, 610 },
                           { -10, 610 } }),
         QColor(0x4e, 0x3f, 0x7a));
    smallfigures::Look look;
    smallfigures::wolfStanding(p, { 368, 540 }, 200, look);
    look.facingRight = false;
    smallfigures::brideStanding(p, { 444, 540 }, 132, look);
    for (int i = 0; i < 40; ++i) {
        const QPointF at(d.range(0, 800), d.range(330, 590));
        p.save();
        p.translate(at);
        p.rotate(i * 41);
        fill(p, smoothClosed({ { 0, -4 }, { 3, 0 }, { 0, 3.6 }, { -3, 0 } }), QColor(0xfb, 0xd2, 0xdf));
        p.restore();
    }

    // the title, above the start button
    QFont font(fontFamily);
    font.setPixelSize(78);
    const QPainterPath text = textPath(QStringLiteral("花嫁とおおかみ"), font, { 400, 148 });
    p.fillPath(text.translated(4, 5), QColor(0x2a, 0x1e, 0x4a, 160));
    stroke(p, text, QColor(0x5a, 0x2e, 0x5e), 9);
    fill(p, text, QColor(0xff, 0xf6, 0xf2));
    blossom(p, { 138, 82 }, 20, 0.3);
    blossom(p, { 660, 150 }, 15, 1.1);

    QFont small(fontFamily);
    small.setPixelSize(24);
    const QPainterPath subtitle = textPath(QStringLiteral("みっつの ちいさな おはなし"), small, { 400, 198 });
    stroke(p, subtitle, QColor(0x4e, 0x3f, 0x7a), 5);
    fill(p, subtitle, QColor(0xff, 0xf6, 0xf2));
    return image;
}

QImage contents(const QString &fontFamily)
{
    Q_UNUSED(fontFamily);
    QImage image = canvas(800, 600, Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor paper(0xff, 0xf5, 0xe8), rose(0xd9, 0x8a, 0xa0), roseLight(0xf3, 0xc4, 0xd2);
    p.fillRect(QRectF(0, 0, 800, 600), QColor(0xf7, 0xd9, 0xe3));
    const QPainterPath sheet = [] {
        QPainterPath r;
        r.addRoundedRect(QRectF(22, 22, 756, 556), 26, 26);
        return r;
    }();
    fill(p, sheet, paper);
    stroke(p, sheet, rose, 3);
    QPainterPath inner;
    inner.addRoundedRect(QRectF(34, 34, 732, 532), 20, 20);
    stroke(p, inner, roseLight, 1.6);

    // a round picture of the two under the blossoms, right of the buttons
    const QPointF centre(580, 330);
    const qreal r = 150;
    p.save();
    p.setClipPath(ellipse(centre, r, r));
    QLinearGradient sky(0, centre.y() - r, 0, centre.y() + r);
    sky.setColorAt(0, QColor(0x8c, 0xc8, 0xef));
    sky.setColorAt(1, QColor(0xf2, 0xf8, 0xfb));
    p.fillRect(QRectF(centre.x() - r, centre.y() - r, 2 * r, 2 * r), sky);
    fill(p, ellipse({ 500, 270 }, 44, 14), QColor(255, 255, 255, 220));
    fill(p, smoothClosed({ { 420, 420 }, { 520, 396 }, { 640, 400 }, { 740, 420 }, { 740, 490 }, { 420, 490 } }),
         QColor(0x8f, 0xc8, 0x6c));
    fill(p, smoothClosed({ { 420, 450 }, { 580, 436 }, { 740, 452 }, { 740, 490 }, { 420, 490 } }),
         QColor(0x7c, 0xb8, 0x5c));
    const QColor bark(0x6b, 0x4a, 0x3e);
    fill(p, smoothClosed({ { 700, 180 }, { 740, 170 }, { 740, 200 }, { 650, 230 }, { 560, 226 }, { 520, 216 },
                           { 600, 210 } }),
         bark);
    for (int i = 0; i < 9; ++i) {
        const QPointF at(470 + i * 32, 188 + std::sin(i * 1.9) * 18);
        fill(p, fluffy(at, 34, 26, 9, 0.1, i), i % 3 ? QColor(0xf6, 0xbb, 0xcc) : QColor(0xfc, 0xdd, 0xe6));
    }
    smallfigures::Look look;
    look.facingRight = false;
    smallfigures::wolfSitting(p, { 640, 436 }, 190, look);
    look.facingRight = true;
    smallfigures::brideSitting(p, { 548, 440 }, 128, look);
    Dice d(17);
    for (int i = 0; i < 26; ++i) {
        p.save();
        p.translate(d.range(440, 720), d.range(220, 420));
        p.rotate(d.range(0, 180));
        fill(p, smoothClosed({ { 0, -4 }, { 3, 0 }, { 0, 3.6 }, { -3, 0 } }), QColor(0xfb, 0xd2, 0xdf));
        p.restore();
    }
    p.restore();
    stroke(p, ellipse(centre, r, r), QColor(0xff, 0xff, 0xff), 8);
    stroke(p, ellipse(centre, r + 5, r + 5), rose, 3);

    // blossom sprays in the corners and round the picture
    for (const auto &[at, size] : { std::pair{ QPointF(60, 60), 22.0 }, std::pair{ QPointF(96, 48), 14.0 },
                                    std::pair{ QPointF(48, 100), 12.0 }, std::pair{ QPointF(740, 60), 20.0 },
                                    std::pair{ QPointF(706, 46), 13.0 }, std::pair{ QPointF(60, 540), 20.0 },
                                    std::pair{ QPointF(100, 552), 13.0 }, std::pair{ QPointF(740, 540), 22.0 },
                                    std::pair{ QPointF(700, 552), 14.0 }, std::pair{ QPointF(752, 500), 12.0 },
                                    std::pair{ QPointF(452, 214), 18.0 }, std::pair{ QPointF(436, 250), 11.0 },
                                    std::pair{ QPointF(706, 454), 17.0 }, std::pair{ QPointF(676, 478), 11.0 } })
        blossom(p, at, size, at.x() * 0.01);
    // drifting petals along the bottom, clear of the buttons
    for (int i = 0; i < 18; ++i) {
        const QPointF at(150 + i * 30, 500 + std::sin(i * 0.9) * 18);
        p.save();
        p.translate(at);
        p.rotate(i * 47);
        fill(p, smoothClosed({ { 0, -5 }, { 3.6, 0 }, { 0, 4.5 }, { -3.6, 0 } }), roseLight);
        p.restore();
    }
    // a thin rule under the heading's place
    stroke(p, smoothOpen({ { 300, 146 }, { 405, 142 }, { 510, 146 } }), rose, 2);
    return image;
}

} // namespace pictures

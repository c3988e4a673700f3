// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "scenes.h"

#include "paintkit.h"
#include "dice.h"
#include "smallfigures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>
#include <QtMath>

#include <cmath>
#include <tuple>

using namespace art;
using smallfigures::Look;

namespace scenes {

namespace {

void sky(QPainter &p, const QRectF &r, const QColor &top, const QColor &bottom)
{
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, top);
    g.setColorAt(1, bottom);
    p.fillRect(r, g);
}

void stars(QPainter &p, int count, const QRectF &area, quint32 seed, const QColor &colour)
{
    Dice d(seed);
    for (int i = 0; i < count; ++i) {
        const QPointF at(d.range(area.left(), area.right()), d.range(area.top(), area.bottom()));
        const qreal r = d.next() < 0.85 ? d.range(0.7, 1.4) : d.range(1.6, 2.4);
        fill(p, ellipse(at, r, r), alpha(colour, int(d.range(140, 255))));
        if (r > 1.8) {
            stroke(p, smoothOpen({ at + QPointF(-r * 2.5, 0), at + QPointF(r * 2.5, 0) }),
                   alpha(colour, 120), 0.8);
            stroke(p, smoothOpen({ at + QPointF(0, -r * 2.5), at + QPointF(0, r * 2.5) }),
                   alpha(colour, 120), 0.8);
        }
    }
}

void moon(QPainter &p, QPointF at, qreal r, const QColor &face, const QColor &glow)
{
    for (int i = 10; i >= 1; --i)
        fill(p, ellipse(at, r * (1 + 0.09 * i), r * (1 + 0.09 * i)), alpha(glow, 10));
    fill(p, ellipse(at, r, r), face);
    const QColor mark = face.darker(108);
    fill(p, ellipse(at + QPointF(-r * 0.3, -r * 0.2), r * 0.22, r * 0.18), mark);
    fill(p, ellipse(at + QPointF(r * 0.25, r * 0.3), r * 0.16, r * 0.14), mark);
    fill(p, ellipse(at + QPointF(r * 0.35, -r * 0.35), r * 0.1, r * 0.09), mark);
}

// A ridge line across the picture, filled down to the bottom edge.
QPainterPath ridge(const QVector<QPointF> &line, qreal bottom = 612)
{
    QPainterPath path = smoothOpen(line);
    path.lineTo(line.last().x(), bottom);
    path.lineTo(line.first().x(), bottom);
    path.closeSubpath();
    return path;
}

void pine(QPainter &p, QPointF base, qreal h, const QColor &green, const QColor &snow)
{
    const qreal w = h * 0.42;
    fill(p, polygon({ base + QPointF(-w * 0.08, 0), base + QPointF(w * 0.08, 0),
                      base + QPointF(w * 0.08, -h * 0.2), base + QPointF(-w * 0.08, -h * 0.2) }),
         mix(QColor(0x4a, 0x34, 0x2c), green, 0.45)); // bark takes on the tree's light
    for (int tier = 0; tier < 3; ++tier) {
        const qreal bottom = -h * (0.12 + tier * 0.24);
        const qreal top = bottom - h * 0.46;
        const qreal half = w * (1.0 - tier * 0.24);
        const QPainterPath t = polygon({ base + QPointF(-half, bottom), base + QPointF(0, top),
                                         base + QPointF(half, bottom) });
        fill(p, t, green);
        if (snow.isValid()) {
            fillWithin(p, t, smoothClosed({ base + QPointF(-half * 0.55, top + h * 0.22),
                                            base + QPointF(0, top - 2),
                                            base + QPointF(half * 0.55, top + h * 0.22),
                                            base + QPointF(half * 0.2, top + h * 0.17),
                                            base + QPointF(-half * 0.2, top + h * 0.2) }),
                       snow);
        }
    }
}

void leafyTree(QPainter &p, QPointF base, qreal h, const QColor &trunk, const QColor &leaf,
               const QColor &leafLight, quint32 seed)
{
    Dice d(seed);
    fill(p, polygon({ base + QPointF(-h * 0.05, 0), base + QPointF(h * 0.05, 0),
                      base + QPointF(h * 0.03, -h * 0.6), base + QPointF(-h * 0.03, -h * 0.6) }),
         trunk);
    const QPointF crown = base + QPointF(0, -h * 0.68);
    fill(p, fluffy(crown, h * 0.3, h * 0.3, 7, 0.12, d.range(0, 6)), leaf);
    for (int i = 0; i < 4; ++i) {
        const QPointF at = crown + QPointF(d.range(-h * 0.16, h * 0.1), d.range(-h * 0.18, h * 0.02));
        fill(p, ellipse(at, h * 0.09, h * 0.07), leafLight);
    }
}

void flowerDots(QPainter &p, const QRectF &area, int count, quint32 seed,
                const QList<QColor> &colours)
{
    Dice d(seed);
    for (int i = 0; i < count; ++i) {
        const QPointF at(d.range(area.left(), area.right()), d.range(area.top(), area.bottom()));
        const qreal r = d.range(2.5, 4.5) * (0.6 + 0.4 * (at.y() - area.top()) / area.height());
        fill(p, fluffy(at, r, r, 5, 0.35, d.range(0, 6)), colours[i % colours.size()]);
        fill(p, ellipse(at, r * 0.3, r * 0.3), QColor(0xf6, 0xd3, 0x5c));
    }
}

void petal(QPainter &p, QPointF at, qreal size, qreal angle, const QColor &colour)
{
    p.save();
    p.translate(at);
    p.rotate(angle);
    fill(p, smoothClosed({ { 0, -size }, { size * 0.7, 0 }, { 0, size * 0.9 }, { -size * 0.7, 0 } }),
         colour);
    p.restore();
}

void cherryCrown(QPainter &p, QPointF centre, qreal rx, qreal ry, quint32 seed)
{
    Dice d(seed);
    const QColor deep(0xee, 0x9c, 0xb6), mid(0xf6, 0xbb, 0xcc), light(0xfc, 0xdd, 0xe6);
    for (const auto &[colour, count, spread] :
         { std::tuple{ deep, 14, 1.0 }, std::tuple{ mid, 16, 0.85 }, std::tuple{ light, 12, 0.65 } }) {
        for (int i = 0; i < count; ++i) {
            const qreal a = d.range(0, 2 * M_PI);
            const qreal k = std::sqrt(d.next()) * spread;
            QPointF at = centre + QPointF(std::cos(a) * rx * k * 0.8, std::sin(a) * ry * k * 0.7);
            if (colour == light)
                at += QPointF(-rx * 0.12, -ry * 0.15); // lit from the upper left
            const qreal r = d.range(0.22, 0.34) * std::min(rx, ry);
            fill(p, fluffy(at, r, r * 0.85, 9, 0.1, d.range(0, 6)), colour);
        }
    }
}

void branch(QPainter &p, const QVector<QPointF> &line, qreal w0, qreal w1, const QColor &colour)
{
    // a tapering limb, as a filled outline on both sides of the centre line
    QVector<QPointF> left, right;
    for (int i = 0; i < line.size(); ++i) {
        const QPointF a = line[std::max(0, i - 1)], b = line[std::min(int(line.size()) - 1, i + 1)];
        QPointF n(-(b - a).y(), (b - a).x());
        const qreal len = std::hypot(n.x(), n.y());
        n /= len;
        const qreal w = (w0 + (w1 - w0) * i / (line.size() - 1)) / 2;
        left.append(line[i] + n * w);
        right.prepend(line[i] - n * w);
    }
    fill(p, smoothClosed(left + right), colour);
}

// ------------------------------------------------------------ the scenes

QImage room()
{
    QImage image = canvas(800, 600, Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor plaster(0xf0, 0xdb, 0xb8), plasterShade(0xe4, 0xca, 0xa2);
    const QColor wood(0x9c, 0x62, 0x3c), woodDark(0x7a, 0x47, 0x2a), woodLight(0xb5, 0x7a, 0x4e);
    const QColor lacquer(0xb3, 0x35, 0x2a), lacquerDark(0x86, 0x24, 0x1e);
    const QColor gold(0xe6, 0xbb, 0x58);

    p.fillRect(QRectF(0, 0, 800, 600), plaster);
    // soft warm light pooling behind the figures
    fill(p, ellipse({ 400, 250 }, 380, 260), plaster.lighter(104));
    p.fillRect(QRectF(0, 0, 800, 70), plasterShade);

    // the round window, closed with a paper screen: it glows softly whether
    // daylight or the lamp lights it, so the room serves morning and night
    const QPointF win(400, 205);
    const qreal wr = 118;
    const QPainterPath pane = ellipse(win, wr, wr);
    {
        QRadialGradient paper(win, wr);
        paper.setColorAt(0, QColor(0xfd, 0xf3, 0xdc));
        paper.setColorAt(0.7, QColor(0xf7, 0xe6, 0xc4));
        paper.setColorAt(1, QColor(0xec, 0xd3, 0xa8));
        p.fillPath(pane, paper);
        p.save();
        p.setClipPath(ellipse(win, wr - 26, wr - 26));
        const QColor frame(0xa8, 0x6c, 0x40);
        for (int i = -3; i <= 3; ++i) {
            p.fillRect(QRectF(win.x() + i * 28 - 1.5, win.y() - wr, 3, 2 * wr), frame);
            p.fillRect(QRectF(win.x() - wr, win.y() + i * 28 - 1.5, 2 * wr, 3), frame);
        }
        p.restore();
    }
    // lattice: a ring of small panes round the screen
    {
        const QColor bar(0x8a, 0x2c, 0x22);
        stroke(p, ellipse(win, wr - 26, wr - 26), bar, 5);
        for (int i = 0; i < 16; ++i) {
            const qreal a = i * M_PI / 8;
            const QPointF dir(std::cos(a), std::sin(a));
            stroke(p, smoothOpen({ win + dir * (wr - 26), win + dir * wr }), bar, 4);
            const QPointF mid = win + QPointF(std::cos(a + M_PI / 16), std::sin(a + M_PI / 16)) * (wr - 13);
            stroke(p, ellipse(mid, 4, 4), bar, 2.5);
        }
    }
    stroke(p, pane, lacquer, 16);
    stroke(p, ellipse(win, wr + 9, wr + 9), gold, 2.5);
    stroke(p, ellipse(win, wr - 8, wr - 8), lacquerDark, 2);

    // ceiling beams with a fret border
    p.fillRect(QRectF(0, 0, 800, 34), woodDark);
    p.fillRect(QRectF(0, 34, 800, 14), lacquer);
    for (int x = 0; x < 800; x += 28) {
        QPainterPath fret;
        fret.moveTo(x + 4, 45);
        fret.lineTo(x + 4, 38);
        fret.lineTo(x + 18, 38);
        fret.lineTo(x + 18, 44);
        fret.lineTo(x + 10, 44);
        stroke(p, fret, gold, 1.6);
    }
    p.fillRect(QRectF(0, 48, 800, 5), woodDark);

    // red lacquer pillars at both sides
    for (const qreal x : { 0.0, 760.0 }) {
        p.fillRect(QRectF(x, 48, 40, 552), lacquer);
        p.fillRect(QRectF(x + (x > 0 ? 0 : 30), 48, 10, 552), lacquerDark);
        p.fillRect(QRectF(x, 90, 40, 8), gold);
    }

    // wainscot and floor
    p.fillRect(QRectF(40, 340, 720, 130), wood);
    for (int i = 0; i < 6; ++i) {
        const QRectF panel(56 + i * 118, 356, 100, 96);
        p.fillRect(panel, woodLight);
        p.fillRect(panel.adjusted(8, 8, -8, -8), wood);
    }
    p.fillRect(QRectF(40, 332, 720, 10), woodDark);
    p.fillRect(QRectF(0, 470, 800, 130), QColor(0x8a, 0x55, 0x33));
    for (int i = 0; i < 6; ++i)
        p.fillRect(QRectF(0, 492 + i * 20 + i * i * 2, 800, 2), QColor(0x73, 0x45, 0x28));
    p.fillRect(QRectF(0, 468, 800, 6), woodDark);

    // the stove with its kettle, at the left
    {
        const QColor iron(0x3e, 0x3b, 0x3f), ironLight(0x5a, 0x56, 0x5c);
        p.fillRect(QRectF(96, 70, 16, 190), iron);
        const QPainterPath stove = smoothClosed({ { 60, 260 }, { 150, 260 }, { 156, 300 }, { 152, 440 },
                                                  { 58, 440 }, { 54, 300 } });
        fill(p, stove, iron);
        p.fillRect(QRectF(50, 252, 112, 12), ironLight);
        const QPainterPath door = smoothClosed({ { 78, 330 }, { 132, 330 }, { 132, 392 }, { 78, 392 } });
        fill(p, door, QColor(0x2a, 0x27, 0x2b));
        fill(p, ellipse({ 105, 372 }, 20, 12), QColor(0xf3, 0x92, 0x3a));
        fill(p, ellipse({ 105, 376 }, 12, 7), QColor(0xfb, 0xd3, 0x6a));
        for (const qreal x : { 64.0, 138.0 })
            p.fillRect(QRectF(x, 440, 10, 26), iron);
        // kettle
        const QPainterPath kettle = smoothClosed({ { 86, 252 }, { 84, 230 }, { 104, 216 }, { 126, 230 },
                                                   { 124, 252 } });
        fill(p, kettle, QColor(0x6f, 0x8d, 0x94));
        fill(p, polygon({ { 124, 240 }, { 144, 222 }, { 140, 232 }, { 124, 248 } }), QColor(0x6f, 0x8d, 0x94));
        stroke(p, smoothOpen({ { 92, 222 }, { 105, 200 }, { 118, 222 } }), iron, 3);
        for (int i = 0; i < 3; ++i)
            stroke(p, smoothOpen({ { 146.0 + i * 6, 214.0 - i * 4 }, { 152.0 + i * 8, 196.0 - i * 6 },
                                   { 146.0 + i * 8, 178.0 - i * 8 }, { 154.0 + i * 8, 160.0 - i * 8 } }),
                   QColor(255, 255, 255, 150), 3);
    }

    // a hanging scroll and a shelf with pots at the right
    {
        stroke(p, smoothOpen({ { 692, 53 }, { 664, 100 } }), woodDark, 1.5);
        stroke(p, smoothOpen({ { 692, 53 }, { 720, 100 } }), woodDark, 1.5);
        p.fillRect(QRectF(644, 100, 96, 6), woodDark);
        p.fillRect(QRectF(650, 106, 84, 178), QColor(0xf7, 0xf0, 0xdf));
        p.fillRect(QRectF(644, 284, 96, 8), woodDark);
        fill(p, ridge({ { 656, 230 }, { 676, 190 }, { 692, 210 }, { 712, 170 }, { 728, 230 } }, 274),
             QColor(0x9a, 0xa7, 0xa6));
        fill(p, ellipse({ 706, 140 }, 12, 12), QColor(0xd9, 0x5a, 0x4a));
        for (int i = 0; i < 3; ++i)
            stroke(p, smoothOpen({ { 664.0 + i * 10, 250 }, { 684.0 + i * 10, 246 } }), QColor(0x6a, 0x77, 0x76), 2);
    }

    // hanging lanterns with their glow
    for (const QPointF at : { QPointF(222, 128), QPointF(578, 128) }) {
        for (int i = 3; i >= 1; --i)
            fill(p, ellipse(at, 50 + i * 22, 50 + i * 22), QColor(255, 210, 140, 26));
        stroke(p, smoothOpen({ { at.x(), 53 }, { at.x(), at.y() - 40 } }), woodDark, 2);
        p.fillRect(QRectF(at.x() - 20, at.y() - 44, 40, 9), gold);
        p.fillRect(QRectF(at.x() - 20, at.y() + 36, 40, 9), gold);
        const QPainterPath body = ellipse(at, 40, 40);
        fill(p, body, QColor(0xd8, 0x3f, 0x33));
        fillWithin(p, body, ellipse(at + QPointF(-8, -8), 24, 30), QColor(0xf0, 0x6a, 0x4a));
        for (const qreal dx : { -20.0, 0.0, 20.0 })
            stroke(p, smoothOpen({ at + QPointF(dx * 0.6, -38), at + QPointF(dx, 0), at + QPointF(dx * 0.6, 38) }),
                   QColor(0xa8, 0x2a, 0x22), 1.6);
        for (int i = -2; i <= 2; ++i)
            stroke(p, smoothOpen({ at + QPointF(i * 3, 45), at + QPointF(i * 4, 78) }), QColor(0xd8, 0x3f, 0x33), 2);
    }

    // the round lacquer table with tea, and the lamp she lit
    {
        const QPainterPath top = ellipse({ 400, 400 }, 150, 30);
        for (const qreal x : { 290.0, 380.0, 500.0 })
            p.fillRect(QRectF(x, 404, 18, 90), lacquerDark);
        fill(p, ellipse({ 400, 408 }, 150, 30), lacquerDark);
        fill(p, top, lacquer);
        fillWithin(p, top, ellipse({ 380, 392 }, 110, 16), QColor(0xc7, 0x4a, 0x3c));
        const QColor porcelain(0xf5, 0xf3, 0xee), blue(0x4f, 0x6e, 0xa8);
        const QPainterPath pot = smoothClosed({ { 376, 400 }, { 370, 380 }, { 384, 364 }, { 408, 364 },
                                                { 422, 380 }, { 416, 400 } });
        fill(p, pot, porcelain);
        fillWithin(p, pot, polygon({ { 360, 378 }, { 440, 378 }, { 440, 384 }, { 360, 384 } }), blue);
        fill(p, ellipse({ 396, 362 }, 8, 4), blue);
        stroke(p, smoothOpen({ { 420, 372 }, { 438, 362 }, { 432, 382 } }), porcelain.darker(110), 4);
        fill(p, polygon({ { 372, 384 }, { 352, 368 }, { 356, 366 }, { 376, 378 } }), porcelain);
        for (const QPointF c : { QPointF(330, 404), QPointF(466, 406) }) {
            fill(p, smoothClosed({ c + QPointF(-12, -10), c + QPointF(12, -10), c + QPointF(8, 4),
                                   c + QPointF(-8, 4) }),
                 porcelain);
            p.fillRect(QRectF(c.x() - 11, c.y() - 6, 22, 2.5), blue);
            fill(p, ellipse(c + QPointF(0, -10), 12, 3), QColor(0xa8, 0x7a, 0x3a));
        }
        const QPointF lamp(292, 396);
        // the lamp is lit: its warm light pools on the table and reaches the wall
        fillWithin(p, top, ellipse(lamp + QPointF(20, 2), 90, 22), QColor(255, 206, 120, 60));
        for (int i = 10; i >= 1; --i)
            fill(p, ellipse(lamp + QPointF(0, -40), 10 + i * 11, 10 + i * 11),
                 QColor(255, 214, 140, 18));
        fill(p, smoothClosed({ lamp + QPointF(-16, 0), lamp + QPointF(-12, -14), lamp + QPointF(12, -14),
                               lamp + QPointF(16, 0) }),
             QColor(0x6f, 0x8d, 0x94));
        fill(p, smoothClosed({ lamp + QPointF(-9, -14), lamp + QPointF(-12, -36), lamp + QPointF(-6, -58),
                               lamp + QPointF(6, -58), lamp + QPointF(12, -36), lamp + QPointF(9, -14) }),
             QColor(255, 248, 230, 170));
        fill(p, smoothClosed({ lamp + QPointF(0, -48), lamp + QPointF(5, -34), lamp + QPointF(0, -28),
                               lamp + QPointF(-5, -34) }),
             QColor(0xfb, 0xb8, 0x4a));
    }
    return image;
}

QImage black()
{
    return canvas(800, 600, Qt::black);
}

QImage howlingHill()
{
    QImage image = canvas(800, 600, Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    sky(p, QRectF(0, 0, 800, 600), QColor(0x0c, 0x14, 0x33), QColor(0x33, 0x48, 0x80));
    stars(p, 170, QRectF(0, 0, 800, 380), 2, QColor(0xf4, 0xf1, 0xff));
    const QPointF moonAt(540, 196);
    moon(p, moonAt, 118, QColor(0xfb, 0xf2, 0xd2), QColor(0xdc, 0xe6, 0xff));

    fill(p, ridge({ { -10, 380 }, { 120, 320 }, { 230, 356 }, { 360, 300 }, { 500, 372 }, { 640, 330 },
                    { 810, 360 } }),
         QColor(0x46, 0x5c, 0x93));
    fill(p, ridge({ { -10, 420 }, { 140, 396 }, { 300, 430 }, { 460, 410 }, { 620, 440 }, { 810, 420 } }),
         QColor(0x6a, 0x80, 0xb4));
    // far forest on the lower ridge
    Dice d(7);
    for (int i = 0; i < 26; ++i) {
        const qreal x = d.range(-10, 810);
        pine(p, { x, 430 + d.range(-6, 16) }, d.range(34, 60), QColor(0x2d, 0x3f, 0x70),
             QColor(0xb9, 0xc9, 0xe8));
    }
    // the snowy hill where the two stand
    const QPainterPath hill = ridge({ { -10, 470 }, { 180, 440 }, { 380, 380 }, { 540, 350 }, { 680, 368 },
                                      { 810, 410 } });
    fill(p, hill, QColor(0xe4, 0xec, 0xfa));
    fillWithin(p, hill, ridge({ { -10, 520 }, { 200, 500 }, { 420, 470 }, { 620, 450 }, { 810, 470 } }),
               QColor(0xc7, 0xd4, 0xf0));
    fillWithin(p, hill, ellipse({ 700, 360 }, 140, 30), QColor(0xf6, 0xf8, 0xff));
    for (const QPointF at : { QPointF(90, 470), QPointF(150, 462), QPointF(740, 420) })
        pine(p, at, 110, QColor(0x24, 0x36, 0x60), QColor(0xe9, 0xef, 0xfb));

    // the two against the moon
    Look sil;
    sil.tint = QColor(0x1c, 0x2a, 0x66, 110);
    sil.rim = QColor(0xd6, 0xe2, 0xff);
    smallfigures::wolfStanding(p, { 520, 358 }, 190, sil, 55);
    sil.facingRight = false;
    smallfigures::brideStanding(p, { 586, 354 }, 118, sil);

    // light snowfall
    Dice s(11);
    for (int i = 0; i < 90; ++i) {
        const QPointF at(s.range(0, 800), s.range(0, 600));
        const qreal r = s.range(1.2, 2.8);
        fill(p, ellipse(at, r, r), QColor(255, 255, 255, int(s.range(120, 220))));
    }
    return image;
}

QImage forestPath()
{
    QImage image = canvas(800, 600, Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    sky(p, QRectF(0, 0, 800, 360), QColor(0xe2, 0xf2, 0xe4), QColor(0xfb, 0xf4, 0xd6));
    // distant trees in the morning haze
    for (int i = 0; i < 12; ++i)
        leafyTree(p, { 20.0 + i * 70, 330 }, 170 + (i % 3) * 30, QColor(0xa4, 0xb5, 0x9a),
                  QColor(0xbc, 0xd6, 0xab), QColor(0xcc, 0xe2, 0xb8), 30 + i);
    fill(p, ridge({ { -10, 330 }, { 400, 320 }, { 810, 332 } }), QColor(0x9c, 0xc7, 0x7c));
    // the path, winding towards the light
    fill(p, smoothClosed({ { 380, 322 }, { 420, 322 }, { 470, 360 }, { 560, 430 }, { 600, 612 }, { 180, 612 },
                           { 280, 470 }, { 360, 380 } }),
         QColor(0xe9, 0xd3, 0xa6));
    fill(p, smoothClosed({ { 392, 326 }, { 410, 326 }, { 440, 360 }, { 470, 430 }, { 420, 612 }, { 320, 612 },
                           { 360, 470 }, { 380, 380 } }),
         QColor(0xf3, 0xe2, 0xbb));
    // sun rays through the leaves
    for (int i = 0; i < 4; ++i) {
        const qreal x = 300 + i * 90;
        fill(p, polygon({ { x, 0 }, { x + 40, 0 }, { x - 60 + 40, 600 }, { x - 140, 600 } }),
             QColor(255, 250, 215, 40));
    }
    flowerDots(p, QRectF(20, 350, 250, 240), 60, 3, { QColor(0xf6, 0xb6, 0xc8), Qt::white, QColor(0xf8, 0xe0, 0x7a) });
    flowerDots(p, QRectF(560, 350, 230, 240), 60, 4, { QColor(0xf6, 0xb6, 0xc8), Qt::white, QColor(0xb8, 0xa6, 0xe8) });
    // near trees framing the path
    const QColor bark(0x7a, 0x55, 0x3a);
    for (const auto &[x, w] : { std::pair{ 60.0, 46.0 }, std::pair{ 190.0, 30.0 }, std::pair{ 640.0, 34.0 },
                                std::pair{ 750.0, 52.0 } }) {
        fill(p, polygon({ { x - w / 2, 612 }, { x + w / 2, 612 }, { x + w * 0.35, 0 }, { x - w * 0.35, 0 } }), bark);
        fill(p, polygon({ { x + w * 0.1, 612 }, { x + w / 2, 612 }, { x + w * 0.35, 0 }, { x + w * 0.1, 0 } }),
             bark.darker(115));
    }
    const QColor leaf(0x6f, 0xa8, 0x5a), leafLight(0x95, 0xc7, 0x6c);
    for (int i = 0; i < 9; ++i) {
        const QPointF at(i * 100.0, i % 2 ? 30 : 10);
        fill(p, fluffy(at, 110, 70, 8, 0.1, i), i % 2 ? leaf : leafLight);
    }
    // wind streaming past them
    for (int i = 0; i < 7; ++i) {
        const qreal y = 250 + i * 22;
        const qreal x = 240 - (i % 3) * 30;
        stroke(p, smoothOpen({ { x, y }, { x + 60, y - 2 }, { x + 110, y + 1 } }), QColor(255, 255, 255, 170), 3);
    }
    for (int i = 0; i < 9; ++i) {
        const QPointF at(200 + i * 26, 230 + (i * 37) % 120);
        p.save();
        p.translate(at);
        p.rotate(i * 40);
        fill(p, smoothClosed({ { 0, -6 }, { 4, 0 }, { 0, 6 }, { -4, 0 } }), i % 2 ? leaf : leafLight);
        p.restore();
    }
    Look look;
    smallfigures::wolfRunning(p, { 440, 404 }, 190, look, true);
    return image;
}

QImage stream()
{
    QImage image = canvas(800, 600, Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    sky(p, QRectF(0, 0, 800, 300), QColor(0xa9, 0xd5, 0xf2), QColor(0xe4, 0xf3, 0xf7));
    fill(p, ellipse({ 140, 80 }, 60, 22), QColor(255, 255, 255, 220));
    fill(p, ellipse({ 190, 70 }, 50, 26), QColor(255, 255, 255, 220));
    fill(p, ridge({ { -10, 200 }, { 120, 120 }, { 260, 190 }, { 420, 100 }, { 600, 180 }, { 810, 130 } }),
         QColor(0x9e, 0xb8, 0xcf));
    fill(p, ridge({ { -10, 250 }, { 200, 200 }, { 380, 240 }, { 560, 196 }, { 810, 240 } }),
         QColor(0x7d, 0xae, 0x86));
    // banks
    fill(p, ridge({ { -10, 290 }, { 800, 280 } }), QColor(0x8c, 0xc0, 0x72));
    for (int i = 0; i < 14; ++i)
        pine(p, { 10.0 + i * 60, 290.0 - (i % 2) * 6 }, 90 + (i % 3) * 20, QColor(0x4f, 0x86, 0x5c), QColor());
    // the stream comes down from the mountains towards us
    const QPainterPath water = smoothClosed({ { 330, 282 }, { 380, 282 }, { 420, 330 }, { 470, 400 },
                                              { 560, 480 }, { 640, 612 }, { 240, 612 }, { 300, 480 },
                                              { 320, 400 }, { 300, 330 } });
    fill(p, water, QColor(0x6a, 0xb7, 0xdb));
    fillWithin(p, water, smoothClosed({ { 350, 282 }, { 366, 282 }, { 400, 400 }, { 460, 612 }, { 360, 612 },
                                        { 360, 400 } }),
               QColor(0x8c, 0xcd, 0xe8));
    Dice d(5);
    for (int i = 0; i < 28; ++i) {
        const qreal y = d.range(300, 590);
        const qreal x = 360 + (y - 300) * 0.25 + d.range(-60, 80);
        stroke(p, smoothOpen({ { x, y }, { x + 14, y - 2 }, { x + 26, y } }), QColor(255, 255, 255, 170), 2);
    }
    // stepping stones across it
    for (int i = 0; i < 5; ++i) {
        const QPointF at(300 + i * 66, 470 - i * 26 + (i % 2) * 8);
        fill(p, ellipse(at + QPointF(0, 6), 28 - i * 2, 10 - i), QColor(0x4a, 0x8a, 0xaa));
        fill(p, ellipse(at, 28 - i * 2, 11 - i), QColor(0xa9, 0xa6, 0xa2));
        fill(p, ellipse(at + QPointF(-6, -3), 14 - i, 5 - i * 0.5), QColor(0xc8, 0xc5, 0xc0));
    }
    // the near banks, with ferns
    fill(p, smoothClosed({ { -10, 330 }, { 300, 330 }, { 320, 420 }, { 260, 612 }, { -10, 612 } }),
         QColor(0x7c, 0xb5, 0x64));
    fill(p, smoothClosed({ { 430, 330 }, { 810, 320 }, { 810, 612 }, { 640, 612 }, { 530, 430 } }),
         QColor(0x7c, 0xb5, 0x64));
    for (int i = 0; i < 10; ++i) {
        const QPointF base(20 + i * 24 + (i % 2) * 8, 560 - (i % 3) * 30);
        for (int k = -2; k <= 2; ++k)
            stroke(p, smoothOpen({ base, base + QPointF(k * 14, -34 + std::abs(k) * 8),
                                   base + QPointF(k * 24, -30 + std::abs(k) * 14) }),
                   QColor(0x4f, 0x8d, 0x4e), 4);
    }
    flowerDots(p, QRectF(600, 440, 190, 150), 30, 8, { Qt::white, QColor(0xf8, 0xe0, 0x7a) });
    // the big rock where they rest
    const QPainterPath rock = smoothClosed({ { 520, 380 }, { 560, 336 }, { 650, 320 }, { 740, 340 },
                                             { 770, 392 }, { 640, 408 } });
    fill(p, rock, QColor(0xa5, 0xa1, 0x9a));
    fillWithin(p, rock, ellipse({ 620, 334 }, 90, 16), QColor(0xc3, 0xbf, 0xb7));
    fillWithin(p, rock, ellipse({ 700, 404 }, 120, 20), QColor(0x87, 0x83, 0x7e));
    Look look;
    look.facingRight = false;
    smallfigures::wolfSitting(p, { 686, 342 }, 140, look);
    smallfigures::brideSitting(p, { 612, 344 }, 100, look);
    return image;
}

QImage summit()
{
    QImage image = canvas(800, 600, Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    sky(p, QRectF(0, 0, 800, 600), QColor(0x6e, 0xb4, 0xec), QColor(0xd8, 0xee, 0xfb));
    for (const QPointF at : { QPointF(120, 110), QPointF(680, 80), QPointF(560, 200) }) {
        fill(p, fluffy(at, 70, 26, 6, 0.15), QColor(255, 255, 255, 235));
        fill(p, ellipse(at + QPointF(0, 12), 70, 12), QColor(0xe6, 0xf1, 0xfa));
    }
    fill(p, ridge({ { -10, 380 }, { 150, 320 }, { 300, 372 }, { 500, 310 }, { 700, 360 }, { 810, 330 } }),
         QColor(0x9a, 0xbd, 0xe0));
    fill(p, ridge({ { -10, 420 }, { 200, 400 }, { 400, 420 }, { 600, 396 }, { 810, 410 } }),
         QColor(0x9c, 0xcc, 0x8e));
    // the grassy summit
    const QPainterPath hill = ridge({ { -10, 520 }, { 180, 440 }, { 400, 390 }, { 620, 430 }, { 810, 500 } });
    fill(p, hill, QColor(0x86, 0xc4, 0x62));
    fillWithin(p, hill, ridge({ { -10, 560 }, { 300, 520 }, { 600, 540 }, { 810, 570 } }), QColor(0x74, 0xb2, 0x55));
    flowerDots(p, QRectF(60, 440, 680, 150), 70, 9, { Qt::white, QColor(0xf8, 0xe0, 0x7a), QColor(0xf6, 0xb6, 0xc8) });

    // the great cherry tree
    const QColor bark(0x6b, 0x4a, 0x3e);
    branch(p, { { 400, 410 }, { 396, 330 }, { 404, 260 } }, 56, 30, bark);
    branch(p, { { 400, 300 }, { 340, 240 }, { 260, 200 } }, 26, 8, bark);
    branch(p, { { 402, 280 }, { 470, 220 }, { 560, 196 } }, 24, 8, bark);
    branch(p, { { 404, 262 }, { 400, 180 }, { 410, 120 } }, 22, 8, bark);
    fill(p, ellipse({ 400, 410 }, 70, 10), QColor(0x62, 0x9e, 0x4a));
    cherryCrown(p, { 300, 180 }, 170, 110, 21);
    cherryCrown(p, { 520, 170 }, 170, 110, 22);
    cherryCrown(p, { 410, 110 }, 190, 100, 23);
    Dice d(31);
    for (int i = 0; i < 60; ++i)
        petal(p, { d.range(140, 700), d.range(230, 460) }, d.range(2.5, 4), d.range(0, 180),
              QColor(0xfb, 0xd2, 0xdf));
    Look look;
    smallfigures::wolfStanding(p, { 452, 408 }, 70, look);
    look.facingRight = false;
    smallfigures::brideStanding(p, { 480, 408 }, 46, look);
    return image;
}

QImage petalGust()
{
    QImage image = canvas(800, 600, Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    sky(p, QRectF(0, 0, 800, 600), QColor(0x86, 0xc3, 0xef), QColor(0xe6, 0xf4, 0xfb));
    fill(p, ridge({ { -10, 400 }, { 300, 370 }, { 600, 390 }, { 810, 372 } }), QColor(0x9c, 0xcc, 0x8e));
    fill(p, ridge({ { -10, 440 }, { 400, 420 }, { 810, 446 } }), QColor(0x86, 0xc4, 0x62));
    const QColor bark(0x6b, 0x4a, 0x3e);
    branch(p, { { 150, 612 }, { 160, 420 }, { 140, 240 }, { 170, 60 } }, 110, 60, bark);
    branch(p, { { 160, 250 }, { 300, 150 }, { 520, 90 }, { 800, 40 } }, 40, 12, bark);
    branch(p, { { 150, 330 }, { 60, 240 }, { -20, 200 } }, 30, 10, bark);
    fill(p, polygon({ { 120, 612 }, { 136, 420 }, { 142, 612 } }), bark.darker(125));
    cherryCrown(p, { 120, 90 }, 260, 130, 41);
    cherryCrown(p, { 500, 40 }, 330, 110, 42);
    // the gust: petals streaming along curls of wind
    Dice d(43);
    const QColor petals[] = { QColor(0xfb, 0xd2, 0xdf), QColor(0xf6, 0xb1, 0xc6), QColor(255, 240, 245) };
    for (int stream = 0; stream < 5; ++stream) {
        const QPointF centre(300 + stream * 110, 240 + (stream % 2) * 60);
        const qreal r0 = 50 + stream * 10;
        stroke(p, [&] {
            QVector<QPointF> pts;
            for (int k = 0; k < 20; ++k) {
                const qreal a = k * 0.45 + stream;
                const qreal r = r0 * (0.4 + k * 0.06);
                pts.append(centre + QPointF(std::cos(a) * r * 1.6, std::sin(a) * r * 0.7));
            }
            return smoothOpen(pts);
        }(), QColor(255, 255, 255, 90), 3);
        for (int k = 0; k < 60; ++k) {
            const qreal t = d.next() * 9;
            const qreal a = t + stream;
            const qreal r = r0 * (0.4 + t * 0.135) + d.range(-14, 14);
            const QPointF at = centre + QPointF(std::cos(a) * r * 1.6, std::sin(a) * r * 0.7);
            petal(p, at, d.range(3, 6), d.range(0, 180), petals[k % 3]);
        }
    }
    for (int i = 0; i < 120; ++i)
        petal(p, { d.range(0, 800), d.range(0, 600) }, d.range(2.5, 5), d.range(0, 180), petals[i % 3]);
    Look look;
    look.petals = true;
    look.facingRight = false;
    smallfigures::wolfSitting(p, { 530, 430 }, 240, look);
    look.facingRight = true;
    look.petals = false;
    smallfigures::brideSitting(p, { 380, 432 }, 180, look);
    for (int i = 0; i < 40; ++i)
        petal(p, { d.range(250, 750), d.range(150, 430) }, d.range(3, 5.5), d.range(0, 180), petals[i % 3]);
    return image;
}

QImage carriedHome()
{
    // a snowy night at the forest edge: the wolf wades through deep snow with
    // the girl on his back, towards a lamp in a window and the village beyond
    QImage image = canvas(800, 600, Qt::black);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    sky(p, QRectF(0, 0, 800, 600), QColor(0x1a, 0x22, 0x3e), QColor(0x4a, 0x56, 0x80));
    Dice d(12);
    // heavy snow clouds
    for (int i = 0; i < 9; ++i) {
        const QPointF at(d.range(-40, 840), d.range(20, 170));
        fill(p, fluffy(at, d.range(90, 160), d.range(26, 40), 9, 0.18, d.range(0, 6)),
             QColor(0x6a, 0x74, 0x98, 40));
    }
    // the village far off, its windows lit, and nearer, at the forest edge,
    // a house with a lamp in its window
    fill(p, ridge({ { -10, 300 }, { 200, 290 }, { 430, 300 }, { 620, 288 }, { 810, 300 } }),
         QColor(0x5b, 0x6c, 0x9c));
    for (int i = 0; i < 6; ++i) {
        const QPointF at(462 + i * 11 + d.range(-3, 3), 293 + d.range(-2, 2));
        fill(p, ellipse(at, 6, 6), QColor(255, 196, 110, 40));
        fill(p, ellipse(at, 1.6, 1.3), QColor(0xff, 0xd8, 0x7a, 220));
    }
    const QPointF lantern(430, 288);
    for (int i = 10; i >= 1; --i)
        fill(p, ellipse(lantern, 8 + i * 7, 8 + i * 7), QColor(255, 196, 110, 16));
    fill(p, polygon({ { 412, 302 }, { 412, 284 }, { 448, 284 }, { 448, 302 } }), QColor(0x3b, 0x34, 0x48));
    fill(p, polygon({ { 406, 286 }, { 430, 268 }, { 454, 286 } }), QColor(0x2e, 0x28, 0x3a));
    fill(p, polygon({ { 406, 286 }, { 430, 266 }, { 454, 286 }, { 448, 286 }, { 430, 272 }, { 412, 286 } }),
         QColor(0xe4, 0xea, 0xf8));
    fill(p, polygon({ { 424, 288 }, { 436, 288 }, { 436, 298 }, { 424, 298 } }), QColor(0xff, 0xd8, 0x7a));
    // rows of snowy pines, far to near
    for (int row = 0; row < 3; ++row) {
        const QColor green = mix(QColor(0x4a, 0x5a, 0x8a), QColor(0x14, 0x20, 0x3e), row / 2.0);
        const QColor snow = mix(QColor(0xa8, 0xb6, 0xd8), QColor(0xe8, 0xee, 0xfa), row / 2.0);
        for (int i = 0; i < 14 - row * 3; ++i) {
            qreal x = d.range(-20, 820);
            if (std::abs(x - lantern.x()) < 90 + row * 70)
                x += x < lantern.x() ? -(150 + row * 80) : (150 + row * 80);
            pine(p, { x, 300.0 + row * 60 + d.range(0, 20) }, 90 + row * 90 + d.range(0, 40), green, snow);
        }
    }
    // deep snow, with the trail he leaves behind him
    const QPainterPath ground = ridge({ { -10, 360 }, { 250, 330 }, { 430, 300 }, { 610, 330 }, { 810, 360 } });
    fill(p, ground, QColor(0xcf, 0xda, 0xf0));
    fillWithin(p, ground, smoothClosed({ { 424, 300 }, { 436, 300 }, { 520, 420 }, { 580, 612 }, { 260, 612 },
                                         { 340, 420 } }),
               QColor(0xe6, 0xec, 0xf8));
    const QPointF feet(360, 456);
    for (int i = 0; i < 9; ++i) {
        const qreal t = i / 8.0;
        const qreal y = 600 - t * (600 - feet.y() - 14);
        const qreal x = 410 + (feet.x() - 410) * t + (i % 2 ? 12 : -12) * (1 - t);
        fill(p, ellipse({ x, y }, 9 * (1 - t) + 4, 4 * (1 - t) + 2), QColor(0xb0, 0xbe, 0xdc));
    }
    pine(p, { 60, 612 }, 380, QColor(0x10, 0x1a, 0x34), QColor(0xdc, 0xe4, 0xf4));
    pine(p, { 760, 612 }, 340, QColor(0x10, 0x1a, 0x34), QColor(0xdc, 0xe4, 0xf4));
    Look look;
    look.rim = QColor(0x9f, 0xb4, 0xe6);
    look.tint = QColor(0x1c, 0x2a, 0x66, 70);
    smallfigures::wolfFromBehind(p, feet, 175, look, true);
    // the snow comes up to his knees
    fill(p,
         smoothClosed({ feet + QPointF(-52, 4), feet + QPointF(-30, -26), feet + QPointF(-8, -20),
                        feet + QPointF(8, -28), feet + QPointF(32, -22), feet + QPointF(56, 4),
                        feet + QPointF(0, 12) }),
         QColor(0xe6, 0xec, 0xf8));
    // and it keeps falling, blown slantwise
    for (int i = 0; i < 260; ++i) {
        const QPointF at(d.range(0, 800), d.range(0, 600));
        const qreal r = d.range(1, 3);
        fill(p, ellipse(at, r, r), QColor(255, 255, 255, int(d.range(120, 230))));
        if (i % 4 == 0)
            stroke(p, smoothOpen({ at, at + QPointF(-r * 5, r * 3) }), QColor(255, 255, 255, 90),
                   r * 0.8);
    }
    return image;
}

} // namespace

QList<Scene> all()
{
    return {
        { false, room },   { false, black },  { false, howlingHill }, { false, forestPath },
        { false, stream }, { false, summit }, { false, petalGust },   { true, carriedHome },
    };
}

} // namespace scenes

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "figures.h"

#include "paintkit.h"

#include <QPainter>
#include <QtMath>

using namespace art;

namespace figures {

namespace {

// Builds a symmetric outline from its right half, listed from the top of the
// axis round to the bottom of the axis.
QVector<QPointF> mirrored(const QVector<QPointF> &rightHalf, qreal axis)
{
    QVector<QPointF> all = rightHalf;
    for (int i = rightHalf.size() - 2; i >= 1; --i)
        all.append(QPointF(2 * axis - rightHalf[i].x(), rightHalf[i].y()));
    return all;
}

QPointF flipX(QPointF p, qreal axis)
{
    return QPointF(2 * axis - p.x(), p.y());
}

QVector<QPointF> flipX(const QVector<QPointF> &pts, qreal axis)
{
    QVector<QPointF> out;
    for (const QPointF &p : pts)
        out.append(flipX(p, axis));
    return out;
}

// ---------------------------------------------------------------- the wolf

namespace wolf {

const QColor fur(0x9a, 0xa5, 0xb3);
const QColor furShade(0x80, 0x8b, 0x9a);
const QColor furDark(0x6c, 0x76, 0x86);
const QColor cream(0xf1, 0xec, 0xe3);
const QColor creamShade(0xd9, 0xd3, 0xca);
const QColor ink(0x3a, 0x40, 0x4c);
const QColor earInner(0xd9, 0xb0, 0xb0);
const QColor nose(0x33, 0x34, 0x3b);
const QColor iris(0xe3, 0xa8, 0x3c);
const QColor pupil(0x2c, 0x22, 0x1f);
const QColor vest(0x2f, 0x6d, 0x62);
const QColor vestShade(0x25, 0x57, 0x4e);
const QColor vestEdge(0x1d, 0x45, 0x3e);
const QColor gold(0xe9, 0xc1, 0x5a);
const QColor trousers(0x5a, 0x52, 0x5e);
const QColor bow(0xbf, 0x45, 0x3b);
const QColor blush(0xf0, 0x86, 0x8a);
const QColor mouthInside(0x8e, 0x3a, 0x40);
const QColor tongue(0xee, 0x8a, 0x8e);

constexpr qreal axis = 216;
constexpr qreal line = 2.6;

void paintTail(QPainter &p)
{
    const QPainterPath tail = smoothClosed({ { 132, 480 }, { 96, 500 }, { 60, 492 }, { 40, 478 },
                                             { 22, 470 }, { 18, 440 }, { 4, 410 }, { 8, 380 },
                                             { 0, 344 }, { 10, 316 }, { 14, 284 }, { 34, 266 },
                                             { 46, 290 }, { 56, 310 }, { 58, 340 }, { 66, 370 },
                                             { 78, 392 }, { 90, 414 }, { 132, 430 } });
    fillInked(p, tail, fur, ink, line);
    fillWithin(p, tail, ellipse({ 22, 296 }, 26, 40), cream);
    fillWithin(p, tail, ellipse({ 70, 480 }, 60, 22), furShade);
    stroke(p, smoothOpen({ { 30, 360 }, { 36, 400 }, { 52, 430 } }), furDark, 2);
}

void paintArm(QPainter &p, bool right)
{
    // drawn for the viewer's left arm and mirrored for the right one
    QVector<QPointF> arm = { { 140, 212 }, { 106, 232 }, { 88, 290 }, { 82, 360 }, { 84, 410 },
                             { 110, 416 }, { 118, 360 }, { 126, 300 }, { 136, 262 } };
    QVector<QPointF> paw = { { 80, 396 }, { 78, 420 }, { 88, 436 }, { 104, 438 }, { 118, 428 },
                             { 118, 404 }, { 100, 396 } };
    if (right) {
        arm = flipX(arm, axis);
        paw = flipX(paw, axis);
    }
    const QPainterPath armPath = smoothClosed(arm);
    fillInked(p, armPath, fur, ink, line);
    // shade on the side that faces away from the light (upper left)
    const QPointF shadeAt = right ? flipX(QPointF(124, 330), axis) : QPointF(124, 330);
    fillWithin(p, armPath, ellipse(shadeAt, 12, 110), furShade);
    // a tuft of fur at the shoulder and at the elbow
    QVector<QPointF> tuft = { { 104, 236 }, { 96, 244 }, { 100, 246 }, { 92, 256 } };
    QVector<QPointF> elbow = { { 90, 318 }, { 84, 326 }, { 90, 326 }, { 84, 336 } };
    if (right) {
        tuft = flipX(tuft, axis);
        elbow = flipX(elbow, axis);
    }
    stroke(p, smoothOpen(tuft), ink, 1.8);
    stroke(p, smoothOpen(elbow), ink, 1.8);
    const QPainterPath pawPath = smoothClosed(paw);
    fillInked(p, pawPath, cream, ink, line);
    for (int i = 0; i < 3; ++i) {
        const qreal x = 90 + i * 10;
        const QPointF a = right ? flipX(QPointF(x, 437), axis) : QPointF(x, 437);
        const QPointF b = right ? flipX(QPointF(x + 1, 428), axis) : QPointF(x + 1, 428);
        stroke(p, smoothOpen({ b, a }), creamShade.darker(140), 2);
    }
}

void paintTorso(QPainter &p)
{
    const QPainterPath torso = smoothClosed(mirrored(
        { { axis, 180 }, { 258, 186 }, { 290, 208 }, { 306, 240 }, { 312, 330 }, { 314, 420 },
          { 318, 520 }, { 322, 610 }, { axis, 610 } },
        axis));
    fillInked(p, torso, fur, ink, line);

    // trousers below the waistcoat
    const QPainterPath legs = polygon({ { 90, 470 }, { 342, 470 }, { 342, 612 }, { 90, 612 } });
    fillWithin(p, torso, legs, trousers);
    fillWithin(p, torso, polygon({ { 212, 520 }, { 220, 520 }, { 220, 612 }, { 212, 612 } }),
               trousers.darker(130));

    // the waistcoat, open at the chest where the cream fur shows
    const QPainterPath chest = smoothClosed(
        { { 170, 196 }, { axis, 190 }, { 262, 196 }, { 246, 260 }, { axis, 350 }, { 186, 260 } });
    QPainterPath vestPath = torso.intersected(
        polygon({ { 40, 200 }, { 392, 200 }, { 392, 470 }, { 300, 500 }, { axis, 482 },
                  { 132, 500 }, { 40, 470 } }));
    vestPath = vestPath.subtracted(chest);
    fill(p, vestPath, vest);
    fillWithin(p, vestPath, ellipse({ 130, 350 }, 26, 160), vestShade);
    fillWithin(p, vestPath, polygon({ { axis, 340 }, { axis + 3, 340 }, { axis + 3, 500 },
                                      { axis, 500 } }),
               vestEdge);
    stroke(p, vestPath, ink, line);
    fillInked(p, chest.intersected(torso), cream, ink, line);
    // fur tufts on the chest
    for (int i = 0; i < 3; ++i) {
        const qreal y = 238 + i * 24;
        stroke(p, smoothOpen({ { axis - 12, y }, { axis - 4, y + 8 }, { axis + 2, y + 2 } }),
               creamShade.darker(120), 2);
    }
    // buttons and pockets
    for (int i = 0; i < 3; ++i) {
        const QPointF c(axis + 14, 374 + i * 34);
        fillInked(p, ellipse(c, 6, 6), gold, ink, 1.6);
    }
    stroke(p, smoothOpen({ { 248, 420 }, { 282, 414 } }), vestEdge, 3);
    stroke(p, smoothOpen({ { 150, 414 }, { 184, 420 } }), vestEdge, 3);
    // a watch chain between pockets gives the waistcoat a friendly, proper look
    stroke(p, smoothOpen({ { 230, 408 }, { 250, 426 }, { 268, 418 } }), gold, 2.2);

    // bow tie
    const QPainterPath bowLeft = smoothClosed({ { axis, 200 }, { 186, 186 }, { 180, 206 }, { 186, 222 } });
    const QPainterPath bowRight = smoothClosed(flipX({ { axis, 200 }, { 186, 186 }, { 180, 206 }, { 186, 222 } }, axis));
    fillInked(p, bowLeft, bow, ink, 2);
    fillInked(p, bowRight, bow, ink, 2);
    fillInked(p, ellipse({ axis, 204 }, 8, 9), bow.darker(115), ink, 2);
}

QPainterPath headShape()
{
    return smoothClosed(mirrored({ { axis, 30 }, { 252, 34 }, { 282, 52 }, { 300, 84 },
                                   { 304, 116 }, { 318, 140 }, { 298, 148 }, { 310, 168 },
                                   { 282, 172 }, { 266, 190 }, { axis, 200 } },
                                 axis));
}

void paintEars(QPainter &p)
{
    const QVector<QPointF> ear = { { 154, 84 }, { 142, 40 }, { 150, 4 }, { 178, 22 }, { 204, 52 } };
    const QVector<QPointF> inner = { { 160, 72 }, { 154, 40 }, { 158, 18 }, { 176, 34 }, { 190, 56 } };
    for (bool right : { false, true }) {
        const QPainterPath e = smoothClosed(right ? flipX(ear, axis) : ear);
        fillInked(p, e, fur, ink, line);
        fill(p, smoothClosed(right ? flipX(inner, axis) : inner), earInner);
        fillWithin(p, e, ellipse(right ? flipX(QPointF(150, 20), axis) : QPointF(150, 20), 10, 22),
                   furDark);
    }
}

void paintHead(QPainter &p)
{
    paintEars(p);
    const QPainterPath head = headShape();
    fillInked(p, head, fur, ink, line);
    // darker saddle over the forehead and crown
    fillWithin(p, head, smoothClosed({ { 180, 30 }, { 252, 30 }, { 236, 70 }, { axis, 98 },
                                       { 196, 70 } }),
               furShade);
    fillWithin(p, head, smoothClosed({ { 206, 36 }, { 226, 36 }, { 222, 70 }, { axis, 86 },
                                       { 210, 70 } }),
               furDark);
    // pale cheeks and lower face
    const QPainterPath cheeks = smoothClosed(mirrored(
        { { axis, 112 }, { 238, 106 }, { 264, 112 }, { 286, 130 }, { 298, 146 }, { 300, 164 },
          { 276, 170 }, { 256, 186 }, { axis, 196 } },
        axis));
    fillWithin(p, head, cheeks, cream);
    fillWithin(p, head, ellipse({ axis, 196 }, 44, 14), creamShade);
    // the muzzle
    const QPainterPath muzzle = smoothClosed(mirrored(
        { { axis, 112 }, { 236, 116 }, { 252, 134 }, { 254, 154 }, { 238, 168 }, { axis, 172 } },
        axis));
    fill(p, muzzle, cream);
    stroke(p, smoothOpen({ { 180, 146 }, { 184, 162 }, { 200, 170 }, { axis, 172 },
                           { 232, 170 }, { 248, 162 }, { 252, 146 } }),
           creamShade.darker(115), 2);
    // cheek fur flicks stay outside the face picture, so every face keeps them
    stroke(p, smoothOpen({ { 296, 132 }, { 306, 140 } }), ink, 2);
    stroke(p, smoothOpen({ { 136, 132 }, { 126, 140 } }), ink, 2);
    // nose
    const QPainterPath n = smoothClosed({ { 200, 120 }, { axis, 116 }, { 232, 120 },
                                          { 228, 131 }, { axis, 138 }, { 204, 131 } });
    fill(p, n, nose);
    fill(p, ellipse({ 210, 122 }, 5, 2.6), QColor(0x8a, 0x8d, 0x96));
}

struct Eyes
{
    enum Kind { Open, Round, Narrow, Aside, Crinkle, Happy } kind = Open;
};

void paintEye(QPainter &p, QPointF c, bool right, Eyes::Kind kind)
{
    const qreal s = right ? -1 : 1; // mirror factor for the outer corner
    switch (kind) {
    case Eyes::Crinkle: {
        stroke(p, smoothOpen({ c + QPointF(-13, 4), c + QPointF(0, -6), c + QPointF(13, 4) }), ink,
               3.4);
        break;
    }
    case Eyes::Happy: {
        stroke(p, smoothOpen({ c + QPointF(-13, -2), c + QPointF(0, 6), c + QPointF(13, -2) }), ink,
               3.4);
        break;
    }
    default: {
        qreal rx = 12, ry = 10;
        qreal irisR = 8.5;
        QPointF look(0, 1);
        qreal lid = 0; // how far the upper lid comes down, in pixels
        if (kind == Eyes::Round) {
            rx = 13;
            ry = 13;
            irisR = 6;
        } else if (kind == Eyes::Narrow) {
            lid = 7;
        } else if (kind == Eyes::Aside) {
            look = QPointF(-5, 3);
            lid = 3;
        }
        const QPainterPath white = ellipse(c, rx, ry);
        fill(p, white, QColor(0xfb, 0xf8, 0xf0));
        fillWithin(p, white, ellipse(c + look, irisR, irisR), iris);
        fillWithin(p, white, ellipse(c + look, irisR * 0.5, irisR * 0.6), pupil);
        fill(p, ellipse(c + look + QPointF(-3, -3), 2.6, 2.6), Qt::white);
        if (lid > 0) {
            fillWithin(p, white, QPainterPath(polygon({ c + QPointF(-rx - 2, -ry - 2),
                                                        c + QPointF(rx + 2, -ry - 2),
                                                        c + QPointF(rx + 2, -ry + lid + s * 3),
                                                        c + QPointF(-rx - 2, -ry + lid - s * 3) })),
                       fur);
        }
        stroke(p, white, ink, 2.2);
        // the upper lid line, heavier towards the outer corner
        const QPointF outer = c + QPointF(-s * (rx + 3), -ry + lid * 0.6 - 1);
        const QPointF inner = c + QPointF(s * (rx + 1), -ry + lid * 0.6 + 2);
        stroke(p, smoothOpen({ outer, c + QPointF(0, -ry + lid - 1), inner }), ink, 3.4);
        break;
    }
    }
}

void paintFeatures(QPainter &p, int face)
{
    const QPointF left(188, 98), right(244, 98);
    Eyes::Kind eyes = Eyes::Open;
    // brows: inner and outer end heights relative to the default
    qreal browInner = 0, browOuter = 0;
    bool blushing = false, sweat = false, bristle = false;
    enum { Closed, Flat, Frown, Wobble, Grin, SmallO, Smile } mouth = Closed;
    switch (face) {
    case 1: // serious
        eyes = Eyes::Open;
        browInner = 3;
        browOuter = 1;
        mouth = Flat;
        break;
    case 2: // gruff and wary
        eyes = Eyes::Narrow;
        browInner = 9;
        browOuter = -4;
        mouth = Frown;
        break;
    case 3: // sheepish
        eyes = Eyes::Aside;
        browInner = -7;
        browOuter = 4;
        mouth = Wobble;
        blushing = true;
        sweat = true;
        break;
    case 4: // laughing
        eyes = Eyes::Crinkle;
        browInner = -3;
        browOuter = -3;
        mouth = Grin;
        break;
    case 5: // startled
        eyes = Eyes::Round;
        browInner = -10;
        browOuter = -8;
        mouth = SmallO;
        sweat = true;
        bristle = true;
        break;
    case 6: // warm and happy
        eyes = Eyes::Happy;
        browInner = -4;
        browOuter = 0;
        mouth = Smile;
        blushing = true;
        break;
    default: // calm
        break;
    }

    if (blushing) {
        fill(p, ellipse({ 176, 126 }, 12, 6), alpha(blush, 150));
        fill(p, ellipse({ 256, 126 }, 12, 6), alpha(blush, 150));
        for (qreal x : { 170.0, 178.0, 250.0, 258.0 })
            stroke(p, smoothOpen({ { x + 3, 121 }, { x, 130 } }), alpha(blush.darker(130), 200), 1.6);
    }

    paintEye(p, left, false, eyes);
    paintEye(p, right, true, eyes);

    // brows: pale fur tufts with an ink upper edge, the inner end near the nose
    for (bool r : { false, true }) {
        const qreal sgn = r ? -1 : 1;
        const QPointF c = r ? right : left;
        const QPointF outer = c + QPointF(-sgn * 14, -18 + browOuter);
        const QPointF inner = c + QPointF(sgn * 12, -18 + browInner);
        const QPointF mid = (outer + inner) / 2 + QPointF(0, -4);
        const QPainterPath tuft = smoothClosed({ outer, mid, inner, (outer + inner) / 2 + QPointF(0, 4) });
        fill(p, tuft, cream);
        stroke(p, smoothOpen({ outer, mid, inner }), ink, 3);
    }

    const QPointF n(axis, 138);
    switch (mouth) {
    case Closed:
        stroke(p, smoothOpen({ n, n + QPointF(0, 7) }), ink, 2.4);
        stroke(p, smoothOpen({ n + QPointF(0, 7), n + QPointF(-9, 12), n + QPointF(-19, 9) }), ink, 2.4);
        stroke(p, smoothOpen({ n + QPointF(0, 7), n + QPointF(9, 12), n + QPointF(19, 9) }), ink, 2.4);
        break;
    case Flat:
        stroke(p, smoothOpen({ n, n + QPointF(0, 8) }), ink, 2.4);
        stroke(p, smoothOpen({ n + QPointF(-20, 11), n + QPointF(0, 9), n + QPointF(20, 11) }), ink, 2.6);
        break;
    case Frown:
        stroke(p, smoothOpen({ n, n + QPointF(0, 8) }), ink, 2.4);
        stroke(p, smoothOpen({ n + QPointF(-21, 16), n + QPointF(-10, 9), n + QPointF(0, 8),
                               n + QPointF(10, 9), n + QPointF(21, 16) }),
               ink, 2.6);
        // wrinkles over the snout
        stroke(p, smoothOpen({ { 204, 112 }, { 210, 108 } }), creamShade.darker(130), 2);
        stroke(p, smoothOpen({ { 228, 108 }, { 222, 112 } }), creamShade.darker(130), 2);
        break;
    case Wobble:
        stroke(p, smoothOpen({ n, n + QPointF(0, 8) }), ink, 2.4);
        stroke(p, smoothOpen({ n + QPointF(-16, 12), n + QPointF(-8, 9), n + QPointF(0, 12),
                               n + QPointF(8, 9), n + QPointF(16, 12) }),
               ink, 2.4);
        break;
    case Grin: {
        // wide open, every fang on show: meant to look fierce, reads as a laugh
        const QPainterPath open = smoothClosed({ n + QPointF(-26, 4), n + QPointF(0, 7), n + QPointF(26, 4),
                                                 n + QPointF(18, 18), n + QPointF(0, 24), n + QPointF(-18, 18) });
        fill(p, open, mouthInside);
        fillWithin(p, open, ellipse(n + QPointF(0, 25), 13, 7), tongue);
        for (const qreal s : { -1.0, 1.0 }) {
            fillWithin(p, open, polygon({ n + QPointF(s * 19, 5), n + QPointF(s * 12, 6), n + QPointF(s * 16, 15) }),
                       Qt::white);
            fillWithin(p, open, polygon({ n + QPointF(s * 15, 20), n + QPointF(s * 9, 22), n + QPointF(s * 13, 13) }),
                       Qt::white);
        }
        stroke(p, open, ink, 2.4);
        stroke(p, smoothOpen({ n, n + QPointF(0, 7) }), ink, 2.4);
        break;
    }
    case Smile: {
        const QPainterPath open = smoothClosed({ n + QPointF(-17, 6), n + QPointF(0, 7), n + QPointF(17, 6),
                                                 n + QPointF(10, 16), n + QPointF(0, 20), n + QPointF(-10, 16) });
        fill(p, open, mouthInside);
        fillWithin(p, open, ellipse(n + QPointF(0, 20), 10, 7), tongue);
        stroke(p, open, ink, 2.4);
        stroke(p, smoothOpen({ n, n + QPointF(0, 6) }), ink, 2.4);
        break;
    }
    case SmallO: {
        const QPainterPath o = ellipse(n + QPointF(0, 15), 7, 8);
        fill(p, o, mouthInside);
        stroke(p, o, ink, 2.4);
        stroke(p, smoothOpen({ n, n + QPointF(0, 7) }), ink, 2.4);
        break;
    }
    }

    if (sweat) {
        const QPainterPath drop = smoothClosed({ { 256, 56 }, { 262, 68 }, { 258, 74 }, { 252, 70 } });
        fill(p, drop, QColor(0xbf, 0xe3, 0xf5));
        stroke(p, drop, QColor(0x5a, 0x8c, 0xb0), 1.8);
    }
    if (bristle) {
        // fur standing up along the cheeks
        for (int i = 0; i < 4; ++i) {
            const qreal y = 112 + i * 10;
            stroke(p, smoothOpen({ { 180 - i * 1.5, y }, { 174 - i * 1.5, y + 3 } }), ink, 2);
            stroke(p, smoothOpen({ { 252 + i * 1.5, y }, { 258 + i * 1.5, y + 3 } }), ink, 2);
        }
    }
}

QImage render(int face)
{
    QImage image = canvas(PageLayout::wolf.bodySize.width(), PageLayout::wolf.bodySize.height());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintTail(p);
    paintTorso(p);
    paintArm(p, false);
    paintArm(p, true);
    paintHead(p);
    paintFeatures(p, face);
    return image;
}

} // namespace wolf

// ---------------------------------------------------------------- the bride

namespace bride {

const QColor skin(0xfc, 0xe6, 0xd6);
const QColor skinShade(0xf2, 0xcc, 0xb8);
const QColor skinInk(0xa0, 0x66, 0x55);
const QColor hair(0x3b, 0x2b, 0x30);
const QColor hairLight(0x5a, 0x45, 0x4c);
const QColor silk(0xfd, 0xfc, 0xf8);
const QColor silkShade(0xe2, 0xe2, 0xee);
const QColor silkDeep(0xc9, 0xca, 0xdc);
const QColor ink(0x6e, 0x66, 0x80);
const QColor red(0xc9, 0x3a, 0x4c);
const QColor gold(0xea, 0xc6, 0x72);
const QColor goldShade(0xcf, 0xa5, 0x52);
const QColor eye(0x4a, 0x2f, 0x2c);
const QColor eyeLight(0x94, 0x62, 0x4e);
const QColor lash(0x38, 0x24, 0x26);
const QColor blush(0xf4, 0x9a, 0xa0);
const QColor lips(0xd9, 0x63, 0x6e);
const QColor mouthInside(0xa8, 0x40, 0x4c);
const QColor tear(0xc4, 0xe6, 0xfa);

constexpr qreal axis = 191;
constexpr qreal line = 2.4;

void paintKimono(QPainter &p)
{
    // back of the veil-like hood falls over the shoulders
    const QPainterPath cape = smoothClosed(mirrored(
        { { axis, 40 }, { 262, 60 }, { 296, 120 }, { 300, 200 }, { 302, 270 }, { 306, 330 },
          { 290, 350 }, { axis, 340 } },
        axis));
    fillInked(p, cape, silk, ink, line);
    fillWithin(p, cape, ellipse({ 306, 300 }, 24, 80), silkShade);
    fillWithin(p, cape, ellipse({ 76, 300 }, 24, 80), silkShade);

    const QPainterPath body = smoothClosed(mirrored(
        { { axis, 250 }, { 236, 256 }, { 282, 290 }, { 300, 340 }, { 306, 420 }, { 310, 520 },
          { 314, 612 }, { axis, 612 } },
        axis));
    fillInked(p, body, silk, ink, line);
    fillWithin(p, body, smoothClosed({ { 60, 330 }, { 100, 330 }, { 96, 612 }, { 40, 612 } }), silkShade);
    fillWithin(p, body, smoothClosed({ { 290, 330 }, { 330, 330 }, { 340, 612 }, { 280, 612 } }), silkShade);
    // hem folds
    for (qreal x : { 150.0, 232.0 })
        stroke(p, smoothOpen({ { x, 470 }, { x + 4, 540 }, { x + 2, 610 } }), silkDeep, 2);

    // collar: red under-collar, then the white collars crossing left over right
    const QPainterPath neck = smoothClosed({ { 176, 222 }, { 206, 222 }, { 210, 266 }, { 172, 266 } });
    fill(p, neck, skin);
    fillWithin(p, neck, ellipse({ axis, 236 }, 24, 12), skinShade);
    const QPainterPath redCollar = polygon({ { 160, 252 }, { 176, 248 }, { axis, 300 },
                                             { 206, 248 }, { 222, 252 }, { axis, 330 } });
    fill(p, redCollar, red);
    const QPainterPath under = polygon({ { 150, 254 }, { 166, 250 }, { 196, 324 }, { 186, 336 } });
    fillInked(p, under, silk, ink, 1.8);
    const QPainterPath over = polygon({ { 232, 254 }, { 216, 250 }, { 176, 336 }, { 186, 350 } });
    fillInked(p, over, silk, ink, 1.8);
    fill(p, polygon({ { 218, 252 }, { 222, 253 }, { 182, 340 }, { 179, 337 } }), red);

    // obi with a cord and a small pouch at the breast
    const QPainterPath obi = body.intersected(polygon({ { 0, 340 }, { 414, 336 }, { 414, 396 }, { 0, 400 } }));
    fillInked(p, obi, gold, ink, line);
    fillWithin(p, obi, polygon({ { 0, 382 }, { 414, 378 }, { 414, 400 }, { 0, 404 } }), goldShade);
    for (int i = 0; i < 5; ++i) {
        const QPointF c(104 + i * 44, 356 + (i % 2) * 14);
        fill(p, fluffy(c, 7, 7, 5, 0.35), alpha(Qt::white, 200));
        fill(p, ellipse(c, 2.4, 2.4), red);
    }
    stroke(p, smoothOpen({ { 92, 371 }, { axis, 368 }, { 290, 371 } }), red, 4);
    const QPainterPath pouch = polygon({ { 222, 300 }, { 246, 296 }, { 248, 332 }, { 224, 336 } });
    fillInked(p, pouch, red, ink, 1.6);
    stroke(p, smoothOpen({ { 240, 320 }, { 252, 350 }, { 254, 384 } }), gold, 2);
    fill(p, ellipse({ 254, 388 }, 4, 6), gold);

    // long sleeves hanging from the forearms, hands joined in front
    for (bool right : { false, true }) {
        QVector<QPointF> sleeve = { { 100, 300 }, { 80, 340 }, { 70, 440 }, { 68, 540 }, { 76, 590 },
                                    { 120, 592 }, { 176, 560 }, { 186, 470 }, { 180, 420 },
                                    { 120, 400 }, { 100, 340 } };
        if (right)
            sleeve = flipX(sleeve, axis);
        const QPainterPath s = smoothClosed(sleeve);
        fillInked(p, s, silk, ink, line);
        const QPointF shadeAt = right ? flipX(QPointF(84, 480), axis) : QPointF(84, 480);
        fillWithin(p, s, ellipse(shadeAt, 26, 110), silkShade);
        // the red lining shows at the cuff
        const QPointF cuff = right ? flipX(QPointF(170, 424), axis) : QPointF(170, 424);
        fill(p, ellipse(cuff, 7, 17), red);
        QVector<QPointF> fold = { { 120, 440 }, { 128, 500 }, { 122, 560 } };
        if (right)
            fold = flipX(fold, axis);
        stroke(p, smoothOpen(fold), silkDeep, 2);
    }
    const QPainterPath hands = smoothClosed({ { 172, 410 }, { axis, 402 }, { 210, 410 },
                                              { 214, 436 }, { axis, 446 }, { 168, 436 } });
    fillInked(p, hands, skin, skinInk, 2);
    stroke(p, smoothOpen({ { 180, 420 }, { 186, 434 } }), skinInk, 1.6);
    stroke(p, smoothOpen({ { 202, 420 }, { 196, 434 } }), skinInk, 1.6);
    // a small posy of camellias in her hands
    fill(p, ellipse({ 181, 402 }, 10, 10), red);
    fill(p, ellipse({ 200, 398 }, 10, 10), QColor(0xf2, 0xa7, 0xb4));
    fill(p, ellipse({ 181, 402 }, 3, 3), gold);
    fill(p, ellipse({ 200, 398 }, 3, 3), gold);
    fill(p, smoothClosed({ { 208, 392 }, { 220, 386 }, { 214, 400 } }), QColor(0x5f, 0x9b, 0x6a));
    fill(p, smoothClosed({ { 172, 396 }, { 162, 388 }, { 168, 404 } }), QColor(0x5f, 0x9b, 0x6a));
}

QPainterPath faceShape()
{
    return smoothClosed(mirrored({ { axis, 100 }, { 228, 106 }, { 250, 130 }, { 254, 166 },
                                   { 246, 200 }, { 224, 226 }, { axis, 238 } },
                                 axis));
}

void paintHead(QPainter &p)
{
    // hair behind the face
    const QPainterPath back = smoothClosed(mirrored(
        { { axis, 86 }, { 240, 92 }, { 268, 124 }, { 274, 170 }, { 268, 220 }, { 252, 240 },
          { axis, 236 } },
        axis));
    fill(p, back, hair);

    const QPainterPath face = faceShape();
    fillInked(p, face, skin, skinInk, 2);
    fillWithin(p, face, ellipse({ axis, 100 }, 70, 36), skinShade);

    // bangs and side locks
    const QPainterPath bangs = smoothClosed(
        { { 126, 150 }, { 134, 104 }, { 170, 84 }, { 214, 84 }, { 248, 102 }, { 258, 150 },
          { 252, 196 }, { 244, 150 }, { 232, 126 }, { 222, 140 }, { 206, 122 }, { 192, 138 },
          { 176, 120 }, { 160, 140 }, { 150, 126 }, { 138, 150 }, { 130, 196 } });
    fillInked(p, bangs, hair, lash, 2);
    stroke(p, smoothOpen({ { 160, 100 }, { 190, 92 }, { 220, 96 } }), hairLight, 3);

    // the hood's front rim framing the face
    const QPainterPath hood = smoothClosed(mirrored(
        { { axis, 34 }, { 250, 42 }, { 286, 80 }, { 298, 140 }, { 300, 206 }, { 308, 262 },
          { 286, 274 }, { 266, 252 }, { 268, 190 }, { 262, 120 }, { 236, 86 }, { axis, 76 } },
        axis));
    fillInked(p, hood, silk, ink, line);
    fillWithin(p, hood, smoothClosed({ { 130, 86 }, { axis, 70 }, { 252, 86 }, { axis, 80 } }), silkShade);
    // soft folds where the hood falls onto the shoulders
    stroke(p, smoothOpen({ { 284, 150 }, { 288, 200 }, { 294, 244 } }), silkDeep, 2);
    stroke(p, smoothOpen({ { 98, 150 }, { 94, 200 }, { 88, 244 } }), silkDeep, 2);
    // a red and white flower pinned to the hood
    const QPointF flower(270, 110);
    fill(p, fluffy(flower, 15, 15, 5, 0.4, 0.3), red);
    fill(p, fluffy(flower, 8, 8, 5, 0.4, 0.9), QColor(0xfb, 0xd6, 0xdc));
    fill(p, ellipse(flower, 3, 3), gold);
}

// One eye seen from the front; `open` 0 closes it to a line, 1 is wide open.
void paintEye(QPainter &p, QPointF c, bool right, qreal open, QPointF look, qreal lidTilt)
{
    const qreal s = right ? 1 : -1; // towards the outer corner
    const qreal rx = 11, ry = 14 * open;
    if (open > 0.05) {
        const QPainterPath socket = ellipse(c + QPointF(0, 2), rx + 1, ry);
        fill(p, socket, Qt::white);
        const QPainterPath iris = ellipse(c + look + QPointF(0, 2), rx - 1, 13);
        fillWithin(p, socket, iris, eye);
        fillWithin(p, socket, ellipse(c + look + QPointF(0, 8), rx - 3, 7), eyeLight);
        fillWithin(p, socket, ellipse(c + look + QPointF(0, 2), 4.5, 5.5), lash);
        fillWithin(p, socket, ellipse(c + look + QPointF(-s * 3.5, -3), 3.6, 3.6), Qt::white);
        fillWithin(p, socket, ellipse(c + look + QPointF(s * 3, 8), 1.8, 1.8), Qt::white);
    }
    // upper lash line with a flick at the outer corner
    const qreal top = 2 - ry;
    const QPointF innerEnd = c + QPointF(-s * (rx + 1), top + 6 - lidTilt);
    const QPointF outerEnd = c + QPointF(s * (rx + 3), top + 4 + lidTilt);
    stroke(p, smoothOpen({ innerEnd, c + QPointF(0, top - 1), outerEnd }), lash, 3.6);
    stroke(p, smoothOpen({ outerEnd, outerEnd + QPointF(s * 4, -3) }), lash, 2.2);
    if (open > 0.05)
        stroke(p, smoothOpen({ c + QPointF(-s * 6, 2 + ry), c + QPointF(s * 5, 2 + ry) }),
               alpha(skinInk, 160), 1.4);
}

// Closed eye as an arc: `up` true for the happy crescent, false for a peaceful lid.
void paintClosedEye(QPainter &p, QPointF c, bool up)
{
    if (up)
        stroke(p, smoothOpen({ c + QPointF(-12, 6), c + QPointF(0, -4), c + QPointF(12, 6) }), lash, 3.6);
    else
        stroke(p, smoothOpen({ c + QPointF(-12, 0), c + QPointF(0, 7), c + QPointF(12, 0) }), lash, 3.6);
}

void paintBrow(QPainter &p, QPointF c, bool right, qreal innerLift, qreal outerLift)
{
    const qreal s = right ? 1 : -1;
    const QPointF inner = c + QPointF(-s * 11, -24 - innerLift);
    const QPointF outer = c + QPointF(s * 12, -22 - outerLift);
    const QPointF mid = (inner + outer) / 2 + QPointF(0, -3);
    stroke(p, smoothOpen({ inner, mid, outer }), hairLight, 2.6);
}

void paintFeatures(QPainter &p, int face)
{
    const QPointF left(166, 172), right(216, 172);
    const QPointF mouth(axis, 208);
    qreal tilt = 0;
    if (face == 10)
        tilt = -6; // a little tilted in curiosity
    p.save();
    p.translate(axis, 175);
    p.rotate(tilt);
    p.translate(-axis, -175);

    auto blushCheeks = [&](int strength) {
        for (const QPointF c : { QPointF(148, 196), QPointF(234, 196) }) {
            fill(p, ellipse(c, 14, 7), alpha(blush, strength));
            for (int i = 0; i < 3; ++i)
                stroke(p, smoothOpen({ c + QPointF(-6 + i * 6, -3), c + QPointF(-8 + i * 6, 3) }),
                       alpha(blush.darker(120), strength), 1.4);
        }
    };

    switch (face) {
    case 1: // surprised
        for (bool r : { false, true }) {
            paintBrow(p, r ? right : left, r, 8, 8);
            paintEye(p, r ? right : left, r, 1.15, { 0, 0 }, -1);
        }
        fill(p, ellipse(mouth + QPointF(0, 2), 5.5, 7), mouthInside);
        stroke(p, ellipse(mouth + QPointF(0, 2), 5.5, 7), skinInk, 1.8);
        break;
    case 2: // worried
        for (bool r : { false, true }) {
            paintBrow(p, r ? right : left, r, 6, -3);
            paintEye(p, r ? right : left, r, 0.7, { 0, 3 }, 2);
        }
        stroke(p, smoothOpen({ mouth + QPointF(-8, 2), mouth + QPointF(-3, 0), mouth + QPointF(3, 1),
                               mouth + QPointF(8, 0) }),
               skinInk, 2.2);
        fill(p, smoothClosed({ { 250, 140 }, { 256, 152 }, { 252, 158 }, { 246, 152 } }), tear);
        break;
    case 3: { // radiant
        for (bool r : { false, true }) {
            paintBrow(p, r ? right : left, r, 3, 3);
            paintClosedEye(p, r ? right : left, true);
        }
        const QPainterPath open = smoothClosed({ mouth + QPointF(-18, -5), mouth + QPointF(0, -3),
                                                 mouth + QPointF(18, -5), mouth + QPointF(10, 11),
                                                 mouth + QPointF(0, 15), mouth + QPointF(-10, 11) });
        fill(p, open, mouthInside);
        fillWithin(p, open, ellipse(mouth + QPointF(0, 16), 10, 7), lips);
        fillWithin(p, open, polygon({ mouth + QPointF(-15, -6), mouth + QPointF(15, -6),
                                      mouth + QPointF(15, 0), mouth + QPointF(-15, 0) }),
                   Qt::white);
        stroke(p, open, skinInk, 1.8);
        blushCheeks(170);
        break;
    }
    case 4: // calm and attentive
        for (bool r : { false, true }) {
            paintBrow(p, r ? right : left, r, 1, 1);
            paintEye(p, r ? right : left, r, 0.85, { 0, 1 }, 0);
        }
        fill(p, ellipse(mouth + QPointF(0, 1), 4, 2.6), mouthInside);
        break;
    case 5: // determined
        for (bool r : { false, true }) {
            paintBrow(p, r ? right : left, r, -3, 2);
            paintEye(p, r ? right : left, r, 0.9, { 0, -1 }, -2);
        }
        stroke(p, smoothOpen({ mouth + QPointF(-9, 1), mouth + QPointF(0, 0), mouth + QPointF(9, 1) }),
               skinInk, 2.4);
        break;
    case 6: { // cheerful
        for (bool r : { false, true }) {
            paintBrow(p, r ? right : left, r, 5, 4);
            paintEye(p, r ? right : left, r, 1.0, { 0, 0 }, 0);
        }
        const QPainterPath open = smoothClosed({ mouth + QPointF(-12, -3), mouth + QPointF(0, -1),
                                                 mouth + QPointF(12, -3), mouth + QPointF(0, 12) });
        fill(p, open, mouthInside);
        fillWithin(p, open, ellipse(mouth + QPointF(0, 11), 7, 5), lips);
        stroke(p, open, skinInk, 1.8);
        blushCheeks(130);
        break;
    }
    case 7: { // pouting
        for (bool r : { false, true }) {
            paintBrow(p, r ? right : left, r, -6, 2);
            paintEye(p, r ? right : left, r, 0.75, { r ? -3.0 : 3.0, 1 }, -3);
        }
        // puffed cheeks
        for (const QPointF c : { QPointF(140, 200), QPointF(242, 200) }) {
            fill(p, ellipse(c, 15, 10), alpha(blush, 150));
        }
        stroke(p, smoothOpen({ mouth + QPointF(-6, 0), mouth + QPointF(0, -4), mouth + QPointF(6, 0),
                               mouth + QPointF(0, 3) }),
               skinInk, 2.2);
        break;
    }
    case 8: // sad
        for (bool r : { false, true }) {
            paintBrow(p, r ? right : left, r, 7, -4);
            paintEye(p, r ? right : left, r, 0.8, { 0, 3 }, 3);
            const QPointF c = r ? right : left;
            fill(p, ellipse(c + QPointF(0, 13), 10, 3.2), alpha(tear, 220));
        }
        stroke(p, smoothOpen({ mouth + QPointF(-8, 4), mouth + QPointF(-4, 0), mouth + QPointF(0, 2),
                               mouth + QPointF(4, 0), mouth + QPointF(8, 4) }),
               skinInk, 2.2);
        break;
    case 9: // tender
        for (bool r : { false, true }) {
            paintBrow(p, r ? right : left, r, 3, -1);
            paintEye(p, r ? right : left, r, 0.5, { 0, 4 }, 1);
        }
        stroke(p, smoothOpen({ mouth + QPointF(-9, -2), mouth + QPointF(0, 3), mouth + QPointF(9, -2) }),
               skinInk, 2.2);
        blushCheeks(120);
        break;
    case 10: // puzzled
        paintBrow(p, left, false, -2, -2);
        paintBrow(p, right, true, 9, 11);
        paintEye(p, left, false, 0.85, { 4, -1 }, 0);
        paintEye(p, right, true, 1.05, { 4, -1 }, 0);
        stroke(p, smoothOpen({ mouth + QPointF(-7, 2), mouth + QPointF(2, 0), mouth + QPointF(8, -3) }),
               skinInk, 2.2);
        break;
    case 11: { // moved to tears
        for (bool r : { false, true }) {
            paintBrow(p, r ? right : left, r, 6, 0);
            paintClosedEye(p, r ? right : left, true);
            const QPointF c = r ? right : left;
            const qreal s = r ? 1 : -1;
            const QPainterPath stream = smoothClosed({ c + QPointF(s * 4, 8), c + QPointF(s * 10, 10),
                                                       c + QPointF(s * 12, 30), c + QPointF(s * 8, 44),
                                                       c + QPointF(s * 4, 30) });
            fill(p, stream, alpha(tear, 230));
            stroke(p, stream, alpha(QColor(0x6f, 0xa8, 0xd0), 200), 1.2);
        }
        const QPainterPath open = smoothClosed({ mouth + QPointF(-11, -2), mouth + QPointF(0, 0),
                                                 mouth + QPointF(11, -2), mouth + QPointF(0, 9) });
        fill(p, open, mouthInside);
        stroke(p, open, skinInk, 1.8);
        blushCheeks(200);
        break;
    }
    default: // the body's own face: calm, a faint smile
        for (bool r : { false, true }) {
            paintBrow(p, r ? right : left, r, 2, 1);
            paintEye(p, r ? right : left, r, 0.95, { 0, 1 }, 0);
        }
        stroke(p, smoothOpen({ mouth + QPointF(-8, -1), mouth + QPointF(0, 3), mouth + QPointF(8, -1) }),
               skinInk, 2.2);
        blushCheeks(90);
        break;
    }
    // a tiny nose shared by all faces
    stroke(p, smoothOpen({ { axis + 1, 188 }, { axis - 2, 192 } }), skinInk, 1.8);
    p.restore();
}

QImage render(int face)
{
    QImage image = canvas(PageLayout::bride.bodySize.width(), PageLayout::bride.bodySize.height());
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    paintKimono(p);
    paintHead(p);
    paintFeatures(p, face);
    return image;
}

} // namespace bride

QImage cutFace(const QImage &full, const QRect &rect, qreal exponent, qreal feather)
{
    QImage face = full.copy(rect);
    featherMask(face, QPointF(rect.width() / 2.0, rect.height() / 2.0), rect.width() / 2.0 - 1,
                rect.height() / 2.0 - 1, exponent, feather);
    return face;
}

} // namespace

QImage wolfBody()
{
    return wolf::render(0);
}

QImage wolfFace(int face)
{
    return cutFace(wolf::render(face), wolfFaceRect, 4.0, 12);
}

QImage brideBody()
{
    return bride::render(0);
}

QImage brideFace(int face)
{
    return cutFace(bride::render(face), brideFaceRect, 3.0, 16);
}

} // namespace figures

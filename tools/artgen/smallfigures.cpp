// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "smallfigures.h"

#include "paintkit.h"

#include <QPainter>
#include <QPaintDevice>

#include <cmath>
#include <functional>

using namespace art;

namespace smallfigures {

namespace {

struct Palette
{
    QColor fur{ 0x9a, 0xa5, 0xb3 };
    QColor furShade{ 0x80, 0x8b, 0x9a };
    QColor cream{ 0xf1, 0xec, 0xe3 };
    QColor ink{ 0x3a, 0x40, 0x4c };
    QColor earInner{ 0xd9, 0xb0, 0xb0 };
    QColor vest{ 0x2f, 0x6d, 0x62 };
    QColor trousers{ 0x5a, 0x52, 0x5e };
    QColor silk{ 0xfd, 0xfc, 0xf8 };
    QColor silkShade{ 0xe2, 0xe2, 0xee };
    QColor silkInk{ 0x6e, 0x66, 0x80 };
    QColor red{ 0xc9, 0x3a, 0x4c };
    QColor gold{ 0xea, 0xc6, 0x72 };
    QColor skin{ 0xfc, 0xe6, 0xd6 };
    QColor hair{ 0x3b, 0x2b, 0x30 };
    QColor dark{ 0x2c, 0x22, 0x1f };
    QColor petal{ 0xf7, 0xc3, 0xd2 };
};

const Palette c;
constexpr qreal ink = 1.3;

// Paints a figure on its own layer so that it can be turned into a
// silhouette, with an optional light rim, before it joins the scene.
void onLayer(QPainter &p, QPointF feet, qreal height, const Look &look,
             const std::function<void(QPainter &)> &draw)
{
    const QSize size(p.device()->width(), p.device()->height());
    QImage layer = canvas(size.width(), size.height());
    {
        QPainter lp(&layer);
        lp.setRenderHint(QPainter::Antialiasing);
        lp.setTransform(p.transform());
        lp.translate(feet);
        const qreal s = height / 100.0;
        lp.scale(look.facingRight ? s : -s, s);
        draw(lp);
    }
    if (look.tint.isValid()) {
        QPainter lp(&layer);
        lp.setCompositionMode(QPainter::CompositionMode_SourceAtop);
        lp.fillRect(layer.rect(), look.tint);
    }
    if (look.silhouette.isValid()) {
        QPainter lp(&layer);
        lp.setCompositionMode(QPainter::CompositionMode_SourceIn);
        lp.fillRect(layer.rect(), look.silhouette);
    }
    p.save();
    p.resetTransform();
    if (look.rim.isValid()) {
        QImage rim = layer;
        {
            QPainter rp(&rim);
            rp.setCompositionMode(QPainter::CompositionMode_SourceIn);
            rp.fillRect(rim.rect(), look.rim);
        }
        for (const QPointF d : { QPointF(-1.5, -1), QPointF(1.5, -1), QPointF(0, -1.8) })
            p.drawImage(d, rim);
    }
    p.drawImage(0, 0, layer);
    p.restore();
}

void petals(QPainter &p, const QList<QPointF> &at)
{
    int i = 0;
    for (const QPointF &pt : at) {
        p.save();
        p.translate(pt);
        p.rotate(37.0 * i++);
        fill(p, smoothClosed({ { 0, -2.2 }, { 1.6, 0 }, { 0, 2.2 }, { -1.6, 0 } }), c.petal);
        p.restore();
    }
}

// A tapering limb along a centre line, as one inked shape.
QPainterPath limb(const QVector<QPointF> &line, qreal w0, qreal w1)
{
    QVector<QPointF> left, right;
    for (int i = 0; i < line.size(); ++i) {
        const QPointF a = line[std::max(0, i - 1)];
        const QPointF b = line[std::min(int(line.size()) - 1, i + 1)];
        QPointF n(-(b - a).y(), (b - a).x());
        n /= std::hypot(n.x(), n.y());
        const qreal w = (w0 + (w1 - w0) * i / (line.size() - 1)) / 2;
        left.append(line[i] + n * w);
        right.prepend(line[i] - n * w);
    }
    return smoothClosed(left + right);
}

// The wolf's head in profile, facing right; `neck` is where it sits on the
// body. `lift` turns the muzzle up (degrees) and opens the jaw for a howl.
void wolfHead(QPainter &p, QPointF neck, qreal lift)
{
    p.save();
    p.translate(neck);
    p.rotate(-lift);
    const bool howl = lift > 20;
    // a big head reads as friendly at small sizes; a howl needs the neck
    const qreal headScale = howl ? 1.1 : 1.3;
    p.scale(headScale, headScale);
    p.translate(-4, 64);
    for (const auto &ear : { QVector<QPointF>{ { -8, -82 }, { -7, -99 }, { 3, -88 } },
                             QVector<QPointF>{ { 1, -87 }, { 7, -101 }, { 13, -86 } } }) {
        const QPainterPath e = smoothClosed(ear);
        fillInked(p, e, c.fur, c.ink, ink);
    }
    fill(p, polygon({ { 3, -88 }, { 8, -97 }, { 10, -87 } }), c.earInner);
    const QPainterPath lower = smoothClosed({ { 8, -70 }, { 20, -71 }, { 27, -70 }, { 22, -66 }, { 10, -64 } });
    if (!howl)
        fillInked(p, lower, c.cream, c.ink, ink);
    const QPainterPath head = howl
            ? smoothClosed({ { -10, -74 }, { -9, -85 }, { 2, -91 }, { 14, -88 }, { 21, -81 }, { 29, -78 },
                             { 30, -75 }, { 20, -75 }, { 10, -70 }, { -4, -64 } })
            : smoothClosed({ { -10, -74 }, { -9, -85 }, { 2, -91 }, { 14, -88 }, { 21, -81 }, { 29, -78 },
                             { 30, -73 }, { 20, -70 }, { 10, -66 }, { -4, -64 } });
    fillInked(p, head, c.fur, c.ink, ink);
    fillWithin(p, head, smoothClosed({ { 14, -76 }, { 29, -75 }, { 30, -73 }, { 20, -70 }, { 6, -66 },
                                       { 4, -72 } }),
               c.cream);
    fill(p, ellipse({ 29, -76 }, 2.2, 1.8), c.dark);
    if (howl) {
        // the jaw drops open, leaving a dark gap under the muzzle
        p.save();
        p.translate(8, -69);
        p.rotate(34);
        p.translate(-8, 69);
        fillInked(p, smoothClosed({ { 6, -72 }, { 16, -72 }, { 24, -71 }, { 18, -67 }, { 8, -66 } }), c.cream,
                  c.ink, ink);
        p.restore();
    }
    if (howl) {
        stroke(p, smoothOpen({ { 11, -81 }, { 16, -82 } }), c.dark, 1.2);
    } else {
        fill(p, ellipse({ 15, -80.5 }, 1.7, 2), c.dark);
        fill(p, ellipse({ 14.5, -81.2 }, 0.6, 0.6), Qt::white);
        stroke(p, smoothOpen({ { 11, -85 }, { 18, -85.5 } }), c.ink, 0.9);
    }
    // a ruff of fur at the neck
    if (!howl)
        fillInked(p, fluffy({ 2, -66 }, 9, 5, 6, 0.25), c.cream, c.ink, 0.9);
    p.restore();
}

void brideHead(QPainter &p, QPointF centre)
{
    p.save();
    p.translate(centre);
    // the hood, falling onto the shoulders
    const QPainterPath hood = smoothClosed({ { -10, 2 }, { -12, -8 }, { -6, -15 }, { 4, -15 },
                                             { 11, -8 }, { 12, 4 }, { 8, 14 }, { -8, 14 } });
    fillInked(p, hood, c.silk, c.silkInk, ink);
    const QPainterPath face = smoothClosed({ { -4, -8 }, { 4, -9 }, { 9, -3 }, { 8, 4 }, { 3, 8 },
                                             { -3, 6 }, { -6, 0 } });
    fillInked(p, face, c.skin, c.silkInk, 0.8);
    fill(p, smoothClosed({ { -5, -8 }, { 5, -10 }, { 10, -4 }, { 4, -5 }, { -2, -3 }, { -6, 2 } }),
         c.hair);
    fill(p, ellipse({ 1.5, 0 }, 1.1, 1.5), c.dark);
    fill(p, ellipse({ 6, 0 }, 1.1, 1.5), c.dark);
    fill(p, ellipse({ 0, 3.5 }, 2, 1.2), alpha(QColor(0xf4, 0x9a, 0xa0), 170));
    fill(p, fluffy({ -9, -9 }, 3.2, 3.2, 5, 0.4), c.red);
    p.restore();
}

} // namespace

void wolfStanding(QPainter &p, QPointF feet, qreal height, const Look &look, qreal headLift)
{
    onLayer(p, feet, height, look, [&](QPainter &q) {
        const QPainterPath tail = smoothClosed({ { -10, -38 }, { -26, -36 }, { -38, -24 }, { -42, -10 },
                                                 { -32, -14 }, { -22, -26 }, { -8, -30 } });
        fillInked(q, tail, c.fur, c.ink, ink);
        fillWithin(q, tail, ellipse({ -42, -10 }, 7, 6), c.cream);
        for (const qreal x : { -7.0, 6.0 }) {
            fillInked(q, smoothClosed({ { x - 5, -32 }, { x + 5, -32 }, { x + 5, -3 }, { x - 5, -3 } }),
                      c.trousers, c.ink, ink);
            fillInked(q, ellipse({ x + 2, -2 }, 7, 3), c.fur, c.ink, ink);
        }
        const QPainterPath torso = smoothClosed({ { -12, -62 }, { 4, -66 }, { 14, -56 }, { 16, -40 },
                                                  { 12, -28 }, { -12, -28 }, { -16, -44 } });
        fillInked(q, torso, c.vest, c.ink, ink);
        fillWithin(q, torso, smoothClosed({ { 4, -66 }, { 14, -58 }, { 10, -48 }, { 4, -58 } }), c.cream);
        const QPainterPath arm = smoothClosed({ { -2, -60 }, { 8, -56 }, { 12, -42 }, { 10, -34 },
                                                { 4, -36 }, { 2, -48 } });
        fillInked(q, arm, c.fur, c.ink, ink);
        fillInked(q, ellipse({ 8, -33 }, 3.5, 3), c.cream, c.ink, ink);
        wolfHead(q, { 4, -64 }, headLift);
        if (look.petals)
            petals(q, { { -2, -84 }, { 10, -76 }, { 6, -50 }, { -8, -44 }, { 0, -70 }, { -30, -22 } });
    });
}

void wolfRunning(QPainter &p, QPointF feet, qreal height, const Look &look, bool rider)
{
    onLayer(p, feet, height, look, [&](QPainter &q) {
        // far legs first, a shade darker
        const auto leg = [&](qreal x, qreal swing, const QColor &colour) {
            // from the hip or shoulder down to the paw, swung forward or back;
            // hind legs bend back at the hock, forelegs forward at the wrist
            const bool hind = x < 0;
            const QPointF top(x, -44);
            const QPointF joint(x + swing * 0.5 + (hind ? -5 : 4), -20);
            const QPointF paw(x + swing, -4);
            fillInked(q, limb({ top, joint, paw }, 12, 6), colour, c.ink, ink);
            fillInked(q, ellipse(paw + QPointF(2.5, 1), 5.5, 2.8), c.cream, c.ink, ink);
        };
        // a gallop: hind legs pushing off behind, forelegs reaching ahead
        leg(-24, -18, c.furShade);
        leg(26, 20, c.furShade);
        const QPainterPath tail = smoothClosed({ { -36, -58 }, { -56, -60 }, { -70, -50 }, { -74, -38 },
                                                 { -62, -44 }, { -50, -50 }, { -36, -48 } });
        fillInked(q, tail, c.fur, c.ink, ink);
        fillWithin(q, tail, ellipse({ -74, -40 }, 8, 7), c.cream);
        const QPainterPath body = smoothClosed({ { -40, -52 }, { -20, -64 }, { 20, -64 }, { 40, -58 },
                                                 { 44, -44 }, { 30, -34 }, { -20, -34 }, { -40, -40 } });
        fillInked(q, body, c.fur, c.ink, ink);
        fillWithin(q, body, ellipse({ 0, -32 }, 40, 6), c.cream);
        fillWithin(q, body, polygon({ { -14, -70 }, { 16, -70 }, { 18, -30 }, { -12, -30 } }), c.vest);
        stroke(q, body, c.ink, ink);
        leg(-30, -26, c.fur);
        leg(22, 28, c.fur);
        wolfHead(q, { 38, -58 }, 0);
        if (rider) {
            q.save();
            q.translate(-6, -62);
            q.scale(0.74, 0.74);
            // sitting sideways on his back, the skirt over his flank
            const QPainterPath skirt = smoothClosed({ { -14, 0 }, { -12, -14 }, { 8, -14 }, { 18, -4 },
                                                      { 20, 14 }, { 16, 26 }, { 2, 26 }, { 0, 8 }, { -10, 6 } });
            fillInked(q, skirt, c.silk, c.silkInk, ink);
            const QPainterPath torso = smoothClosed({ { -10, -42 }, { 8, -42 }, { 10, -14 }, { -12, -12 } });
            fillInked(q, torso, c.silk, c.silkInk, ink);
            fillWithin(q, torso, polygon({ { -14, -26 }, { 14, -26 }, { 14, -19 }, { -14, -19 } }), c.gold);
            fillInked(q, smoothClosed({ { 4, -38 }, { 16, -26 }, { 20, -10 }, { 10, -8 }, { 2, -24 } }),
                      c.silk, c.silkInk, ink);
            brideHead(q, { 0, -52 });
            q.restore();
        }
        if (look.petals)
            petals(q, { { 50, -80 }, { 10, -60 }, { -20, -56 } });
    });
}

void wolfSitting(QPainter &p, QPointF feet, qreal height, const Look &look)
{
    onLayer(p, feet, height, look, [&](QPainter &q) {
        const QPainterPath tail = smoothClosed({ { -18, -10 }, { -34, -8 }, { -48, -2 }, { -40, 3 },
                                                 { -20, 2 }, { -8, -2 } });
        fillInked(q, tail, c.fur, c.ink, ink);
        fillWithin(q, tail, ellipse({ -46, 0 }, 7, 5), c.cream);
        const QPainterPath haunch = ellipse({ -6, -16 }, 18, 16);
        fillInked(q, haunch, c.trousers, c.ink, ink);
        fillInked(q, ellipse({ 8, -2 }, 11, 3.4), c.fur, c.ink, ink);
        const QPainterPath torso = smoothClosed({ { -18, -26 }, { -14, -52 }, { -2, -64 }, { 12, -62 },
                                                  { 18, -46 }, { 16, -24 }, { 4, -14 } });
        fillInked(q, torso, c.vest, c.ink, ink);
        fillWithin(q, torso, smoothClosed({ { 2, -64 }, { 14, -58 }, { 14, -46 }, { 6, -54 } }), c.cream);
        fillInked(q, smoothClosed({ { 6, -52 }, { 16, -50 }, { 20, -20 }, { 22, -2 }, { 12, -2 }, { 10, -24 } }),
                  c.fur, c.ink, ink);
        fillInked(q, ellipse({ 18, -2 }, 6, 2.6), c.cream, c.ink, ink);
        wolfHead(q, { 4, -64 }, 0);
        if (look.petals) {
            // his grey coat turned pale pink with petals
            QList<QPointF> spots;
            for (int i = 0; i < 70; ++i) {
                const qreal a = i * 2.39996;
                const qreal r = std::sqrt(i / 70.0);
                spots.append({ r * 20 * std::cos(a) + 0, r * 44 * std::sin(a) - 40 });
            }
            for (int i = 0; i < 24; ++i) {
                const qreal a = i * 2.39996;
                const qreal r = std::sqrt(i / 24.0);
                spots.append({ 14 + r * 20 * std::cos(a), -82 + r * 12 * std::sin(a) });
            }
            petals(q, spots);
        }
    });
}

void wolfFromBehind(QPainter &p, QPointF feet, qreal height, const Look &look, bool rider)
{
    onLayer(p, feet, height, look, [&](QPainter &q) {
        for (const qreal x : { -8.0, 8.0 }) {
            fillInked(q, smoothClosed({ { x - 6, -34 }, { x + 6, -34 }, { x + 5, -3 }, { x - 5, -3 } }),
                      c.trousers, c.ink, ink);
            fillInked(q, ellipse({ x, -2 }, 6, 3), c.fur, c.ink, ink);
        }
        const QPainterPath torso = smoothClosed({ { -16, -66 }, { 16, -66 }, { 20, -48 }, { 18, -32 },
                                                  { -18, -32 }, { -20, -48 } });
        fillInked(q, torso, c.vest, c.ink, ink);
        for (const qreal s : { -1.0, 1.0 }) {
            fillInked(q, smoothClosed({ { s * 14, -64 }, { s * 24, -58 }, { s * 26, -38 }, { s * 22, -32 },
                                        { s * 18, -44 } }),
                      c.fur, c.ink, ink);
        }
        const QPainterPath tail = smoothClosed({ { -4, -36 }, { 6, -36 }, { 10, -20 }, { 6, -8 },
                                                 { -2, -6 }, { -6, -20 } });
        fillInked(q, tail, c.fur, c.ink, ink);
        fillWithin(q, tail, ellipse({ 2, -6 }, 7, 5), c.cream);
        for (const qreal s : { -1.0, 1.0 })
            fillInked(q, polygon({ { s * 4, -82 }, { s * 12, -98 }, { s * 14, -78 } }), c.fur, c.ink, ink);
        fillInked(q, ellipse({ 0, -74 }, 13, 12), c.fur, c.ink, ink);
        fillInked(q, fluffy({ 0, -64 }, 14, 5, 7, 0.25), c.fur, c.ink, ink);
        if (rider) {
            // a small girl in a red hooded cloak carried on his back: her boots
            // stick out at his sides where his paws hold them, her cheek rests
            // on his shoulder and one mitten holds on to his ruff
            for (const qreal s : { -1.0, 1.0 })
                fillInked(
                    q,
                    smoothClosed(
                        { { s * 17, -45 }, { s * 25, -43 }, { s * 26, -38 }, { s * 18, -39 } }),
                    c.dark, c.ink, ink);
            const QPainterPath cloak = smoothClosed({ { -20, -58 },
                                                      { -6, -61 },
                                                      { 8, -58 },
                                                      { 14, -48 },
                                                      { 12, -37 },
                                                      { 0, -34 },
                                                      { -14, -37 },
                                                      { -19, -48 } });
            fillInked(q, cloak, c.red, c.ink, ink);
            fillWithin(q, cloak, polygon({ { 2, -66 }, { 20, -66 }, { 20, -30 }, { 4, -30 } }),
                       c.red.darker(118));
            const QPainterPath hood = smoothClosed({ { -21, -60 },
                                                     { -20, -69 },
                                                     { -13, -73 },
                                                     { -6, -69 },
                                                     { -5, -61 },
                                                     { -12, -57 } });
            fillInked(q, hood, c.red, c.ink, ink);
            fillWithin(q, hood, ellipse({ -6, -65 }, 3.5, 7), c.red.darker(118));
            fillInked(q, ellipse({ 10, -62 }, 3.2, 2.8), c.red.lighter(112), c.ink, ink);
        }
    });
}

void brideStanding(QPainter &p, QPointF feet, qreal height, const Look &look)
{
    onLayer(p, feet, height, look, [&](QPainter &q) {
        const QPainterPath veil = smoothClosed({ { -6, -88 }, { -16, -76 }, { -22, -50 }, { -26, -30 },
                                                 { -16, -36 }, { -8, -60 } });
        fillInked(q, veil, c.silk, c.silkInk, ink);
        const QPainterPath body = smoothClosed({ { -10, -66 }, { 10, -66 }, { 14, -40 }, { 18, -6 },
                                                 { 20, 0 }, { -20, 0 }, { -17, -6 }, { -13, -40 } });
        fillInked(q, body, c.silk, c.silkInk, ink);
        fillWithin(q, body, polygon({ { -20, -50 }, { -8, -50 }, { -6, 0 }, { -20, 0 } }), c.silkShade);
        fillWithin(q, body, polygon({ { -20, -50 }, { 20, -50 }, { 20, -43 }, { -20, -43 } }), c.gold);
        stroke(q, polygon({ { -4, -66 }, { 0, -58 }, { 4, -66 } }), c.red, 1.2);
        for (const qreal s : { -1.0, 1.0 }) {
            fillInked(q, smoothClosed({ { s * 9, -62 }, { s * 18, -52 }, { s * 24, -22 }, { s * 16, -16 },
                                        { s * 6, -24 }, { s * 5, -48 } }),
                      c.silk, c.silkInk, ink);
        }
        fill(q, ellipse({ 0, -30 }, 3.4, 3), c.skin);
        brideHead(q, { 0, -76 });
    });
}

void brideSitting(QPainter &p, QPointF feet, qreal height, const Look &look)
{
    onLayer(p, feet, height, look, [&](QPainter &q) {
        // seen from the side, facing right, sitting with her knees folded
        const QPainterPath veil = smoothClosed({ { -6, -68 }, { -14, -60 }, { -19, -38 }, { -22, -12 },
                                                 { -12, -16 }, { -6, -40 } });
        fillInked(q, veil, c.silk, c.silkInk, ink);
        fill(q, ellipse({ 6, 0.5 }, 24, 3), alpha(c.silkShade, 200));
        const QPainterPath lap = smoothClosed({ { -15, 0 }, { -15, -12 }, { 0, -17 }, { 18, -15 },
                                                { 27, -8 }, { 28, 0 } });
        fillInked(q, lap, c.silk, c.silkInk, ink);
        fillWithin(q, lap, ellipse({ 6, 0 }, 24, 5), c.silkShade);
        const QPainterPath torso = smoothClosed({ { -10, -45 }, { 8, -45 }, { 11, -28 }, { 10, -14 },
                                                  { -13, -12 }, { -13, -30 } });
        fillInked(q, torso, c.silk, c.silkInk, ink);
        fillWithin(q, torso, polygon({ { -14, -30 }, { 14, -30 }, { 14, -21 }, { -14, -21 } }), c.gold);
        stroke(q, smoothOpen({ { -13, -25.5 }, { 11, -25.5 } }), c.red, 1.1);
        stroke(q, polygon({ { -3, -45 }, { 2, -37 }, { 6, -45 } }), c.red, 1.2);
        // her near sleeve hangs from the forearm; the hands rest on her lap
        const QPainterPath sleeve = smoothClosed({ { -2, -43 }, { 7, -40 }, { 11, -30 }, { 19, -20 },
                                                   { 17, -12 }, { 8, -4 }, { -3, -7 }, { -5, -24 } });
        fillInked(q, sleeve, c.silk, c.silkInk, ink);
        fillWithin(q, sleeve, ellipse({ 2, -8 }, 8, 6), c.silkShade);
        fill(q, ellipse({ 18, -17 }, 2.2, 3.4), c.red);
        fillInked(q, ellipse({ 21.5, -16 }, 3.2, 2.6), c.skin, c.silkInk, 0.8);
        brideHead(q, { 1, -55 });
    });
}

} // namespace smallfigures

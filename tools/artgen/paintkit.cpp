// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "paintkit.h"

#include <QHash>
#include <QPainter>
#include <QtMath>

#include <algorithm>
#include <cmath>

namespace art {

namespace {

QPainterPath catmullRom(const QVector<QPointF> &pts, bool closed)
{
    QPainterPath path;
    const int n = pts.size();
    if (n < 2)
        return path;
    auto at = [&](int i) {
        if (closed)
            return pts[((i % n) + n) % n];
        return pts[std::clamp(i, 0, n - 1)];
    };
    path.moveTo(pts[0]);
    const int segments = closed ? n : n - 1;
    for (int i = 0; i < segments; ++i) {
        const QPointF p0 = at(i - 1), p1 = at(i), p2 = at(i + 1), p3 = at(i + 2);
        path.cubicTo(p1 + (p2 - p0) / 6.0, p2 - (p3 - p1) / 6.0, p2);
    }
    if (closed)
        path.closeSubpath();
    return path;
}

} // namespace

QPainterPath smoothClosed(const QVector<QPointF> &points)
{
    return catmullRom(points, true);
}

QPainterPath smoothOpen(const QVector<QPointF> &points)
{
    return catmullRom(points, false);
}

QPainterPath ellipse(QPointF centre, qreal rx, qreal ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

QPainterPath polygon(const QVector<QPointF> &points)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(points));
    path.closeSubpath();
    return path;
}

QPainterPath fluffy(QPointF centre, qreal rx, qreal ry, int bumps, qreal depth, qreal phase)
{
    QVector<QPointF> pts;
    for (int i = 0; i < bumps * 2; ++i) {
        const qreal a = phase + M_PI * i / bumps;
        const qreal k = (i % 2 == 0) ? 1.0 : 1.0 - depth;
        pts.append(centre + QPointF(std::cos(a) * rx * k, std::sin(a) * ry * k));
    }
    return smoothClosed(pts);
}

void fill(QPainter &p, const QPainterPath &path, const QColor &colour)
{
    p.fillPath(path, colour);
}

void fillInked(QPainter &p, const QPainterPath &path, const QColor &colour, const QColor &ink,
               qreal width)
{
    p.fillPath(path, colour);
    stroke(p, path, ink, width);
}

void fillWithin(QPainter &p, const QPainterPath &base, const QPainterPath &part,
                const QColor &colour)
{
    p.fillPath(base.intersected(part), colour);
}

void stroke(QPainter &p, const QPainterPath &path, const QColor &colour, qreal width)
{
    QPen pen(colour, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.strokePath(path, pen);
}

QColor mix(const QColor &a, const QColor &b, qreal t)
{
    return QColor::fromRgbF(a.redF() + (b.redF() - a.redF()) * t,
                            a.greenF() + (b.greenF() - a.greenF()) * t,
                            a.blueF() + (b.blueF() - a.blueF()) * t,
                            a.alphaF() + (b.alphaF() - a.alphaF()) * t);
}

QColor alpha(const QColor &c, int a)
{
    QColor r = c;
    r.setAlpha(a);
    return r;
}

QImage canvas(int width, int height, const QColor &clear)
{
    QImage image(width, height, QImage::Format_ARGB32_Premultiplied);
    image.fill(clear);
    return image;
}

void featherMask(QImage &image, QPointF centre, qreal rx, qreal ry, qreal exponent,
                 qreal feather)
{
    image = image.convertToFormat(QImage::Format_ARGB32);
    const qreal inner = 1.0 - feather / std::min(rx, ry);
    for (int y = 0; y < image.height(); ++y) {
        auto *line = reinterpret_cast<QRgb *>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const qreal dx = std::abs((x + 0.5 - centre.x()) / rx);
            const qreal dy = std::abs((y + 0.5 - centre.y()) / ry);
            const qreal r = std::pow(std::pow(dx, exponent) + std::pow(dy, exponent),
                                     1.0 / exponent);
            qreal m = 1.0;
            if (r >= 1.0) {
                m = 0.0;
            } else if (r > inner) {
                const qreal t = (r - inner) / (1.0 - inner);
                m = 1.0 - t * t * (3.0 - 2.0 * t);
            }
            const QRgb c = line[x];
            line[x] = qRgba(qRed(c), qGreen(c), qBlue(c), qRound(qAlpha(c) * m));
            if (qAlpha(line[x]) == 0)
                line[x] = 0;
        }
    }
}

namespace {

struct Box
{
    QVector<QRgb> colours;
    QVector<int> counts;
    int total = 0;
    int channel = 0;
    int range = 0;

    void measure()
    {
        int lo[3] = { 255, 255, 255 }, hi[3] = { 0, 0, 0 };
        total = 0;
        for (int i = 0; i < colours.size(); ++i) {
            const int c[3] = { qRed(colours[i]), qGreen(colours[i]), qBlue(colours[i]) };
            for (int k = 0; k < 3; ++k) {
                lo[k] = std::min(lo[k], c[k]);
                hi[k] = std::max(hi[k], c[k]);
            }
            total += counts[i];
        }
        range = -1;
        for (int k = 0; k < 3; ++k) {
            if (hi[k] - lo[k] > range) {
                range = hi[k] - lo[k];
                channel = k;
            }
        }
    }

    QRgb average() const
    {
        double r = 0, g = 0, b = 0, n = 0;
        for (int i = 0; i < colours.size(); ++i) {
            r += qRed(colours[i]) * double(counts[i]);
            g += qGreen(colours[i]) * double(counts[i]);
            b += qBlue(colours[i]) * double(counts[i]);
            n += counts[i];
        }
        return qRgb(qRound(r / n), qRound(g / n), qRound(b / n));
    }
};

int component(QRgb c, int channel)
{
    return channel == 0 ? qRed(c) : channel == 1 ? qGreen(c) : qBlue(c);
}

} // namespace

QImage toIndexed(const QImage &image, int colours)
{
    const QImage rgb = image.convertToFormat(QImage::Format_RGB32);
    QHash<QRgb, int> histogram;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *line = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        for (int x = 0; x < rgb.width(); ++x)
            ++histogram[line[x] | 0xff000000u];
    }

    // QHash iterates in a different order in every run; sorting keeps the
    // palette, and with it the file, the same from run to run.
    QVector<QRgb> keys = histogram.keys().toVector();
    std::sort(keys.begin(), keys.end());
    QVector<Box> boxes(1);
    for (const QRgb key : keys) {
        boxes[0].colours.append(key);
        boxes[0].counts.append(histogram.value(key));
    }
    boxes[0].measure();

    while (boxes.size() < colours) {
        // Split where many pixels meet a wide colour range: the large flat
        // areas keep exact colours, the anti-aliased seams share the rest.
        int best = -1;
        double bestScore = 0;
        for (int i = 0; i < boxes.size(); ++i) {
            if (boxes[i].colours.size() < 2)
                continue;
            const double score = double(boxes[i].range) * std::sqrt(double(boxes[i].total));
            if (score > bestScore) {
                bestScore = score;
                best = i;
            }
        }
        if (best < 0)
            break;
        Box box = boxes[best];
        QVector<int> order(box.colours.size());
        for (int i = 0; i < order.size(); ++i)
            order[i] = i;
        std::stable_sort(order.begin(), order.end(), [&](int a, int b) {
            return component(box.colours[a], box.channel) < component(box.colours[b], box.channel);
        });
        Box lower, upper;
        int running = 0;
        for (int i : order) {
            Box &target = (running < box.total / 2 || lower.colours.isEmpty()) ? lower : upper;
            target.colours.append(box.colours[i]);
            target.counts.append(box.counts[i]);
            running += box.counts[i];
        }
        if (upper.colours.isEmpty()) {
            upper.colours.append(lower.colours.takeLast());
            upper.counts.append(lower.counts.takeLast());
        }
        lower.measure();
        upper.measure();
        boxes[best] = lower;
        boxes.append(upper);
    }

    QVector<QRgb> table;
    for (const Box &box : boxes)
        table.append(box.average());

    QImage indexed(rgb.size(), QImage::Format_Indexed8);
    indexed.setColorTable(table);
    QHash<QRgb, uchar> lookup;
    for (int y = 0; y < rgb.height(); ++y) {
        const auto *in = reinterpret_cast<const QRgb *>(rgb.constScanLine(y));
        uchar *out = indexed.scanLine(y);
        for (int x = 0; x < rgb.width(); ++x) {
            const QRgb c = in[x] | 0xff000000u;
            auto found = lookup.constFind(c);
            if (found == lookup.constEnd()) {
                int bestIndex = 0, bestDistance = INT_MAX;
                for (int i = 0; i < table.size(); ++i) {
                    const int dr = qRed(c) - qRed(table[i]);
                    const int dg = qGreen(c) - qGreen(table[i]);
                    const int db = qBlue(c) - qBlue(table[i]);
                    const int d = 3 * dr * dr + 4 * dg * dg + 2 * db * db;
                    if (d < bestDistance) {
                        bestDistance = d;
                        bestIndex = i;
                    }
                }
                found = lookup.insert(c, uchar(bestIndex));
            }
            out[x] = *found;
        }
    }
    return indexed;
}

} // namespace art

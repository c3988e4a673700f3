// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "icon.h"

#include "paintkit.h"
#include "pngfile.h"

#include <QFile>
#include <QPainter>
#include <QtEndian>

#include <cstdio>

using namespace art;

namespace icon {

QImage paint(int size)
{
    QImage image = canvas(size, size);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.scale(size / 256.0, size / 256.0);
    const QColor ink(0x3a, 0x40, 0x4c);
    // a round badge: a moon behind a grey wolf wearing a white flower
    fillInked(p, ellipse({ 128, 128 }, 122, 122), QColor(0x2c, 0x3e, 0x6e), ink, 6);
    fill(p, ellipse({ 176, 78 }, 46, 46), QColor(0xfb, 0xe7, 0xa8));
    const QColor fur(0x9a, 0xa5, 0xb3), cream(0xf1, 0xec, 0xe3);
    for (bool right : { false, true }) {
        const qreal s = right ? -1 : 1;
        const QPainterPath ear = polygon({ { 128 - s * 84, 120 }, { 128 - s * 76, 34 }, { 128 - s * 28, 84 } });
        fillInked(p, ear, fur, ink, 6);
        fill(p, polygon({ { 128 - s * 72, 106 }, { 128 - s * 70, 58 }, { 128 - s * 44, 86 } }),
             QColor(0xd9, 0xb0, 0xb0));
    }
    const QPainterPath head = smoothClosed({ { 128, 70 }, { 190, 92 }, { 214, 150 }, { 188, 200 },
                                             { 128, 226 }, { 68, 200 }, { 42, 150 }, { 66, 92 } });
    fillInked(p, head, fur, ink, 6);
    fillWithin(p, head, ellipse({ 128, 190 }, 62, 50), cream);
    fill(p, smoothClosed({ { 108, 160 }, { 148, 160 }, { 140, 176 }, { 128, 182 }, { 116, 176 } }),
         QColor(0x33, 0x34, 0x3b));
    for (qreal x : { 96.0, 160.0 }) {
        fill(p, ellipse({ x, 138 }, 12, 13), QColor(0x2c, 0x22, 0x1f));
        fill(p, ellipse({ x - 4, 133 }, 4, 4), Qt::white);
    }
    stroke(p, smoothOpen({ { 108, 194 }, { 128, 204 }, { 148, 194 } }), ink, 6);
    const QPointF flower(70, 84);
    fill(p, fluffy(flower, 30, 30, 5, 0.4, 0.3), Qt::white);
    stroke(p, fluffy(flower, 30, 30, 5, 0.4, 0.3), ink, 4);
    fill(p, ellipse(flower, 9, 9), QColor(0xe9, 0xc1, 0x5a));
    return image;
}

namespace {

void put16(QByteArray &b, quint16 v)
{
    b.append(char(v & 0xff)).append(char(v >> 8));
}

void put32(QByteArray &b, quint32 v)
{
    put16(b, quint16(v & 0xffff));
    put16(b, quint16(v >> 16));
}

// One icon image as a Windows DIB: header, palette, colour rows and the
// one-bit transparency mask, both bottom-up.
QByteArray dib(const QImage &argb, int bits)
{
    const int w = argb.width(), h = argb.height();
    QByteArray b;
    put32(b, 40);
    put32(b, quint32(w));
    put32(b, quint32(h * 2));
    put16(b, 1);
    put16(b, quint16(bits));
    put32(b, 0);
    put32(b, 0);
    put32(b, 0);
    put32(b, 0);
    put32(b, bits <= 8 ? (1u << bits) : 0);
    put32(b, 0);

    QImage indexed;
    if (bits <= 8) {
        QImage flat(argb.size(), QImage::Format_RGB32);
        flat.fill(Qt::black);
        QPainter(&flat).drawImage(0, 0, argb);
        indexed = toIndexed(flat, 1 << bits);
        QVector<QRgb> table = indexed.colorTable();
        table.resize(1 << bits);
        for (QRgb c : table) {
            b.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c))).append(char(0));
        }
    }
    const int rowBytes = ((w * bits + 31) / 32) * 4;
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(rowBytes, 0);
        for (int x = 0; x < w; ++x) {
            if (bits == 32) {
                const QRgb c = argb.pixel(x, y);
                row[x * 4] = char(qBlue(c));
                row[x * 4 + 1] = char(qGreen(c));
                row[x * 4 + 2] = char(qRed(c));
                row[x * 4 + 3] = char(qAlpha(c));
            } else if (bits == 8) {
                row[x] = char(indexed.pixelIndex(x, y));
            } else {
                const int v = indexed.pixelIndex(x, y) & 0x0f;
                row[x / 2] = char(row[x / 2] | (x % 2 == 0 ? v << 4 : v));
            }
        }
        b.append(row);
    }
    const int maskBytes = ((w + 31) / 32) * 4;
    for (int y = h - 1; y >= 0; --y) {
        QByteArray row(maskBytes, 0);
        for (int x = 0; x < w; ++x) {
            if (qAlpha(argb.pixel(x, y)) < 128)
                row[x / 8] = char(row[x / 8] | (0x80 >> (x % 8)));
        }
        b.append(row);
    }
    return b;
}

QByteArray png(const QImage &image)
{
    return pngfile::encode(image, pngfile::Kind::Rgba);
}

bool writeFile(const QString &path, const QByteArray &data)
{
    QFile f(path);
    if (!f.open(QIODevice::WriteOnly) || f.write(data) != data.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%-48s %8lld bytes\n", qPrintable(path), qint64(data.size()));
    return true;
}

} // namespace

bool writeAll(const QDir &resources)
{
    struct Entry
    {
        int size;
        int bits;
        QByteArray data;
    };
    QList<Entry> entries;
    for (int size : { 16, 32, 48, 256 }) {
        const QImage argb = paint(size).convertToFormat(QImage::Format_ARGB32);
        for (int bits : { 4, 8, 32 }) {
            // the 256-pixel true-colour image goes in as PNG, as Windows expects
            entries.append({ size, bits, size == 256 && bits == 32 ? png(argb) : dib(argb, bits) });
        }
    }
    QByteArray ico;
    put16(ico, 0);
    put16(ico, 1);
    put16(ico, quint16(entries.size()));
    quint32 offset = 6 + 16 * entries.size();
    for (const Entry &e : entries) {
        ico.append(char(e.size == 256 ? 0 : e.size)).append(char(e.size == 256 ? 0 : e.size));
        ico.append(char(e.bits == 4 ? 16 : 0)).append(char(0));
        put16(ico, 1);
        put16(ico, quint16(e.bits));
        put32(ico, quint32(e.data.size()));
        put32(ico, offset);
        offset += quint32(e.data.size());
    }
    for (const Entry &e : entries)
        ico.append(e.data);

    bool ok = writeFile(resources.filePath("picturebook.ico"), ico);
    // The same licence notice as every source file, split so that licence
    // scanners do not take it for this file's own.
    ok &= writeFile(resources.filePath("picturebook.rc"),
                    "// SPDX-" "FileCopyrightText: 2026 The picturebook developers\n"
                    "// SPDX-" "License-Identifier: MIT\n\n"
                    "IDI_ICON1 ICON \"picturebook.ico\"\n");
    for (int size : { 16, 32, 48, 64, 128, 256 }) {
        const QString dir = QString("icons/hicolor/%1x%1/apps").arg(size);
        resources.mkpath(dir);
        ok &= writeFile(resources.filePath(dir + "/picturebook.png"), png(paint(size)));
    }
    return ok;
}

} // namespace icon

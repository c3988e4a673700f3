// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "pngfile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QtEndian>

#include <array>
#include <cstdio>

namespace pngfile {

namespace {

quint32 crc32(const QByteArray &data)
{
    static const std::array<quint32, 256> table = [] {
        std::array<quint32, 256> t{};
        for (quint32 n = 0; n < 256; ++n) {
            quint32 c = n;
            for (int k = 0; k < 8; ++k)
                c = (c & 1) ? 0xedb88320u ^ (c >> 1) : c >> 1;
            t[n] = c;
        }
        return t;
    }();
    quint32 c = 0xffffffffu;
    for (const char byte : data)
        c = table[(c ^ quint8(byte)) & 0xff] ^ (c >> 8);
    return c ^ 0xffffffffu;
}

void appendBigEndian(QByteArray &out, quint32 value)
{
    char bytes[4];
    qToBigEndian(value, bytes);
    out.append(bytes, 4);
}

void appendChunk(QByteArray &out, const char *type, const QByteArray &data)
{
    appendBigEndian(out, quint32(data.size()));
    const QByteArray typed = QByteArray(type, 4) + data;
    out.append(typed);
    appendBigEndian(out, crc32(typed));
}

} // namespace

QByteArray encode(const QImage &image, Kind kind)
{
    QImage pixels;
    int bytesPerPixel = 0;
    quint8 colourType = 0;
    switch (kind) {
    case Kind::Rgba:
        pixels = image.convertToFormat(QImage::Format_RGBA8888);
        bytesPerPixel = 4;
        colourType = 6;
        break;
    case Kind::Rgb:
        pixels = image.convertToFormat(QImage::Format_RGB888);
        bytesPerPixel = 3;
        colourType = 2;
        break;
    case Kind::Indexed:
        pixels = image;
        Q_ASSERT(pixels.format() == QImage::Format_Indexed8);
        bytesPerPixel = 1;
        colourType = 3;
        break;
    }

    QByteArray header;
    appendBigEndian(header, quint32(pixels.width()));
    appendBigEndian(header, quint32(pixels.height()));
    header.append(char(8));          // bits per channel (per index)
    header.append(char(colourType));
    header.append(char(0));          // deflate
    header.append(char(0));          // adaptive filtering, the only method
    header.append(char(0));          // not interlaced

    const qsizetype rowBytes = qsizetype(pixels.width()) * bytesPerPixel;
    QByteArray raw;
    raw.reserve((rowBytes + 1) * pixels.height());
    for (int y = 0; y < pixels.height(); ++y) {
        raw.append(char(0)); // filter type None
        raw.append(reinterpret_cast<const char *>(pixels.constScanLine(y)), rowBytes);
    }
    // qCompress gives a zlib stream behind a four-byte length of its own
    const QByteArray zlib = qCompress(raw, 9).mid(4);

    QByteArray png("\x89PNG\r\n\x1a\n", 8);
    appendChunk(png, "IHDR", header);
    if (kind == Kind::Indexed) {
        QByteArray palette;
        for (const QRgb c : pixels.colorTable())
            palette.append(char(qRed(c))).append(char(qGreen(c))).append(char(qBlue(c)));
        appendChunk(png, "PLTE", palette);
    }
    appendChunk(png, "IDAT", zlib);
    appendChunk(png, "IEND", QByteArray());
    return png;
}

bool write(const QImage &image, const QString &path, Kind kind)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QByteArray data = encode(image, kind);
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(data) != data.size()) {
        std::fprintf(stderr, "cannot write %s\n", qPrintable(path));
        return false;
    }
    std::printf("%-52s %8lld bytes\n", qPrintable(path), qint64(data.size()));
    return true;
}

} // namespace pngfile

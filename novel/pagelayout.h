// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <QString>

#include <iterator>

// Where the reading page puts its pictures and its line, and which pictures
// it has. The artwork is drawn for these places (a face picture only meets its
// body's face at its own point), so the page, the artwork generator and the
// benchmarks all read them from here.
namespace PageLayout {

inline constexpr QSize pageSize(800, 600);

// By background id; the paths are the bundle's.
inline constexpr const char *backgrounds[] = {
    ":/back/pict/tyuuka.png",
    ":/back/pict/black.png",
    ":/back/pict/eventtovane.png",
    ":/back/pict/eventruvello1.png",
    ":/back/pict/eventruvello2.png",
    ":/back/pict/eventruvello3.png",
    ":/back/pict/eventruvello4.png",
    ":/back/pict/eventsorinda.png",
};
inline constexpr int backgroundCount = int(std::size(backgrounds));

inline constexpr QPoint wolfBodyAt(40, 0);
inline constexpr QPoint wolfFaceAt(193, 48);
inline constexpr QPoint brideBodyAt(380, 0);
inline constexpr QPoint brideFaceAt(491, 82);

// A character: a body picture with a face of its own, and numbered face
// pictures (1 to faceCount) that go over that face.
struct Figure
{
    const char *body;
    QSize bodySize;
    QPoint bodyAt;
    const char *facePrefix; // face k is facePrefix + k + ".png"
    QSize faceSize;
    QPoint faceAt;
    int faceCount;
};

inline constexpr Figure wolf { ":/body/wolf/pict/wolf_body.png", QSize(357, 600), wolfBodyAt,
                               ":/body/wolf/pict/wolf/wolf",     QSize(126, 129), wolfFaceAt,
                               6 };
inline constexpr Figure bride { ":/body/bride/pict/bride.png", QSize(414, 600), brideBodyAt,
                                ":/body/bride/pict/orima/",    QSize(160, 164), brideFaceAt,
                                11 };

// The translucent box the line is written in, and the line's place inside it.
inline constexpr QRectF textBox(10, 430, 780, 160);
inline constexpr qreal textBoxOpacity = 0.8;
inline constexpr QRect textArea(20, 440, 760, 140);
// The line's font: a pen script, named in the encoding of the story lines.
inline constexpr char textFontFamily[] = "\x97\xf6\x95\xb6\x83\x79\x83\x93\x8e\x9a";
inline constexpr int textPointSize = 20;

// Empty for an id that names no background.
inline QString backgroundPicture(int id)
{
    return id >= 0 && id < backgroundCount ? QString::fromLatin1(backgrounds[id]) : QString();
}

// Empty for a face value without a picture of its own (0, or past the last).
inline QString facePicture(const Figure &figure, int face)
{
    if (face < 1 || face > figure.faceCount)
        return {};
    return QString::fromLatin1(figure.facePrefix) + QString::number(face) + QLatin1String(".png");
}

struct Layer
{
    QString picture;
    QPoint at;
};

// The figures a record shows, bottom to top: the wolf, then the bride over
// him. A negative face value leaves that figure off the page.
inline QList<Layer> figureLayers(int wolfFace, int brideFace)
{
    QList<Layer> layers;
    const auto add = [&layers](const Figure &figure, int face) {
        if (face < 0)
            return;
        layers.append({ QString::fromLatin1(figure.body), figure.bodyAt });
        const QString picture = facePicture(figure, face);
        if (!picture.isEmpty())
            layers.append({ picture, figure.faceAt });
    };
    add(wolf, wolfFace);
    add(bride, brideFace);
    return layers;
}

} // namespace PageLayout

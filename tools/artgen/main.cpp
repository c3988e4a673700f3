// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

// Paints every picture of the program's bundle and writes the PNG files (and
// the program icon) into the resources folder given on the command line.
//
//   picturebook_artgen <resources dir> [--preview <dir>]
//
// --preview also writes composed reading pages, to judge how the layers meet.

#include "figures.h"
#include "icon.h"
#include "pictures.h"
#include "pngfile.h"
#include "paintkit.h"
#include "scenes.h"

#include "novel/pagelayout.h"

#include <QDir>
#include <QFile>
#include <QFontDatabase>
#include <QGuiApplication>
#include <QPainter>

#include <cstdio>

namespace {

using pngfile::Kind;

QImage composePage(const QImage &background, int wolfFace, int brideFace)
{
    using namespace PageLayout;
    QImage page(pageSize, QImage::Format_ARGB32_Premultiplied);
    QPainter p(&page);
    p.setRenderHint(QPainter::Antialiasing);
    p.drawImage(0, 0, background);
    if (wolfFace >= 0) {
        p.drawImage(wolf.bodyAt, figures::wolfBody());
        if (wolfFace > 0)
            p.drawImage(wolf.faceAt, figures::wolfFace(wolfFace));
    }
    if (brideFace >= 0) {
        p.drawImage(bride.bodyAt, figures::brideBody());
        if (brideFace > 0)
            p.drawImage(bride.faceAt, figures::brideFace(brideFace));
    }
    p.setOpacity(textBoxOpacity);
    p.fillRect(textBox, Qt::black);
    p.setOpacity(1.0);
    // Where the page's name box and "Next" lie over the painted page.
    p.fillRect(QRect(10, 370, 131, 51), QColor(255, 255, 255, 200));
    p.fillRect(QRect(700, 560, 75, 23), QColor(230, 230, 230));
    return page;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    const QStringList args = app.arguments();
    if (args.size() < 2) {
        std::fprintf(stderr, "usage: picturebook_artgen <resources dir> [--preview <dir>]\n");
        return 2;
    }
    const QDir out(args.at(1));
    // The bundle's paths are the resources folder's, below ":/".
    const auto file = [&out](const QString &bundlePath) { return out.filePath(bundlePath.mid(2)); };
    const int previewAt = args.indexOf(QStringLiteral("--preview"));
    const QString previewDir = previewAt > 0 && previewAt + 1 < args.size() ? args.at(previewAt + 1)
                                                                             : QString();

    const int fontId = QFontDatabase::addApplicationFont(out.filePath("font/font/azuki.ttf"));
    if (fontId < 0) {
        std::fprintf(stderr, "cannot load %s\n", qPrintable(out.filePath("font/font/azuki.ttf")));
        return 1;
    }
    const QString family = QFontDatabase::applicationFontFamilies(fontId).value(0);

    bool ok = true;
    const QList<scenes::Scene> backgrounds = scenes::all();
    if (backgrounds.size() != PageLayout::backgroundCount) {
        std::fprintf(stderr, "%d backgrounds painted for %d ids\n", int(backgrounds.size()),
                     PageLayout::backgroundCount);
        return 1;
    }
    for (int id = 0; id < PageLayout::backgroundCount; ++id) {
        const scenes::Scene &scene = backgrounds[id];
        const QImage image = scene.paint();
        ok &= pngfile::write(scene.indexed ? art::toIndexed(image, 256) : image,
                             file(PageLayout::backgroundPicture(id)),
                             scene.indexed ? Kind::Indexed : Kind::Rgba);
    }
    using PageLayout::bride;
    using PageLayout::wolf;
    ok &= pngfile::write(figures::wolfBody(), file(QString::fromLatin1(wolf.body)), Kind::Rgba);
    for (int i = 1; i <= wolf.faceCount; ++i)
        ok &= pngfile::write(figures::wolfFace(i), file(PageLayout::facePicture(wolf, i)), Kind::Rgba);
    ok &= pngfile::write(figures::brideBody(), file(QString::fromLatin1(bride.body)), Kind::Rgba);
    for (int i = 1; i <= bride.faceCount; ++i)
        ok &= pngfile::write(figures::brideFace(i), file(PageLayout::facePicture(bride, i)), Kind::Rgba);
    ok &= pngfile::write(pictures::title(family), out.filePath("page/pict/page/title.png"), Kind::Rgb);
    ok &= pngfile::write(pictures::contents(family), out.filePath("page/pict/page/content.png"), Kind::Rgb);

    ok &= icon::writeAll(out);

    if (!previewDir.isEmpty()) {
        QDir().mkpath(previewDir);
        const QDir dir(previewDir);
        for (int b = 0; b < backgrounds.size(); ++b) {
            const QImage bg = backgrounds[b].paint();
            composePage(bg, b == 1 ? -1 : 1 + b % 6, b == 1 ? -1 : 1 + b % 11)
                .save(dir.filePath(QString("page_%1.png").arg(b)));
        }
        // every face over its body, side by side, on a mid-grey ground
        QImage sheet(7 * 210, 3 * 220, QImage::Format_ARGB32_Premultiplied);
        sheet.fill(QColor(0xc8, 0xb8, 0xa8));
        {
            QPainter p(&sheet);
            for (int f = 0; f <= wolf.faceCount; ++f) {
                QImage fig = figures::wolfBody();
                QPainter fp(&fig);
                if (f > 0)
                    fp.drawImage(figures::wolfFaceRect.topLeft(), figures::wolfFace(f));
                fp.end();
                p.drawImage(QPoint(f * 210, 0), fig.copy(116, 0, 200, 210));
            }
            for (int f = 0; f <= bride.faceCount; ++f) {
                QImage fig = figures::brideBody();
                QPainter fp(&fig);
                if (f > 0)
                    fp.drawImage(figures::brideFaceRect.topLeft(), figures::brideFace(f));
                fp.end();
                p.drawImage(QPoint((f % 7) * 210, 220 + (f / 7) * 220), fig.copy(91, 40, 200, 220));
            }
        }
        sheet.save(dir.filePath("faces_sheet.png"));
        for (const QImage &body : { figures::wolfBody(), figures::brideBody() }) {
            qint64 clear = 0, soft = 0;
            for (int y = 0; y < body.height(); ++y)
                for (int x = 0; x < body.width(); ++x) {
                    const int a = qAlpha(body.pixel(x, y));
                    clear += a == 0;
                    soft += a > 0 && a < 255;
                }
            std::printf("body %dx%d: %.3f transparent, %lld soft edge pixels\n", body.width(),
                        body.height(), double(clear) / (body.width() * body.height()), soft);
        }
        const QImage room = backgrounds[0].paint();
        for (int f = 0; f <= bride.faceCount; ++f)
            composePage(room, f <= wolf.faceCount ? f : 0, f).save(dir.filePath(QString("faces_%1.png").arg(f)));
    }
    return ok ? 0 : 1;
}

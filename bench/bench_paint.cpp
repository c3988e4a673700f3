// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

// Times the paint of the reading page for every record of the three stories.
//
// First the page's own paintEvent: a FormNovel that is never shown renders
// each record into an image with QWidget::render(), so the figure is the
// page's paint and its child widgets, with nothing of a window system in it.
// Then the same drawing steps are replayed one by one on the same records to
// split the time into decoding the pictures, composing the layers and the
// text box, and writing the text. The replay decodes every picture of a
// record before drawing any, where the page decodes each just before drawing
// it; the work is the same.
//
// Usage: bench_paint [rounds]   (default 3 rounds over all records)

#include "samples.h"
#include "app/fontsetup.h"
#include "novel/formnovel.h"
#include "scenario/cp932.h"
#include "scenario/tovane.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QFont>
#include <QImage>
#include <QPainter>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

struct Layer
{
    QString path;
    QPoint at;
};

// The pictures of one record, bottom to top, as the page draws them.
std::vector<Layer> layersOf(const ScenarioRecord &r)
{
    static const char *const backgrounds[] = {"tyuuka", "black", "eventtovane", "eventruvello1",
                                              "eventruvello2", "eventruvello3", "eventruvello4",
                                              "eventsorinda"};
    std::vector<Layer> layers;
    if (r.background >= 0 && r.background < 8)
        layers.push_back({QStringLiteral(":/back/pict/%1.png").arg(QLatin1String(backgrounds[r.background])),
                          {0, 0}});
    if (r.wolfFace >= 0) {
        layers.push_back({QStringLiteral(":/body/wolf/pict/wolf_body.png"), {40, 0}});
        if (r.wolfFace >= 1 && r.wolfFace <= 6)
            layers.push_back({QStringLiteral(":/body/wolf/pict/wolf/wolf%1.png").arg(r.wolfFace),
                              {193, 48}});
    }
    if (r.brideFace >= 0) {
        layers.push_back({QStringLiteral(":/body/bride/pict/bride.png"), {380, 0}});
        if (r.brideFace >= 1 && r.brideFace <= 11)
            layers.push_back({QStringLiteral(":/body/bride/pict/orima/%1.png").arg(r.brideFace),
                              {491, 82}});
    }
    return layers;
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    FontSetup::install();
    const int rounds = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 3;

    FormNovel page;
    page.resize(800, 600);
    auto *next = page.findChild<QPushButton *>(QStringLiteral("PB_Page"));
    QImage target(page.size(), QImage::Format_ARGB32_Premultiplied);

    std::vector<double> paint;
    std::vector<ScenarioRecord> records;
    for (int round = 0; round < rounds; ++round) {
        for (int number = 0; number < 3; ++number) {
            page.selectStory(number);
            const int count = page.currentScenario()->count;
            for (int i = 0; i < count; ++i) {
                QElapsedTimer timer;
                timer.start();
                page.render(&target);
                paint.push_back(ms(timer.nsecsElapsed()));
                if (round == 0)
                    records.push_back(page.currentScenario()->records[i]);
                // The page is hidden, so the click's own repaint draws nothing.
                next->click();
            }
        }
    }

    const QString fontFamily = fromCp932("\x97\xf6\x95\xb6\x83\x79\x83\x93\x8e\x9a");
    std::vector<double> decode, compose, text, total;
    int pictures = 0;
    for (int round = 0; round < rounds; ++round) {
        for (const ScenarioRecord &record : records) {
            QElapsedTimer timer;
            timer.start();
            const std::vector<Layer> layers = layersOf(record);
            std::vector<QImage> images;
            images.reserve(layers.size());
            for (const Layer &layer : layers)
                images.emplace_back(layer.path);
            const qint64 decoded = timer.nsecsElapsed();

            QImage composed(800, 600, QImage::Format_ARGB32_Premultiplied);
            QPainter painter(&composed);
            painter.setRenderHint(QPainter::Antialiasing);
            if (layers.empty() || layers.front().at != QPoint(0, 0))
                painter.fillRect(composed.rect(), Qt::black);
            for (size_t k = 0; k < images.size(); ++k)
                painter.drawImage(layers[k].at, images[k]);
            painter.setOpacity(0.8);
            painter.fillRect(QRectF(10, 430, 780, 160), QBrush(Qt::black, Qt::SolidPattern));
            const qint64 layered = timer.nsecsElapsed();

            painter.setFont(QFont(fontFamily, 20, QFont::Bold));
            painter.setPen(Qt::white);
            painter.setOpacity(1.0);
            painter.drawText(QRect(20, 440, 760, 140), Qt::AlignLeft | Qt::TextWordWrap,
                             displayText(record.text));
            painter.end();
            const qint64 written = timer.nsecsElapsed();

            if (round == 0)
                pictures += int(images.size());
            decode.push_back(ms(decoded));
            compose.push_back(ms(layered - decoded));
            text.push_back(ms(written - layered));
            total.push_back(ms(written));
        }
    }

    std::printf("platform %s, %d round(s) over %zu records (%d pictures a round)\n",
                qPrintable(QGuiApplication::platformName()), rounds, records.size(), pictures);
    printSamples("page paint (paintEvent, rendered)", paint);
    std::printf("the same drawing steps, timed apart:\n");
    printSamples("  paint: decode pictures", decode);
    printSamples("  paint: compose layers and box", compose);
    printSamples("  paint: text", text);
    printSamples("  paint: sum of the three", total);
    return 0;
}

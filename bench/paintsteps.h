// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include "samples.h"
#include "novel/pagelayout.h"
#include "scenario/cp932.h"
#include "scenario/tovane.h"

#include <QElapsedTimer>
#include <QFont>
#include <QImage>
#include <QPainter>

#include <string>
#include <vector>

// The reading page's paint taken apart and timed step by step on the given
// records: decoding the pictures, composing them with the text box, writing
// the line. A record's pictures are all decoded before any is drawn, where the
// page decodes each just before drawing it; the work is the same.
inline void printPaintSteps(const std::vector<ScenarioRecord> &records, int rounds,
                            const std::string &prefix)
{
    std::vector<double> decode, compose, text, total;
    for (int round = 0; round < rounds; ++round) {
        for (const ScenarioRecord &record : records) {
            QElapsedTimer timer;
            timer.start();
            QList<PageLayout::Layer> layers
                = PageLayout::figureLayers(record.wolfFace, record.brideFace);
            layers.prepend({ PageLayout::backgroundPicture(record.background), QPoint() });
            std::vector<QImage> pictures;
            for (const PageLayout::Layer &layer : layers)
                pictures.emplace_back(layer.picture);
            const qint64 decoded = timer.nsecsElapsed();

            QImage page(PageLayout::pageSize, QImage::Format_ARGB32_Premultiplied);
            QPainter painter(&page);
            painter.setRenderHint(QPainter::Antialiasing);
            if (pictures.front().isNull())
                painter.fillRect(page.rect(), Qt::black);
            for (size_t k = 0; k < pictures.size(); ++k)
                painter.drawImage(layers[qsizetype(k)].at, pictures[k]);
            painter.setOpacity(PageLayout::textBoxOpacity);
            painter.fillRect(PageLayout::textBox, QBrush(Qt::black, Qt::SolidPattern));
            const qint64 composed = timer.nsecsElapsed();

            painter.setFont(QFont(fromCp932(PageLayout::textFontFamily), PageLayout::textPointSize,
                                  QFont::Bold));
            painter.setPen(Qt::white);
            painter.setOpacity(1.0);
            painter.drawText(PageLayout::textArea, Qt::AlignLeft | Qt::TextWordWrap,
                             displayText(record.text));
            painter.end();
            const qint64 written = timer.nsecsElapsed();

            decode.push_back(ms(decoded));
            compose.push_back(ms(composed - decoded));
            text.push_back(ms(written - composed));
            total.push_back(ms(written));
        }
    }
    std::printf("the same drawing steps, timed apart:\n");
    printSamples((prefix + "decode pictures").c_str(), decode);
    printSamples((prefix + "compose layers and box").c_str(), compose);
    printSamples((prefix + "text").c_str(), text);
    printSamples((prefix + "sum of the three").c_str(), total);
}

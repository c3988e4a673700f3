// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include "samples.h"
#include "novel/pagelayout.h"
#include "novel/pagepainter.h"
#include "scenario/tovane.h"

#include <QElapsedTimer>
#include <QImage>
#include <QPainter>

#include <string>
#include <vector>

// The reading page's own drawing, timed in its two steps on the given
// records: the pictures (each decoded and drawn), then the text box with the
// line. Drawn into an image of the page's size, with no window system in it.
inline void printPaintSteps(const std::vector<ScenarioRecord> &records, int rounds,
                            const std::string &prefix)
{
    std::vector<double> pictures, text, total;
    QImage page(PageLayout::pageSize, QImage::Format_ARGB32_Premultiplied);
    for (int round = 0; round < rounds; ++round) {
        for (const ScenarioRecord &record : records) {
            QElapsedTimer timer;
            timer.start();
            QPainter painter(&page);
            PagePainter::pictures(&painter, &record, page.rect());
            const qint64 drawn = timer.nsecsElapsed();
            PagePainter::textBox(&painter, &record);
            painter.end();
            const qint64 written = timer.nsecsElapsed();

            pictures.push_back(ms(drawn));
            text.push_back(ms(written - drawn));
            total.push_back(ms(written));
        }
    }
    std::printf("the page's drawing into an image, step by step:\n");
    printSamples((prefix + "pictures (decode and draw)").c_str(), pictures);
    printSamples((prefix + "text box and line").c_str(), text);
    printSamples((prefix + "whole page").c_str(), total);
}

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

// Times the paint of the reading page for every record of the three stories.
//
// The page's own paintEvent: a FormNovel that is never shown renders each
// record into an image with QWidget::render(), so the figure is the page's
// paint and its child widgets, with nothing of a window system in it. Then
// the page's drawing functions alone, step by step, on the same records.
//
// Usage: bench_paint [rounds]   (default 3 rounds over all records)

#include "paintsteps.h"
#include "app/fontsetup.h"
#include "novel/formnovel.h"

#include <QApplication>
#include <QPushButton>

#include <algorithm>
#include <cstdio>
#include <vector>

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    FontSetup::install();
    const int rounds = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 3;

    FormNovel page;
    page.resize(PageLayout::pageSize);
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

    std::printf("platform %s, %d round(s) over %zu records\n",
                qPrintable(QGuiApplication::platformName()), rounds, records.size());
    printSamples("page paint (paintEvent, rendered)", paint);
    printPaintSteps(records, rounds, "  paint: ");
    return 0;
}

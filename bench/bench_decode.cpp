// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

// Decode time of every picture in the bundle, loaded the way the reading page
// loads them: a fresh QImage from the resource path on every paint.
//
//   bench_decode [rounds]     (default 200)
//
// Prints, per picture, the stored size and the median, 95th percentile and
// maximum decode time, then the heaviest page the stories can show: a
// background with both figures and both faces. Wall-clock times include any
// wait for a busy processor; the processor-time median next to them is the
// work the decode itself costs.

#include "novel/pagelayout.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QFile>
#include <QImage>

#include <algorithm>
#include <ctime>
#include <cstdio>
#include <vector>

namespace {

// Every picture of the bundle: the reading page's, then the menu pages'.
QStringList allPictures()
{
    QStringList paths;
    for (int id = 0; id < PageLayout::backgroundCount; ++id)
        paths << PageLayout::backgroundPicture(id);
    for (const PageLayout::Figure &figure : { PageLayout::bride, PageLayout::wolf }) {
        paths << QString::fromLatin1(figure.body);
        for (int face = 1; face <= figure.faceCount; ++face)
            paths << PageLayout::facePicture(figure, face);
    }
    return paths << QStringLiteral(":/page/pict/page/title.png")
                 << QStringLiteral(":/page/pict/page/content.png");
}

struct Figures
{
    double median, p95, max, cpuMedian;
};

Figures measure(const std::vector<QString> &set, int rounds)
{
    std::vector<double> ms, cpu;
    ms.reserve(rounds);
    cpu.reserve(rounds);
    QElapsedTimer timer;
    qint64 sink = 0;
    for (int i = 0; i < rounds; ++i) {
        const std::clock_t cpuStart = std::clock();
        timer.start();
        for (const QString &path : set) {
            const QImage image(path);
            sink += image.width();
        }
        ms.push_back(timer.nsecsElapsed() / 1e6);
        cpu.push_back((std::clock() - cpuStart) * 1000.0 / CLOCKS_PER_SEC);
    }
    if (sink == 0)
        std::fprintf(stderr, "nothing decoded\n");
    std::sort(ms.begin(), ms.end());
    std::sort(cpu.begin(), cpu.end());
    const auto at = [&](double q) { return ms[std::min(ms.size() - 1, size_t(q * ms.size()))]; };
    return { at(0.5), at(0.95), ms.back(), cpu[cpu.size() / 2] };
}

} // namespace

int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 200;

    std::printf("%-36s %9s %8s %8s %8s %8s\n", "picture", "bytes", "median", "p95", "max",
                "cpu med");
    for (const QString &path : allPictures()) {
        const QImage warm(path); // load the plugin and touch the data once
        Q_UNUSED(warm);
        const Figures f = measure({ path }, rounds);
        std::printf("%-36s %9lld %8.3f %8.3f %8.3f %8.3f\n", qPrintable(path), QFile(path).size(),
                    f.median, f.p95, f.max, f.cpuMedian);
    }

    std::vector<QString> heaviest { PageLayout::backgroundPicture(0) };
    for (const PageLayout::Layer &figure : PageLayout::figureLayers(1, 1))
        heaviest.push_back(figure.picture);
    const Figures page = measure(heaviest, rounds);
    std::printf("%-36s %9s %8.3f %8.3f %8.3f %8.3f\n", "five pictures of one page", "",
                page.median, page.p95, page.max, page.cpuMedian);
    std::printf("times in ms over %d rounds\n", rounds);
    return 0;
}

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

// Times a page advance of the reading page: from the click on "Next" to the
// painted page, for every record of the three stories, in a real main window.
// The slot repaints synchronously, so the click's duration is the figure.
// The page's drawing functions are then timed step by step on the same
// records to show where the time goes.
//
// Usage: bench_pageadvance [rounds]   (default 3 rounds over all stories)
// Runs on the offscreen platform unless DISPLAY or QT_QPA_PLATFORM say otherwise.

#include "paintsteps.h"
#include "app/fontsetup.h"
#include "app/mainwindow.h"
#include "novel/formnovel.h"
#include "pages/formcontents.h"
#include "pages/formtitle.h"

#include <QApplication>
#include <QMouseEvent>
#include <QPushButton>
#include <QWindow>

#include <algorithm>
#include <cstdio>
#include <ctime>
#include <vector>

namespace {

// Notes when each paint of the page starts and which record it shows.
class PaintLog : public QObject
{
public:
    PaintLog(FormNovel *page, const QElapsedTimer *clock)
        : m_page(page)
        , m_clock(clock)
    {
        page->installEventFilter(this);
    }

    struct Paint
    {
        qint64 start;
        int record;
    };
    std::vector<Paint> paints;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_page && event->type() == QEvent::Paint)
            paints.push_back({m_clock->nsecsElapsed(), m_page->currentRecordIndex()});
        return QObject::eventFilter(watched, event);
    }

private:
    FormNovel *m_page;
    const QElapsedTimer *m_clock;
};

// Presses and releases go through the application's event dispatch, as a
// real click arrives at the button.
void send(QPushButton *button, QEvent::Type type)
{
    const QPointF local(button->width() / 2.0, button->height() / 2.0);
    const QPointF global = button->mapToGlobal(local);
    const bool press = type == QEvent::MouseButtonPress;
    QMouseEvent event(type, local, global, Qt::LeftButton, press ? Qt::LeftButton : Qt::NoButton,
                      Qt::NoModifier);
    QApplication::sendEvent(button, &event);
}

void press(QPushButton *button)
{
    send(button, QEvent::MouseButtonPress);
}

void release(QPushButton *button)
{
    send(button, QEvent::MouseButtonRelease);
}

void click(QPushButton *button)
{
    press(button);
    release(button);
}

// CPU time of this thread: on a machine shared with other work it shows what
// the advance itself costs, apart from waiting for a core.
qint64 threadCpuNow()
{
#ifdef CLOCK_THREAD_CPUTIME_ID
    timespec now;
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return qint64(now.tv_sec) * 1000000000 + now.tv_nsec;
#else
    return 0;
#endif
}

} // namespace

int main(int argc, char *argv[])
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM") && qEnvironmentVariableIsEmpty("DISPLAY"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    FontSetup::install();
    const int rounds = argc > 1 ? std::max(1, QString::fromLocal8Bit(argv[1]).toInt()) : 3;

    MainWindow window;
    window.show();
    QElapsedTimer wait;
    wait.start();
    while (!(window.windowHandle() && window.windowHandle()->isExposed()) && wait.elapsed() < 5000)
        QApplication::processEvents(QEventLoop::AllEvents, 50);
    QApplication::processEvents();

    auto *title = window.findChild<FormTitle *>();
    auto *contents = window.findChild<FormContents *>();
    auto *novel = window.findChild<FormNovel *>();
    auto *next = novel->findChild<QPushButton *>(QStringLiteral("PB_Page"));
    click(title->findChild<QPushButton *>(QStringLiteral("PB_Start")));

    QElapsedTimer clock;
    clock.start();
    PaintLog log(novel, &clock);

    const char *const storyButtons[] = {"PB_Ruvello", "PB_Novel", "PB_Sorinda"};
    // A click acts on release; a person holds the button down for a good
    // tenth of a second, during which the event loop handles the press (the
    // button repaints itself, and with it the page beneath). So the figure
    // that counts runs from the release to the end of the paint that shows
    // the new record. After the slot's repaint the button repaints itself
    // once more, which composes the page again; that paint starts once the
    // new page is on the backing store and flushed, so its start marks the
    // end of the advance. The press, and a press and release sent back to
    // back as QTest sends them, are timed apart.
    std::vector<double> advance;
    std::vector<double> advanceCpu;
    std::vector<double> releaseHandled;
    std::vector<double> pressed;
    std::vector<double> backToBack;
    std::vector<double> endClick;
    std::vector<ScenarioRecord> shown;
    int missedPaints = 0;
    size_t releasePaints = 0;

    for (int round = 0; round < rounds; ++round) {
        for (const char *story : storyButtons) {
            click(contents->findChild<QPushButton *>(QLatin1String(story)));
            QApplication::processEvents();
            const int count = novel->currentScenario()->count;
            for (int i = 1; i < count; ++i) {
                qint64 start = clock.nsecsElapsed();
                press(next);
                pressed.push_back(ms(clock.nsecsElapsed() - start));
                QApplication::processEvents();

                log.paints.clear();
                const qint64 cpuStart = threadCpuNow();
                start = clock.nsecsElapsed();
                release(next);
                const qint64 end = clock.nsecsElapsed();
                advanceCpu.push_back(ms(threadCpuNow() - cpuStart));
                releaseHandled.push_back(ms(end - start));
                releasePaints += log.paints.size();

                auto shows = std::find_if(log.paints.begin(), log.paints.end(),
                                          [i](const PaintLog::Paint &p) { return p.record == i; });
                if (shows == log.paints.end() || novel->currentRecordIndex() != i) {
                    ++missedPaints;
                } else {
                    const auto after = shows + 1;
                    advance.push_back(ms((after == log.paints.end() ? end : after->start) - start));
                }
                if (round == 0)
                    shown.push_back(novel->currentScenario()->records[i]);
                // Let the platform flush what the paint produced, outside the timing.
                QApplication::processEvents();
            }
            const qint64 start = clock.nsecsElapsed();
            click(next);
            endClick.push_back(ms(clock.nsecsElapsed() - start));
            QApplication::processEvents();
        }
        // The same walk with presses and releases back to back, as QTest sends them.
        for (const char *story : storyButtons) {
            click(contents->findChild<QPushButton *>(QLatin1String(story)));
            QApplication::processEvents();
            const int count = novel->currentScenario()->count;
            for (int i = 1; i < count; ++i) {
                const qint64 start = clock.nsecsElapsed();
                click(next);
                backToBack.push_back(ms(clock.nsecsElapsed() - start));
                QApplication::processEvents();
            }
            click(next);
            QApplication::processEvents();
        }
    }

    std::printf("platform %s, %d round(s), %zu page advances, %d without a paint\n",
                qPrintable(QGuiApplication::platformName()), rounds, advance.size(), missedPaints);
    std::printf("page compositions per release: %.2f\n", double(releasePaints) / releaseHandled.size());
    printSamples("click (release) to painted page", advance);
    printSamples("release handled in full", releaseHandled);
    printSamples("  the same, CPU time of the thread", advanceCpu);
    printSamples("press (button and page repaint)", pressed);
    printSamples("press and release back to back", backToBack);
    printSamples("end-of-story click", endClick);
    printPaintSteps(shown, rounds, "  ");
    return missedPaints == 0 ? 0 : 1;
}

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "app/mainwindow.h"
#include "ui_mainwindow.h"

#include "app/afterfirstpaint.h"
#include "app/soundplayer.h"
#include "novel/formnovel.h"
#include "pages/formcontents.h"
#include "pages/formtitle.h"

#include <QShortcut>

namespace {
enum Page { TitlePage = 0, ContentsPage = 1, NovelPage = 2 };
constexpr int titleTrack = 4;
// The title music waits for the title page's first paint, or this long.
constexpr int titleMusicLatestMs = 1000;
} // namespace

MainWindow::MainWindow(QWidget *parent)
    : QMainWindow(parent)
    , ui(new Ui::MainWindow)
{
    ui->setupUi(this);

    sound = new SoundPlayer;

    formTitle = new FormTitle(this);
    formTitle->setVisible(true);
    formTitle->sound = sound;
    // Connecting to the sound server takes longer than painting the page, so
    // the title music starts as soon as the title page is on the screen, not
    // before; unless a page has chosen other music by then. (The window
    // itself is never painted: its pages cover it.)
    AfterFirstPaint::run(formTitle, titleMusicLatestMs, [this, unplayed = sound->source()] {
        if (sound->source() == unplayed)
            sound->play(titleTrack);
    });

    formContents = new FormContents(this);
    formContents->close();
    formContents->sound = sound;

    formNovel = new FormNovel(this);
    formNovel->close();
    formNovel->sound = sound;

    connect(formTitle, &FormTitle::pEventPageChange, this, &MainWindow::SlotsChangePage);
    connect(formContents, &FormContents::pEventPageChange, this, &MainWindow::SlotsChangePage);
    connect(formNovel, &FormNovel::pEventPageChange, this, &MainWindow::SlotsChangePage);

    // Music off and on, on every page, for as long as the program runs.
    new QShortcut(Qt::Key_M, this, this, [this] { sound->setMuted(!sound->isMuted()); });
}

MainWindow::~MainWindow()
{
    delete ui;
    // Stops any music still playing; the pages only borrow the pointer and
    // none of them touches it while being destroyed.
    delete sound;
}

void MainWindow::SlotsChangePage(int page)
{
    switch (page) {
    case TitlePage:
        formTitle->setVisible(true);
        formContents->close();
        formNovel->close();
        break;
    case ContentsPage:
        formTitle->close();
        formContents->setVisible(true);
        formNovel->close();
        break;
    case NovelPage:
        formTitle->close();
        formContents->close();
        formNovel->selectStory(formContents->storyNumber);
        formNovel->setVisible(true);
        break;
    default:
        break;
    }
}

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QMainWindow>

// The reader's one window. It holds three pages stacked on the same
// 800 x 600 area (the title page, the contents page and the novel page) of
// which one is visible at a time. A page asks for another page by emitting
// pEventPageChange() with its number (0 title, 1 contents, 2 novel); the
// window shows that page and hides the others, handing the story chosen on
// the contents page to the novel page on the way. The pages drive the music
// themselves through the one SoundPlayer the window creates and shares.

class FormTitle;
class FormContents;
class FormNovel;
class SoundPlayer;

namespace Ui {
class MainWindow;
}

class MainWindow : public QMainWindow
{
    Q_OBJECT

public:
    explicit MainWindow(QWidget *parent = nullptr);
    ~MainWindow() override;

private slots:
    void SlotsChangePage(int page);

private:
    FormTitle *formTitle;
    FormContents *formContents;
    FormNovel *formNovel;
    SoundPlayer *sound;
    Ui::MainWindow *ui;
};

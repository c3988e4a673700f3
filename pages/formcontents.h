// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>

class SoundPlayer;

namespace Ui {
class FormContents;
}

// The table of contents: one button per story. Choosing a story starts its
// music, records its number for the main window and asks for the novel page.
// Each time the page is shown the keyboard focus is on the button of the story
// last chosen (the top one before any), so a reader back from a story, or
// coming from the title page, goes on from a button they can see and hear.
class FormContents : public QWidget
{
    Q_OBJECT

public:
    explicit FormContents(QWidget *parent = nullptr);
    ~FormContents() override;

    SoundPlayer *sound = nullptr;
    // The story last chosen: 0, 1 or 2; read by the main window.
    int storyNumber;

signals:
    void pEventPageChange(int page);

protected:
    void showEvent(QShowEvent *event) override;

private slots:
    void on_PB_Novel_clicked();
    void on_PB_Ruvello_clicked();
    void on_PB_Sorinda_clicked();

private:
    void openStory(int track, int story);

    Ui::FormContents *ui;
};

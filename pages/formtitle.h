// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>

class SoundPlayer;

namespace Ui {
class FormTitle;
}

// The first page: the title picture and the button that opens the contents.
class FormTitle : public QWidget
{
    Q_OBJECT

public:
    explicit FormTitle(QWidget *parent = nullptr);
    ~FormTitle() override;

    // Shared with the other pages; the title page itself leaves the music to
    // the main window.
    SoundPlayer *sound = nullptr;

signals:
    void pEventPageChange(int page);

public slots:
    void soundNow();

private slots:
    void on_PB_Start_clicked();
    void on_PB_music_clicked();

private:
    Ui::FormTitle *ui;
};

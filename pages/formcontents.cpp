// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "pages/formcontents.h"
#include "ui_formcontents.h"

#include "app/soundplayer.h"
#include "pages/shownpicture.h"

#include <iterator>

namespace {
constexpr int novelPage = 2;
} // namespace

FormContents::FormContents(QWidget *parent)
    : QWidget(parent)
    , storyNumber(0)
    , ui(new Ui::FormContents)
{
    ui->setupUi(this);
    ShownPicture::attach(ui->label, QStringLiteral(":/page/pict/page/content.png"));
}

FormContents::~FormContents()
{
    delete ui;
}

// The track and story numbers differ on purpose: the top button opens story 0
// with track 1, the middle one story 1 with track 0.
void FormContents::on_PB_Ruvello_clicked()
{
    openStory(1, 0);
}

void FormContents::on_PB_Novel_clicked()
{
    openStory(0, 1);
}

void FormContents::on_PB_Sorinda_clicked()
{
    openStory(2, 2);
}

void FormContents::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    QPushButton *const buttons[] = { ui->PB_Ruvello, ui->PB_Novel, ui->PB_Sorinda };
    if (storyNumber >= 0 && storyNumber < int(std::size(buttons)))
        buttons[storyNumber]->setFocus(Qt::OtherFocusReason);
}

void FormContents::openStory(int track, int story)
{
    sound->stop();
    sound->play(track);
    storyNumber = story;
    emit pEventPageChange(novelPage);
}

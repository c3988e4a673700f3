// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "pages/formtitle.h"
#include "ui_formtitle.h"

#include "pages/shownpicture.h"

FormTitle::FormTitle(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::FormTitle)
{
    ui->setupUi(this);
    ShownPicture::attach(ui->label_2, QStringLiteral(":/page/pict/page/title.png"));
    // Kept in the form for a music toggle that the page does not offer.
    ui->PB_music->setVisible(false);
}

FormTitle::~FormTitle()
{
    delete ui;
}

void FormTitle::soundNow() { }

void FormTitle::on_PB_Start_clicked()
{
    emit pEventPageChange(1);
}

void FormTitle::on_PB_music_clicked() { }

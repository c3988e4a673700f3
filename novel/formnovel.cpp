// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "novel/formnovel.h"
#include "ui_formnovel.h"

#include "app/soundplayer.h"
#include "novel/pagepainter.h"
#include "pages/shownpicture.h"
#include "scenario/cp932.h"
#include "scenario/ruvello.h"
#include "scenario/sorinda.h"
#include "scenario/speakernames.h"
#include "scenario/tovane.h"

#include <QPainter>

#include <iterator>

namespace {

constexpr int contentsPage = 1;

} // namespace

FormNovel::FormNovel(QWidget *parent)
    : QWidget(parent)
    , ui(new Ui::FormNovel)
{
    ui->setupUi(this);
    ShownPicture::attach(ui->label, QStringLiteral(":/body/wolf/pict/wolf_body.png"));

    // The form keeps the figures and the sentence label for the designer's
    // sake; the page paints them itself.
    ui->label->setVisible(false);
    ui->frame->setVisible(false);
    ui->LB_Sent->setVisible(false);
    ui->label_2->setVisible(false);

    scenario = std::make_unique<Tovane>();
    showRecord(recordIndex);
}

FormNovel::~FormNovel()
{
    delete ui;
}

void FormNovel::selectStory(int number)
{
    recordIndex = 0;
    storyNumber = number;

    // The old table goes before the new one is built, so at most one story
    // is ever held in memory.
    switch (number) {
    case 0:
        scenario.reset();
        scenario = std::make_unique<Ruvello>();
        break;
    case 1:
        scenario.reset();
        scenario = std::make_unique<Tovane>();
        break;
    case 2:
        scenario.reset();
        scenario = std::make_unique<Sorinda>();
        break;
    default:
        // Not a story: go on with the table already held, from its start.
        break;
    }

    showSpeaker(scenario->records[0].speaker);
    updateAccessibleText();
    // "Next" takes only click focus, so without this a reader without a mouse
    // could never leave the first line.
    ui->PB_Page->setFocus(Qt::OtherFocusReason);
}

void FormNovel::setScenario(std::unique_ptr<Tovane> table)
{
    if (!table)
        return;
    recordIndex = 0;
    scenario = std::move(table);
    showSpeaker(scenario->records[0].speaker);
    updateAccessibleText();
}

void FormNovel::showRecord(int index)
{
    if (index < 0 || index >= int(std::size(scenario->records)))
        return;
    const ScenarioRecord &record = scenario->records[index];
    showSpeaker(record.speaker);
    setSentence(record.text);
    updateAccessibleText();
}

void FormNovel::showSpeaker(int speaker)
{
    switch (speaker) {
    case 1:
        ui->LB_Name->setText(QString());
        break;
    case 2:
        ui->LB_Name->setText(fromCp932(brideName));
        break;
    case 3:
        ui->LB_Name->setText(fromCp932(wolfName));
        break;
    default:
        // Lines without a speaker of their own keep the last name on show.
        break;
    }
}

void FormNovel::setSentence(const QString &text)
{
    ui->LB_Sent->setText(displayText(text));
}

void FormNovel::paintEvent(QPaintEvent *)
{
    // Straight into the window's buffer, which has the screen's resolution:
    // the text stays sharp on a high-density display and the pictures are
    // scaled up with it, and no page-sized image is held on the way.
    QPainter painter(this);
    PagePainter::paint(&painter, currentRecord(), rect());
}

void FormNovel::on_PB_Page_clicked()
{
    ++recordIndex;
    if (recordIndex == scenario->count) {
        if (sound)
            sound->stop();
        // The main window hides this page and shows the contents page before
        // the emit returns.
        emit pEventPageChange(contentsPage);
    }
    showRecord(recordIndex);
    repaint();
}

const ScenarioRecord *FormNovel::currentRecord() const
{
    if (recordIndex < 0 || recordIndex >= int(std::size(scenario->records)))
        return nullptr;
    return &scenario->records[recordIndex];
}

// The painted text is invisible to a screen reader; the page names the line
// and its speaker instead.
void FormNovel::updateAccessibleText()
{
    const ScenarioRecord *record = currentRecord();
    setAccessibleName(record ? displayText(record->text) : QString());
    setAccessibleDescription(ui->LB_Name->text());
}

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "novel/formnovel.h"
#include "ui_formnovel.h"

#include "app/soundplayer.h"
#include "novel/lineaccessible.h"
#include "novel/pagelayout.h"
#include "novel/pagepainter.h"
#include "pages/shownpicture.h"
#include "scenario/cp932.h"
#include "scenario/ruvello.h"
#include "scenario/sorinda.h"
#include "scenario/speakernames.h"
#include "scenario/tovane.h"

#include <QAccessible>
#include <QPainter>
#include <QShortcut>
#include <QWheelEvent>

#include <iterator>

namespace {

constexpr int contentsPage = 1;
// One notch of a common mouse wheel; finer wheels and touchpads add up to it.
constexpr int wheelStep = QWheelEvent::DefaultDeltasPerStep;

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

    // Shortcuts rather than key handlers, so that they work whichever child
    // has the focus; the page's own keys stay with the page.
    const auto addKeys = [this](std::initializer_list<QKeySequence> keys, auto slot) {
        for (const QKeySequence &key : keys) {
            auto *shortcut = new QShortcut(key, this, this, slot);
            shortcut->setContext(Qt::WidgetWithChildrenShortcut);
        }
    };
    addKeys({ Qt::Key_Left, Qt::Key_Backspace, Qt::Key_PageUp }, &FormNovel::previousRecord);
    addKeys({ Qt::Key_Right, Qt::Key_PageDown, Qt::Key_Return, Qt::Key_Enter },
            &FormNovel::on_PB_Page_clicked);
    addKeys({ Qt::Key_Escape }, &FormNovel::leaveStory);

    scenario = std::make_unique<Tovane>();
    showRecord(recordIndex);
}

FormNovel::~FormNovel()
{
    if (announced)
        QAccessible::deleteAccessibleInterface(announced);
    delete ui;
}

void FormNovel::selectStory(int number)
{
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

    startReading();
    // "Next" takes only click focus, so without this a reader without a mouse
    // could never leave the first line.
    ui->PB_Page->setFocus(Qt::OtherFocusReason);
}

void FormNovel::setScenario(std::unique_ptr<Tovane> table)
{
    if (!table)
        return;
    scenario = std::move(table);
    startReading();
}

// The first record of the table held: its speaker's name, the name box as it
// was before kept for stepping back.
void FormNovel::startReading()
{
    recordIndex = 0;
    wheelTurn = 0;
    nameBeforeStory = ui->LB_Name->text();
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
    ui->LB_Name->setText(speakerName(speaker, ui->LB_Name->text()));
}

QString FormNovel::speakerName(int speaker, const QString &previous) const
{
    switch (speaker) {
    case 1:
        return QString();
    case 2:
        return fromCp932(brideName);
    case 3:
        return fromCp932(wolfName);
    default:
        // Lines without a speaker of their own keep the last name on show.
        return previous;
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

void FormNovel::previousRecord()
{
    if (recordIndex <= 0 || recordIndex >= scenario->count)
        return;
    --recordIndex;
    // Which name a line shows can depend on every line before it.
    QString name = nameBeforeStory;
    for (int i = 0; i <= recordIndex; ++i)
        name = speakerName(scenario->records[i].speaker, name);
    ui->LB_Name->setText(name);
    setSentence(scenario->records[recordIndex].text);
    updateAccessibleText();
    repaint();
}

void FormNovel::leaveStory()
{
    if (sound)
        sound->stop();
    emit pEventPageChange(contentsPage);
}

void FormNovel::wheelEvent(QWheelEvent *event)
{
    // Turned away from the reader (up) goes back, as a page scrolls up.
    wheelTurn += event->angleDelta().y();
    event->accept();
    while (wheelTurn >= wheelStep && isVisible()) {
        wheelTurn -= wheelStep;
        previousRecord();
    }
    while (wheelTurn <= -wheelStep && isVisible()) {
        wheelTurn += wheelStep;
        on_PB_Page_clicked();
    }
}

const ScenarioRecord *FormNovel::currentRecord() const
{
    if (recordIndex < 0 || recordIndex >= int(std::size(scenario->records)))
        return nullptr;
    return &scenario->records[recordIndex];
}

// The painted text is invisible to a screen reader; the page names the line
// and its speaker instead, and announces them. Every change of line comes
// through here.
void FormNovel::updateAccessibleText()
{
    const ScenarioRecord *record = currentRecord();
    const QString line = record ? displayText(record->text) : QString();
    setAccessibleName(line);
    setAccessibleDescription(ui->LB_Name->text());
    announceLine();
}

// Screen readers speak what gets the focus, not a change of name (the name
// changes that Qt sends over AT-SPI carry no text), so each line shown becomes
// an object of its own that takes the screen reader's focus.
void FormNovel::announceLine()
{
    if (announced) {
        QAccessible::deleteAccessibleInterface(announced);
        announced = 0;
    }
    const ScenarioRecord *record = currentRecord();
    if (!record || !isVisible() || !QAccessible::isActive())
        return;
    auto *line
        = new LineAccessible(this, PageLayout::textArea, displayText(record->text), ui->LB_Name);
    announced = QAccessible::registerAccessibleInterface(line);
    QAccessibleEvent event(line, QAccessible::Focus);
    QAccessible::updateAccessibility(&event);
}

void FormNovel::showEvent(QShowEvent *event)
{
    QWidget::showEvent(event);
    announceLine();
}

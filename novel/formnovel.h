// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QAccessible>
#include <QWidget>

#include <memory>

class SoundPlayer;
class Tovane;
struct ScenarioRecord;

namespace Ui {
class FormNovel;
}

// The reading page. It holds the scenario object of the story being read and
// the index of the record on show, paints that record (background, the wolf
// and the bride, the translucent text box) and moves on one record per click
// of "Next". The click past a story's last record stops the music and asks
// for the contents page.
//
// A story number other than 0, 1 or 2 is not a story: selectStory() then keeps
// the scenario it already holds and goes back to its first record, so the
// page always reads a live table.
class FormNovel : public QWidget
{
    Q_OBJECT

public:
    explicit FormNovel(QWidget *parent = nullptr);
    ~FormNovel() override;

    void selectStory(int storyNumber);
    void showRecord(int index);
    void showSpeaker(int speaker);
    void setSentence(const QString &text);

    // Reads the given table from its first record instead of one of the three
    // stories; for tests and tools that need records of their own making.
    void setScenario(std::unique_ptr<Tovane> table);

    const Tovane *currentScenario() const { return scenario.get(); }
    int currentRecordIndex() const { return recordIndex; }

    SoundPlayer *sound = nullptr;

public slots:
    // Back to the line before, as it was first shown; nothing on the first line.
    void previousRecord();
    void leaveStory();

signals:
    void pEventPageChange(int page);

protected:
    void paintEvent(QPaintEvent *event) override;
    void wheelEvent(QWheelEvent *event) override;
    void showEvent(QShowEvent *event) override;

private slots:
    void on_PB_Page_clicked();

private:
    void startReading();
    QString speakerName(int speaker, const QString &previous) const;

    const ScenarioRecord *currentRecord() const;
    void updateAccessibleText();
    void announceLine();

    std::unique_ptr<Tovane> scenario;
    int recordIndex = 0;
    int storyNumber = 0;
    // The name box as the story found it, from which a step back replays the
    // speakers of the records up to the line it goes back to.
    QString nameBeforeStory;
    int wheelTurn = 0; // what the wheel has turned since its last step
    // The line last announced to screen readers (0: none).
    QAccessible::Id announced = 0;
    Ui::FormNovel *ui;
};

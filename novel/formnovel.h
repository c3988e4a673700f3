#pragma once

#include <QWidget>

class SoundPlayer;

// The reading page. For now an empty 800 x 600 page that takes part in the
// page cycle; reading arrives with the story pages.
class FormNovel : public QWidget
{
    Q_OBJECT

public:
    explicit FormNovel(QWidget *parent = nullptr);
    ~FormNovel() override;

    void selectStory(int storyNumber);

    SoundPlayer *sound = nullptr;

signals:
    void pEventPageChange(int page);

private:
    int recordIndex = 0;
    int storyNumber = 0;
};

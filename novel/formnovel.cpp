#include "novel/formnovel.h"

FormNovel::FormNovel(QWidget *parent)
    : QWidget(parent)
{
    resize(800, 600);
}

FormNovel::~FormNovel() = default;

void FormNovel::selectStory(int number)
{
    recordIndex = 0;
    storyNumber = number;
}

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>

#include <array>

class QLabel;
class QLineEdit;
class ClickToEdit;
class ComboBox;

// One window with every kit widget at work, for trying them by hand: a
// validated number field, a click-to-edit field, labels that count their
// clicks, a combo box with a large item font and styled buttons. A log line
// at the bottom tells what each widget reported last.
class WidgetKitWindow : public QWidget
{
    Q_OBJECT

public:
    explicit WidgetKitWindow(QWidget *parent = nullptr);

private:
    void log(const QString &message);
    void countClick(int value);

    QLineEdit *numberField = nullptr;
    ClickToEdit *nameField = nullptr;
    ComboBox *fruitBox = nullptr;
    QLabel *countLabel = nullptr;
    QLabel *logLabel = nullptr;
    std::array<int, 3> clickCounts{};
};

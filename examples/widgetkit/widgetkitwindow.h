// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#pragma once

#include <QWidget>

#include <array>

class QFormLayout;
class QLabel;
class QLineEdit;
class ClickableLabel;
class ClickToEdit;
class ComboBox;
class PushButton;
class ToolButton;

// One window with every kit widget at work, for trying them by hand: a
// validated number field, a click-to-edit field, labels that count their
// clicks, a combo box with a large item font and styled buttons. A log line
// at the bottom tells what each widget reported last. It can also picture
// each widget at work, for the kit's documentation.
class WidgetKitWindow : public QWidget
{
    Q_OBJECT

public:
    explicit WidgetKitWindow(QWidget *parent = nullptr);

    // Writes widgetkit.png (the window) and one PNG per kit widget, in use,
    // into dir; false if one could not be written. Needs the window shown.
    bool saveScreenshots(const QString &dir);

private:
    void log(const QString &message);
    void countClick(int value);
    QPixmap grabRows(int first, int last);

    QFormLayout *form = nullptr;
    QLineEdit *numberField = nullptr;
    ClickToEdit *nameField = nullptr;
    std::array<ClickableLabel *, 3> fruitLabels{};
    ComboBox *fruitBox = nullptr;
    PushButton *okButton = nullptr;
    ToolButton *toolButton = nullptr;
    QLabel *countLabel = nullptr;
    QLabel *logLabel = nullptr;
    std::array<int, 3> clickCounts{};
};

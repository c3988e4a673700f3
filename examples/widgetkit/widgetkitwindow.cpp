// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "widgetkitwindow.h"

#include "widgets/clickablelabel.h"
#include "widgets/clicktoedit.h"
#include "widgets/combobox.h"
#include "widgets/doublevalidator.h"
#include "widgets/pushbutton.h"
#include "widgets/toolbutton.h"

#include <QCheckBox>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QVBoxLayout>

namespace {

const char *const fruitNames[] = {"Apple", "Pear", "Plum"};

} // namespace

WidgetKitWindow::WidgetKitWindow(QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(tr("Widget kit"));
    auto *form = new QFormLayout;

    numberField = new QLineEdit(this);
    numberField->setObjectName(QStringLiteral("numberField"));
    auto *validator = new DoubleValidator(-50, 1000, 2, numberField);
    numberField->setValidator(validator);
    numberField->setText(validator->defaultText());
    connect(numberField, &QLineEdit::editingFinished, this,
            [this] { log(tr("Number field holds \"%1\"").arg(numberField->text())); });
    form->addRow(tr("Number (-50 to 1000, 2 decimals):"), numberField);

    nameField = new ClickToEdit(tr("Click me to edit"), this);
    nameField->setObjectName(QStringLiteral("nameField"));
    connect(nameField, &ClickToEdit::pressed, this,
            [this](bool focus) { log(tr("Click-to-edit: pressed(%1)").arg(focus)); });
    connect(nameField, &ClickToEdit::released, this,
            [this](bool focus) { log(tr("Click-to-edit: released(%1)").arg(focus)); });
    connect(nameField, &ClickToEdit::clicked, this,
            [this](bool focus) { log(tr("Click-to-edit: clicked(%1)").arg(focus)); });
    auto *nameRow = new QHBoxLayout;
    nameRow->addWidget(nameField);
    auto *nameEnabled = new QCheckBox(tr("Enabled"), this);
    nameEnabled->setObjectName(QStringLiteral("nameEnabled"));
    nameEnabled->setChecked(true);
    connect(nameEnabled, &QCheckBox::toggled, nameField, &QWidget::setEnabled);
    nameRow->addWidget(nameEnabled);
    form->addRow(tr("Click to edit:"), nameRow);

    auto *labelRow = new QHBoxLayout;
    for (int i = 0; i < 3; ++i) {
        auto *label = new ClickableLabel(QString::fromLatin1(fruitNames[i]), this);
        label->setObjectName(QStringLiteral("fruitLabel%1").arg(i + 1));
        label->setValue(i + 1);
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Raised);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumHeight(40);
        connect(label, &ClickableLabel::pressed, this,
                [label] { label->setFrameShadow(QFrame::Sunken); });
        connect(label, &ClickableLabel::released, this,
                [label] { label->setFrameShadow(QFrame::Raised); });
        connect(label, &ClickableLabel::clicked, this, &WidgetKitWindow::countClick);
        labelRow->addWidget(label);
    }
    form->addRow(tr("Clickable labels:"), labelRow);
    countLabel = new QLabel(this);
    countLabel->setObjectName(QStringLiteral("countLabel"));
    form->addRow(QString(), countLabel);
    countClick(0);

    fruitBox = new ComboBox(this);
    fruitBox->setObjectName(QStringLiteral("fruitBox"));
    fruitBox->addItem(tr("Cherry"));
    QFont big = fruitBox->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    fruitBox->setItemFont(big);
    fruitBox->setItemSize(QSize(0, 48));
    // Added after the setters: they must look like the first entry.
    fruitBox->addItems({tr("Damson"), tr("Elderberry"), tr("Fig")});
    connect(fruitBox, &QComboBox::currentTextChanged, this,
            [this](const QString &text) { log(tr("Combo box shows %1").arg(text)); });
    form->addRow(tr("Combo box:"), fruitBox);

    auto *buttonRow = new QHBoxLayout;
    auto *okButton = new PushButton(tr("Styled push button"), this);
    okButton->setObjectName(QStringLiteral("pushButton"));
    okButton->setActiveRaisedBrush(QColor(0x9c, 0xd6, 0x8a));
    okButton->setActiveSunkenBrush(QColor(0x3f, 0x7a, 0x2e));
    okButton->setFocusFrameBrush(QColor(0xc0, 0x30, 0x30));
    connect(okButton, &QPushButton::clicked, this, [this] { log(tr("Push button clicked")); });
    buttonRow->addWidget(okButton);

    auto *disabledButton = new PushButton(tr("Disabled"), this);
    disabledButton->setDisabledRaisedBrush(QBrush(QColor(0x80, 0x80, 0x80), Qt::Dense6Pattern));
    disabledButton->setEnabled(false);
    buttonRow->addWidget(disabledButton);

    auto *toolButton = new ToolButton(this);
    toolButton->setObjectName(QStringLiteral("toolButton"));
    toolButton->setText(tr("Tool"));
    toolButton->setCheckable(true);
    toolButton->setActiveRaisedBrush(QColor(0xf2, 0xc9, 0x6b));
    toolButton->setActiveSunkenBrush(QColor(0xa8, 0x6c, 0x10));
    connect(toolButton, &QToolButton::toggled, this,
            [this](bool on) { log(tr("Tool button %1").arg(on ? tr("on") : tr("off"))); });
    buttonRow->addWidget(toolButton);
    buttonRow->addStretch();
    form->addRow(tr("Styled buttons:"), buttonRow);

    logLabel = new QLabel(tr("Try each widget."), this);
    logLabel->setObjectName(QStringLiteral("logLabel"));
    logLabel->setFrameShape(QFrame::StyledPanel);

    auto *layout = new QVBoxLayout(this);
    layout->addLayout(form);
    layout->addStretch();
    layout->addWidget(logLabel);
}

void WidgetKitWindow::log(const QString &message)
{
    logLabel->setText(message);
}

void WidgetKitWindow::countClick(int value)
{
    if (value >= 1 && value <= 3) {
        ++clickCounts[value - 1];
        log(tr("%1 clicked").arg(QString::fromLatin1(fruitNames[value - 1])));
    }
    countLabel->setText(tr("Clicks: Apple %1, Pear %2, Plum %3")
                                .arg(clickCounts[0])
                                .arg(clickCounts[1])
                                .arg(clickCounts[2]));
}

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "widgetkitwindow.h"

#include "widgets/clickablelabel.h"
#include "widgets/clicktoedit.h"
#include "widgets/combobox.h"
#include "widgets/doublevalidator.h"
#include "widgets/pushbutton.h"
#include "widgets/toolbutton.h"

#include <QAbstractItemView>
#include <QCheckBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QFormLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QVBoxLayout>

#include <algorithm>

namespace {

const char *const fruitNames[] = {"Apple", "Pear", "Plum"};

// One picture of a widget before and after, the first above the second.
QPixmap stacked(const QPixmap &top, const QPixmap &bottom, const QColor &background)
{
    const qreal ratio = top.devicePixelRatio();
    const QSize size = top.deviceIndependentSize().toSize();
    const QSize below = bottom.deviceIndependentSize().toSize();
    QPixmap picture(QSize(std::max(size.width(), below.width()),
                          size.height() + below.height()) * ratio);
    picture.setDevicePixelRatio(ratio);
    picture.fill(background);
    QPainter painter(&picture);
    painter.drawPixmap(0, 0, top);
    painter.drawPixmap(0, size.height(), bottom);
    return picture;
}

void click(QWidget *widget)
{
    const QPointF centre = QRectF(widget->rect()).center();
    for (const auto type : { QEvent::MouseButtonPress, QEvent::MouseButtonRelease }) {
        QMouseEvent event(type, centre, widget->mapToGlobal(centre), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &event);
    }
}

void type(QWidget *widget, const QString &text, int key = 0)
{
    for (const QChar c : text) {
        QKeyEvent event(QEvent::KeyPress, 0, Qt::NoModifier, QString(c));
        QCoreApplication::sendEvent(widget, &event);
    }
    if (key) {
        QKeyEvent event(QEvent::KeyPress, key, Qt::NoModifier);
        QCoreApplication::sendEvent(widget, &event);
    }
}

} // namespace

WidgetKitWindow::WidgetKitWindow(QWidget *parent)
    : QWidget(parent)
{
    setWindowTitle(tr("Widget kit"));
    form = new QFormLayout;

    //! [doublevalidator]
    numberField = new QLineEdit(this);
    auto *validator = new DoubleValidator(-50, 1000, 2, numberField);
    numberField->setValidator(validator);
    numberField->setText(validator->defaultText());
    //! [doublevalidator]
    numberField->setObjectName(QStringLiteral("numberField"));
    connect(numberField, &QLineEdit::editingFinished, this,
            [this] { log(tr("Number field holds \"%1\"").arg(numberField->text())); });
    form->addRow(tr("Number (-50 to 1000, 2 decimals):"), numberField);

    //! [clicktoedit]
    nameField = new ClickToEdit(tr("Click me to edit"), this);
    connect(nameField, &ClickToEdit::clicked, this,
            [this](bool focus) { log(tr("Click-to-edit: clicked(%1)").arg(focus)); });
    //! [clicktoedit]
    nameField->setObjectName(QStringLiteral("nameField"));
    connect(nameField, &ClickToEdit::pressed, this,
            [this](bool focus) { log(tr("Click-to-edit: pressed(%1)").arg(focus)); });
    connect(nameField, &ClickToEdit::released, this,
            [this](bool focus) { log(tr("Click-to-edit: released(%1)").arg(focus)); });
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
        //! [clickablelabel]
        auto *label = new ClickableLabel(QString::fromLatin1(fruitNames[i]), this);
        label->setValue(i + 1);
        connect(label, &ClickableLabel::clicked, this, &WidgetKitWindow::countClick);
        //! [clickablelabel]
        label->setObjectName(QStringLiteral("fruitLabel%1").arg(i + 1));
        label->setFrameShape(QFrame::Panel);
        label->setFrameShadow(QFrame::Raised);
        label->setAlignment(Qt::AlignCenter);
        label->setMinimumHeight(40);
        connect(label, &ClickableLabel::pressed, this,
                [label] { label->setFrameShadow(QFrame::Sunken); });
        connect(label, &ClickableLabel::released, this,
                [label] { label->setFrameShadow(QFrame::Raised); });
        labelRow->addWidget(label);
        fruitLabels[i] = label;
    }
    form->addRow(tr("Clickable labels:"), labelRow);
    countLabel = new QLabel(this);
    countLabel->setObjectName(QStringLiteral("countLabel"));
    form->addRow(QString(), countLabel);
    countClick(0);

    //! [combobox]
    fruitBox = new ComboBox(this);
    fruitBox->addItem(tr("Cherry"));
    QFont big = fruitBox->font();
    big.setPointSizeF(big.pointSizeF() * 2);
    big.setBold(true);
    fruitBox->setItemFont(big);
    fruitBox->setItemSize(QSize(0, 48));
    // Added after the setters: they must look like the first entry.
    fruitBox->addItems({tr("Damson"), tr("Elderberry"), tr("Fig")});
    //! [combobox]
    fruitBox->setObjectName(QStringLiteral("fruitBox"));
    connect(fruitBox, &QComboBox::currentTextChanged, this,
            [this](const QString &text) { log(tr("Combo box shows %1").arg(text)); });
    form->addRow(tr("Combo box:"), fruitBox);

    auto *buttonRow = new QHBoxLayout;
    //! [pushbutton]
    okButton = new PushButton(tr("Styled push button"), this);
    okButton->setActiveRaisedBrush(QColor(0x9c, 0xd6, 0x8a));
    okButton->setActiveSunkenBrush(QColor(0x3f, 0x7a, 0x2e));
    okButton->setFocusFrameBrush(QColor(0xc0, 0x30, 0x30));
    //! [pushbutton]
    okButton->setObjectName(QStringLiteral("pushButton"));
    connect(okButton, &QPushButton::clicked, this, [this] { log(tr("Push button clicked")); });
    buttonRow->addWidget(okButton);

    auto *disabledButton = new PushButton(tr("Disabled"), this);
    disabledButton->setDisabledRaisedBrush(QBrush(QColor(0x80, 0x80, 0x80), Qt::Dense6Pattern));
    disabledButton->setEnabled(false);
    buttonRow->addWidget(disabledButton);

    //! [toolbutton]
    toolButton = new ToolButton(this);
    toolButton->setText(tr("Tool"));
    toolButton->setCheckable(true);
    toolButton->setActiveRaisedBrush(QColor(0xf2, 0xc9, 0x6b));
    toolButton->setActiveSunkenBrush(QColor(0xa8, 0x6c, 0x10));
    //! [toolbutton]
    toolButton->setObjectName(QStringLiteral("toolButton"));
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

QPixmap WidgetKitWindow::grabRows(int first, int last)
{
    QRect area;
    for (int row = first; row <= last; ++row) {
        for (const auto role : { QFormLayout::LabelRole, QFormLayout::FieldRole }) {
            if (QLayoutItem *item = form->itemAt(row, role))
                area |= item->geometry();
        }
    }
    const int margin = form->spacing();
    return grab(area.adjusted(-margin, -margin, margin, margin));
}

bool WidgetKitWindow::saveScreenshots(const QString &dir)
{
    const QDir out(dir);
    const auto save = [&out](const QPixmap &picture, const char *name) {
        const QString path = out.filePath(QString::fromLatin1(name));
        if (picture.isNull() || !picture.save(path)) {
            qWarning("widgetkit: could not write %s", qPrintable(path));
            return false;
        }
        return true;
    };
    const QColor background = palette().color(QPalette::Window);
    bool ok = save(grab(), "widgetkit.png");

    // Focus only moves within the active window.
    activateWindow();
    QElapsedTimer waited;
    waited.start();
    while (!isActiveWindow() && waited.elapsed() < 2000)
        QCoreApplication::processEvents(QEventLoop::AllEvents, 50);

    // The placeholder, then a number typed behind it and committed.
    const QPixmap placeholder = grabRows(0, 0);
    click(numberField);
    QCoreApplication::processEvents();
    type(numberField, QStringLiteral("12.5"), Qt::Key_Return);
    ok &= save(stacked(placeholder, grabRows(0, 0), background), "doublevalidator.png");

    // Unfocused, then focused by a click.
    const QPixmap unfocused = grabRows(1, 1);
    click(nameField);
    ok &= save(stacked(unfocused, grabRows(1, 1), background), "clicktoedit.png");

    for (const int fruit : { 1, 1, 2 })
        click(fruitLabels[fruit]);
    ok &= save(grabRows(2, 3), "clickablelabel.png");

    toolButton->setChecked(true);
    okButton->setFocus(Qt::TabFocusReason);
    ok &= save(grabRows(5, 5), "buttons.png");

    // The box, then its list: the entries in the item font and size.
    const QPixmap box = grabRows(4, 4);
    fruitBox->showPopup();
    ok &= save(stacked(box, fruitBox->view()->window()->grab(), background), "combobox.png");
    fruitBox->hidePopup();
    return ok;
}

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

// Shows the six kit widgets in one window and checks what has to cross the
// library's edge: a cast and a property through the classes' meta-objects, a
// signal connected by member pointer, a validator's verdict. Exits 0 when all
// of them hold.
#include <widgets/clickablelabel.h>
#include <widgets/clicktoedit.h>
#include <widgets/combobox.h>
#include <widgets/doublevalidator.h>
#include <widgets/pushbutton.h>
#include <widgets/toolbutton.h>

#include <QApplication>
#include <QMouseEvent>
#include <QVBoxLayout>

#include <algorithm>
#include <cstdio>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *label = new ClickableLabel(QStringLiteral("Label"));
    auto *field = new ClickToEdit;
    auto *validator = new DoubleValidator(0.0, 10.0, 2, field);
    field->setValidator(validator);
    auto *combo = new ComboBox;
    combo->addItems({QStringLiteral("One"), QStringLiteral("Two")});
    auto *push = new PushButton(QStringLiteral("Push"));
    auto *tool = new ToolButton;
    const QList<QWidget *> widgets{label, field, combo, push, tool};
    for (QWidget *widget : widgets) {
        layout->addWidget(widget);
    }
    window.show();

    int failures = 0;
    const auto check = [&failures](bool holds, const char *what) {
        if (!holds) {
            std::fprintf(stderr, "kituser: %s\n", what);
            ++failures;
        }
    };
    check(std::all_of(widgets.begin(), widgets.end(), [](QWidget *w) { return w->isVisible(); }),
          "the window does not show all of its widgets");
    check(qobject_cast<PushButton *>(window.findChild<QPushButton *>()) == push,
          "the push button is not found as a PushButton");

    label->setProperty("value", 7);
    int clickedWith = -1;
    QObject::connect(label, &ClickableLabel::clicked, &app, [&clickedWith](int value) {
        clickedWith = value;
    });
    const QPointF centre = label->rect().center();
    const QPointF global = label->mapToGlobal(centre);
    QMouseEvent press(QEvent::MouseButtonPress, centre, global, Qt::LeftButton, Qt::LeftButton,
                      Qt::NoModifier);
    QMouseEvent release(QEvent::MouseButtonRelease, centre, global, Qt::LeftButton, Qt::NoButton,
                        Qt::NoModifier);
    QApplication::sendEvent(label, &press);
    QApplication::sendEvent(label, &release);
    check(clickedWith == 7, "a click on the label does not report the value set by name");

    QString tooBig = QStringLiteral("10.5");
    int position = tooBig.size();
    check(validator->validate(tooBig, position) == QValidator::Invalid,
          "the validator lets a number above its top through");
    return failures == 0 ? 0 : 1;
}

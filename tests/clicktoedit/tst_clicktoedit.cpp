// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "mousesteps.h"
#include "widgets/clicktoedit.h"

#include <QContextMenuEvent>
#include <QSignalSpy>
#include <QVBoxLayout>
#include <QtTest>

namespace {

// Counts the context menus that get through to the line edit, instead of
// opening one.
class MenuCountingEdit : public ClickToEdit
{
public:
    using ClickToEdit::ClickToEdit;
    int menus = 0;

protected:
    void contextMenuEvent(QContextMenuEvent *) override { ++menus; }
};

// A window with the field under test below another field that holds the
// focus at the start.
struct Form
{
    Form()
    {
        // The field takes its colours from the palette it is born with.
        QPalette pal = window.palette();
        pal.setColor(QPalette::Text, Qt::darkBlue);
        pal.setColor(QPalette::Base, Qt::yellow);
        pal.setColor(QPalette::Disabled, QPalette::Text, Qt::gray);
        pal.setColor(QPalette::Disabled, QPalette::Base, Qt::lightGray);
        window.setPalette(pal);
        auto *layout = new QVBoxLayout(&window);
        layout->addWidget(other = new QLineEdit(&window));
        layout->addWidget(field
                          = new MenuCountingEdit(QStringLiteral("hello wide world"), &window));
        const auto record = [this](const char *name) {
            return [this, name](bool focus) { log.append(name + QString::number(focus)); };
        };
        QObject::connect(field, &ClickToEdit::pressed, field, record("pressed "));
        QObject::connect(field, &ClickToEdit::released, field, record("released "));
        QObject::connect(field, &ClickToEdit::clicked, field, record("clicked "));
    }

    bool showWithFocusElsewhere()
    {
        window.show();
        window.activateWindow();
        if (!QTest::qWaitForWindowActive(&window))
            return false;
        other->setFocus(Qt::OtherFocusReason);
        return other->hasFocus();
    }

    // A point in the field where a click puts the cursor before the given
    // character.
    QPoint at(int character) const
    {
        const int y = field->height() / 2;
        for (int x = 0; x < field->width(); ++x) {
            if (field->cursorPositionAt(QPoint(x, y)) == character)
                return QPoint(x, y);
        }
        return QPoint(-1, -1);
    }

    // Text and base colours, the same whether the window is active or not.
    QString colours() const
    {
        const QPalette &p = field->palette();
        return p.color(QPalette::Text).name() + p.color(QPalette::Base).name()
            + p.color(QPalette::Inactive, QPalette::Text).name()
            + p.color(QPalette::Inactive, QPalette::Base).name();
    }

    QWidget window;
    QLineEdit *other = nullptr;
    MenuCountingEdit *field = nullptr;
    QStringList log;
};

QString colours(QColor text, QColor base)
{
    return (text.name() + base.name()).repeated(2);
}

} // namespace

class tst_ClickToEdit : public QObject
{
    Q_OBJECT

private slots:
    void mouseGivesSignalsAndFocus_data();
    void mouseGivesSignalsAndFocus();
    void coloursFollowFocusAndEnabledState();
    void contextMenuIsSuppressedDuringPress();
};

// Each step is a letter of playMouseSteps() and the character before which
// the pointer stands, or "out".
void tst_ClickToEdit::mouseGivesSignalsAndFocus_data()
{
    QTest::addColumn<QString>("state");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QString>("signalNames");
    QTest::addColumn<bool>("focusedAfter");
    QTest::addColumn<int>("cursorAfter");
    QTest::addColumn<QString>("selected");

    const QString unfocused = QStringLiteral("unfocused");
    const QString focused = QStringLiteral("focused");
    const QString none;
    const QString click = QStringLiteral("pressed released clicked");
    const QString leave = QStringLiteral("pressed released");
    const QString outAndBack = QStringLiteral("pressed released pressed released clicked");
    QTest::newRow("click, unfocused") << unfocused << "p 6, r 6" << click << true << 6 << none;
    QTest::newRow("click, focused") << focused << "p 6, r 6" << click << true << 6 << none;
    QTest::newRow("drag inside, unfocused")
        << unfocused << "p 2, m 9, r 9" << click << true << 9 << none;
    QTest::newRow("drag inside, focused, selects")
        << focused << "p 0, m 5, r 5" << click << true << 5 << "hello";
    QTest::newRow("drag out, release outside")
        << unfocused << "p 6, m out, r out" << leave << false << 0 << none;
    QTest::newRow("drag out and back")
        << unfocused << "p 6, m out, m 6, r 6" << outAndBack << true << 6 << none;
    QTest::newRow("right click") << unfocused << "P 6, R 6" << none << false << 0 << none;
    QTest::newRow("right release keeps left press")
        << unfocused << "p 6, R 6, r 6" << click << true << 6 << none;
    QTest::newRow("release without press") << unfocused << "r 6" << none << false << 0 << none;
    QTest::newRow("click, disabled")
        << QStringLiteral("disabled") << "p 6, r 6" << none << false << 0 << none;
    // The line edit's own double-click handling selects the word.
    QTest::newRow("double click") << unfocused << "p 2, r 2, d 2, r 2" << click << true << 5
                                  << "hello";
}

void tst_ClickToEdit::mouseGivesSignalsAndFocus()
{
    QFETCH(QString, state);
    QFETCH(QString, steps);
    QFETCH(QString, signalNames);
    QFETCH(bool, focusedAfter);
    QFETCH(int, cursorAfter);
    QFETCH(QString, selected);

    Form form;
    QVERIFY(form.showWithFocusElsewhere());
    form.field->setCursorPosition(0);
    const bool focusedFirst = state == QLatin1String("focused");
    if (focusedFirst)
        form.field->setFocus(Qt::OtherFocusReason);
    form.field->setEnabled(state != QLatin1String("disabled"));
    // The forms without the argument are there for receivers that need none.
    QSignalSpy plainClicks(form.field, SIGNAL(clicked()));
    const QPoint outside(form.field->width() + 20, form.field->height() / 2);

    playMouseSteps(form.field, steps, [&](const QString &where) {
        return where == QLatin1String("out") ? outside : form.at(where.toInt());
    });
    // Every signal tells whether the field had the focus when the press began.
    QStringList expected;
    for (const QString &name : signalNames.split(u' ', Qt::SkipEmptyParts))
        expected.append(name + u' ' + QString::number(focusedFirst));
    QCOMPARE(form.log, expected);
    QCOMPARE(plainClicks.count(), int(signalNames.count(QStringLiteral("clicked"))));
    QCOMPARE(form.field->hasFocus(), focusedAfter);
    QCOMPARE(form.field->cursorPosition(), cursorAfter);
    QCOMPARE(form.field->selectedText(), selected);
}

void tst_ClickToEdit::coloursFollowFocusAndEnabledState()
{
    Form form;
    QVERIFY(form.showWithFocusElsewhere());
    const QString normal = colours(Qt::darkBlue, Qt::yellow);
    const QString focus = colours(Qt::yellow, Qt::darkBlue);
    QTest::keyClick(form.other, Qt::Key_Tab);
    QVERIFY(form.field->hasFocus());
    QCOMPARE(form.colours(), focus);
    QCOMPARE(form.log, QStringList());
    form.other->setFocus(Qt::OtherFocusReason);
    QCOMPARE(form.colours(), normal);

    QTest::keyClick(form.other, Qt::Key_Tab);
    form.field->setEnabled(false);
    QVERIFY(!form.field->hasFocus());
    QCOMPARE(form.colours(), colours(Qt::gray, Qt::lightGray));
    form.field->setEnabled(true);
    QCOMPARE(form.colours(), normal);

    // A changed brush shows from the next state change on. The property
    // reaches the setter.
    QVERIFY(form.field->setProperty("activeTextBrush", QBrush(Qt::magenta)));
    QCOMPARE(form.colours(), normal);
    QTest::keyClick(form.other, Qt::Key_Tab);
    form.other->setFocus(Qt::OtherFocusReason);
    QCOMPARE(form.colours(), colours(Qt::magenta, Qt::yellow));
}

void tst_ClickToEdit::contextMenuIsSuppressedDuringPress()
{
    Form form;
    QVERIFY(form.showWithFocusElsewhere());
    const QPoint pos = form.at(3);
    QContextMenuEvent request(QContextMenuEvent::Mouse, pos, form.field->mapToGlobal(pos));

    QTest::mousePress(form.field, Qt::LeftButton, {}, pos);
    QCoreApplication::sendEvent(form.field, &request);
    QCOMPARE(form.field->menus, 0);
    QTest::mouseRelease(form.field, Qt::LeftButton, {}, pos);

    QCoreApplication::sendEvent(form.field, &request);
    QCOMPARE(form.field->menus, 1);
}

QTEST_MAIN(tst_ClickToEdit)
#include "tst_clicktoedit.moc"

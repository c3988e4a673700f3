// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "widgets/clicktoedit.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
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
        auto *layout = new QVBoxLayout(&window);
        other = new QLineEdit(&window);
        field = new MenuCountingEdit(QStringLiteral("hello wide world"), &window);
        layout->addWidget(other);
        layout->addWidget(field);
        field->setActiveTextBrush(QColor(Qt::darkBlue));
        field->setActiveBaseBrush(QColor(Qt::yellow));
        field->setFocusTextBrush(QColor(Qt::white));
        field->setFocusBaseBrush(QColor(Qt::darkGreen));
        field->setDisabledTextBrush(QColor(Qt::gray));
        field->setDisabledBaseBrush(QColor(Qt::lightGray));
        const auto record = [this](const char *name) {
            return [this, name](bool focus) {
                log.append(QStringLiteral("%1(%2)").arg(QLatin1String(name)).arg(focus));
            };
        };
        QObject::connect(field, &ClickToEdit::pressed, field, record("pressed"));
        QObject::connect(field, &ClickToEdit::released, field, record("released"));
        QObject::connect(field, &ClickToEdit::clicked, field, record("clicked"));
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

    QColor textColour() const { return field->palette().color(QPalette::Text); }
    QColor baseColour() const { return field->palette().color(QPalette::Base); }

    QWidget window;
    QLineEdit *other = nullptr;
    MenuCountingEdit *field = nullptr;
    QStringList log;
};

} // namespace

class tst_ClickToEdit : public QObject
{
    Q_OBJECT

private slots:
    void shouldHaveDefaultValues();
    void mouseGivesSignalsAndFocus_data();
    void mouseGivesSignalsAndFocus();
    void coloursFollowFocusAndEnabledState();
    void contextMenuIsSuppressedDuringPress();
};

void tst_ClickToEdit::shouldHaveDefaultValues()
{
    QLineEdit plain;
    ClickToEdit field;
    const QPalette &pal = plain.palette();
    QCOMPARE(field.focusPolicy(), Qt::TabFocus);
    QCOMPARE(field.activeTextBrush(), pal.brush(QPalette::Active, QPalette::Text));
    QCOMPARE(field.activeBaseBrush(), pal.brush(QPalette::Active, QPalette::Base));
    QCOMPARE(field.disabledTextBrush(), pal.brush(QPalette::Disabled, QPalette::Text));
    QCOMPARE(field.disabledBaseBrush(), pal.brush(QPalette::Disabled, QPalette::Base));
    QCOMPARE(field.focusTextBrush(), pal.brush(QPalette::Active, QPalette::Base));
    QCOMPARE(field.focusBaseBrush(), pal.brush(QPalette::Active, QPalette::Text));
    QCOMPARE(field.focusFrameBrush(), pal.brush(QPalette::Active, QPalette::WindowText));
    QVERIFY(field.focusTextBrush() != field.activeTextBrush());
    QVERIFY(!field.testAttribute(Qt::WA_SetPalette));
    QCOMPARE(field.property("focusBaseBrush").value<QBrush>(), field.focusBaseBrush());

    // Defaults come from the palette the field is born with.
    QWidget parent;
    QPalette red = parent.palette();
    red.setColor(QPalette::Text, Qt::red);
    red.setColor(QPalette::WindowText, Qt::blue);
    parent.setPalette(red);
    ClickToEdit child(&parent);
    QCOMPARE(child.activeTextBrush().color(), QColor(Qt::red));
    QCOMPARE(child.focusBaseBrush().color(), QColor(Qt::red));
    QCOMPARE(child.focusFrameBrush().color(), QColor(Qt::blue));
}

// Steps as in the clickable label's test: p/r = left press/release,
// m = move with the left button, P/R = right press/release, d = double-click
// event; then a point.
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
    if (focusedFirst) {
        form.field->setFocus(Qt::OtherFocusReason);
        QVERIFY(form.field->hasFocus());
    }
    form.field->setEnabled(state != QLatin1String("disabled"));
    // The forms without the argument are there for receivers that need none.
    QSignalSpy pressed(form.field, SIGNAL(pressed()));
    QSignalSpy released(form.field, SIGNAL(released()));
    QSignalSpy clicked(form.field, SIGNAL(clicked()));
    const QPoint outside(form.field->width() + 20, form.field->height() / 2);

    for (const QString &step : steps.split(QStringLiteral(", "))) {
        const QStringList parts = step.split(QLatin1Char(' '));
        const QPoint pos
            = parts.at(1) == QLatin1String("out") ? outside : form.at(parts.at(1).toInt());
        const QChar action = parts.at(0).at(0);
        const Qt::MouseButton button = action.isUpper() ? Qt::RightButton : Qt::LeftButton;
        if (action.toLower() == QLatin1Char('p')) {
            QTest::mousePress(form.field, button, {}, pos);
            // Until it has the focus, the press must not reach the line edit.
            if (!focusedFirst)
                QCOMPARE(form.field->cursorPosition(), 0);
        } else if (action.toLower() == QLatin1Char('r')) {
            QTest::mouseRelease(form.field, button, {}, pos);
        } else {
            // QTest's moves carry no buttons and its double clicks come with a
            // press, so these events are made as the platform sends them.
            const bool move = action == QLatin1Char('m');
            QMouseEvent event(move ? QEvent::MouseMove : QEvent::MouseButtonDblClick, pos,
                              form.field->mapToGlobal(pos), move ? Qt::NoButton : Qt::LeftButton,
                              Qt::LeftButton, Qt::NoModifier);
            QCoreApplication::sendEvent(form.field, &event);
            if (move && !focusedFirst)
                QVERIFY(!form.field->hasSelectedText());
        }
    }
    // Every signal tells whether the field had the focus when the press began.
    QStringList expected;
    for (const QString &name : signalNames.split(QLatin1Char(' '), Qt::SkipEmptyParts))
        expected.append(QStringLiteral("%1(%2)").arg(name).arg(focusedFirst));
    QCOMPARE(form.log, expected);
    QCOMPARE(pressed.count(), int(signalNames.count(QStringLiteral("pressed"))));
    QCOMPARE(released.count(), int(signalNames.count(QStringLiteral("released"))));
    QCOMPARE(clicked.count(), int(signalNames.count(QStringLiteral("clicked"))));
    QCOMPARE(form.field->hasFocus(), focusedAfter);
    QCOMPARE(form.field->cursorPosition(), cursorAfter);
    QCOMPARE(form.field->selectedText(), selected);
}

void tst_ClickToEdit::coloursFollowFocusAndEnabledState()
{
    Form form;
    QVERIFY(form.showWithFocusElsewhere());
    // Nothing is applied before the first focus or enabled-state change.
    QVERIFY(form.textColour() != QColor(Qt::darkBlue));

    QTest::keyClick(form.other, Qt::Key_Tab);
    QVERIFY(form.field->hasFocus());
    QCOMPARE(form.textColour(), QColor(Qt::white));
    QCOMPARE(form.baseColour(), QColor(Qt::darkGreen));
    QCOMPARE(form.log, QStringList());

    form.other->setFocus(Qt::OtherFocusReason);
    QCOMPARE(form.textColour(), QColor(Qt::darkBlue));
    QCOMPARE(form.baseColour(), QColor(Qt::yellow));

    QTest::keyClick(form.other, Qt::Key_Tab);
    form.field->setEnabled(false);
    QVERIFY(!form.field->hasFocus());
    QCOMPARE(form.textColour(), QColor(Qt::gray));
    QCOMPARE(form.baseColour(), QColor(Qt::lightGray));
    // The colours hold in every colour group, not just the current one.
    QCOMPARE(form.field->palette().color(QPalette::Inactive, QPalette::Text), QColor(Qt::gray));

    form.field->setEnabled(true);
    QCOMPARE(form.textColour(), QColor(Qt::darkBlue));
    QCOMPARE(form.baseColour(), QColor(Qt::yellow));

    // A changed brush shows from the next state change on.
    form.field->setActiveTextBrush(QColor(Qt::magenta));
    QCOMPARE(form.textColour(), QColor(Qt::darkBlue));
    QTest::keyClick(form.other, Qt::Key_Tab);
    form.other->setFocus(Qt::OtherFocusReason);
    QCOMPARE(form.textColour(), QColor(Qt::magenta));
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

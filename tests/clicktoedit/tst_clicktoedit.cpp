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
        QObject::connect(field, &ClickToEdit::pressed, field, [this](bool focus) {
            log.append(QStringLiteral("pressed(%1)").arg(focus));
        });
        QObject::connect(field, &ClickToEdit::released, field, [this](bool focus) {
            log.append(QStringLiteral("released(%1)").arg(focus));
        });
        QObject::connect(field, &ClickToEdit::clicked, field, [this](bool focus) {
            log.append(QStringLiteral("clicked(%1)").arg(focus));
        });
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

    void drag(const QPoint &pos, Qt::MouseButtons buttons)
    {
        QMouseEvent move(QEvent::MouseMove, pos, field->mapToGlobal(pos), Qt::NoButton, buttons,
                         Qt::NoModifier);
        QCoreApplication::sendEvent(field, &move);
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
    void focusedFieldSelectsByDragging();
    void parameterlessFormsAreEmittedToo();
    void coloursFollowFocusAndEnabledState();
    void changedBrushShowsFromNextStateChange();
    void disabledFieldStaysSilent();
    void contextMenuIsSuppressedDuringPress();
    void doubleClickFocusesAndReachesLineEdit();
};

void tst_ClickToEdit::shouldHaveDefaultValues()
{
    QLineEdit plain;
    ClickToEdit field(QStringLiteral("abc"));
    const QPalette &pal = plain.palette();
    QCOMPARE(field.text(), QStringLiteral("abc"));
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
    parent.setPalette(red);
    ClickToEdit child(&parent);
    QCOMPARE(child.activeTextBrush().color(), QColor(Qt::red));
    QCOMPARE(child.focusBaseBrush().color(), QColor(Qt::red));
}

// Steps as in the clickable label's test: p/r = left press/release,
// m = move with the left button, P/R = right press/release; then a point.
void tst_ClickToEdit::mouseGivesSignalsAndFocus_data()
{
    QTest::addColumn<bool>("focusedFirst");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("expected");
    QTest::addColumn<bool>("focusedAfter");
    QTest::addColumn<int>("cursorAfter");

    const QStringList clickUnfocused{"pressed(0)", "released(0)", "clicked(0)"};
    const QStringList clickFocused{"pressed(1)", "released(1)", "clicked(1)"};
    QTest::newRow("click on unfocused field")
            << false << "p 6, r 6" << clickUnfocused << true << 6;
    QTest::newRow("click on focused field") << true << "p 6, r 6" << clickFocused << true << 6;
    QTest::newRow("press and drag inside, unfocused")
            << false << "p 2, m 9, r 9" << clickUnfocused << true << 9;
    QTest::newRow("drag out, release outside")
            << false << "p 6, m out, r out" << QStringList{"pressed(0)", "released(0)"} << false
            << 0;
    QTest::newRow("drag out and back")
            << false << "p 6, m out, m 6, r 6"
            << QStringList{"pressed(0)", "released(0)", "pressed(0)", "released(0)",
                           "clicked(0)"}
            << true << 6;
    QTest::newRow("right click on unfocused field")
            << false << "P 6, R 6" << QStringList{} << false << 0;
    QTest::newRow("right release keeps left press")
            << false << "p 6, R 6, r 6" << clickUnfocused << true << 6;
    QTest::newRow("release without press") << false << "r 6" << QStringList{} << false << 0;
}

void tst_ClickToEdit::mouseGivesSignalsAndFocus()
{
    QFETCH(bool, focusedFirst);
    QFETCH(QString, steps);
    QFETCH(QStringList, expected);
    QFETCH(bool, focusedAfter);
    QFETCH(int, cursorAfter);

    Form form;
    QVERIFY(form.showWithFocusElsewhere());
    form.field->setCursorPosition(0);
    if (focusedFirst) {
        form.field->setFocus(Qt::OtherFocusReason);
        QVERIFY(form.field->hasFocus());
    }
    const QPoint outside(form.field->width() + 20, form.field->height() / 2);

    for (const QString &step : steps.split(QStringLiteral(", "))) {
        const QStringList parts = step.split(QLatin1Char(' '));
        const QPoint pos = parts.at(1) == QLatin1String("out") ? outside
                                                               : form.at(parts.at(1).toInt());
        switch (parts.at(0).at(0).toLatin1()) {
        case 'p':
            QTest::mousePress(form.field, Qt::LeftButton, {}, pos);
            // Until it has the focus, the press must not reach the line edit.
            if (!focusedFirst)
                QCOMPARE(form.field->cursorPosition(), 0);
            break;
        case 'r':
            QTest::mouseRelease(form.field, Qt::LeftButton, {}, pos);
            break;
        case 'P':
            QTest::mousePress(form.field, Qt::RightButton, {}, pos);
            break;
        case 'R':
            QTest::mouseRelease(form.field, Qt::RightButton, {}, pos);
            break;
        case 'm':
            form.drag(pos, Qt::LeftButton);
            if (!focusedFirst)
                QVERIFY(!form.field->hasSelectedText());
            break;
        }
    }
    QCOMPARE(form.log, expected);
    QCOMPARE(form.field->hasFocus(), focusedAfter);
    QCOMPARE(form.field->cursorPosition(), cursorAfter);
    QVERIFY(!form.field->hasSelectedText());
}

void tst_ClickToEdit::focusedFieldSelectsByDragging()
{
    Form form;
    QVERIFY(form.showWithFocusElsewhere());
    form.field->setFocus(Qt::OtherFocusReason);
    form.field->setCursorPosition(0);

    QTest::mousePress(form.field, Qt::LeftButton, {}, form.at(0));
    form.drag(form.at(5), Qt::LeftButton);
    QTest::mouseRelease(form.field, Qt::LeftButton, {}, form.at(5));
    QCOMPARE(form.field->selectedText(), QStringLiteral("hello"));
    QCOMPARE(form.log, (QStringList{"pressed(1)", "released(1)", "clicked(1)"}));
}

void tst_ClickToEdit::parameterlessFormsAreEmittedToo()
{
    Form form;
    QVERIFY(form.showWithFocusElsewhere());
    QSignalSpy clicked(form.field, SIGNAL(clicked()));
    QSignalSpy pressed(form.field, SIGNAL(pressed()));
    QSignalSpy released(form.field, SIGNAL(released()));
    QSignalSpy clickedFocus(form.field, &ClickToEdit::clicked);

    QTest::mouseClick(form.field, Qt::LeftButton, {}, form.at(3));
    QTest::mouseClick(form.field, Qt::LeftButton, {}, form.at(3));
    QCOMPARE(pressed.count(), 2);
    QCOMPARE(released.count(), 2);
    QCOMPARE(clicked.count(), 2);
    QCOMPARE(clickedFocus.at(0).at(0).toBool(), false);
    QCOMPARE(clickedFocus.at(1).at(0).toBool(), true);
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

    QTest::mouseClick(form.field, Qt::LeftButton, {}, form.at(2));
    QVERIFY(form.field->hasFocus());
    QCOMPARE(form.textColour(), QColor(Qt::white));
    QCOMPARE(form.baseColour(), QColor(Qt::darkGreen));

    form.field->setEnabled(false);
    QVERIFY(!form.field->hasFocus());
    QCOMPARE(form.textColour(), QColor(Qt::gray));
    QCOMPARE(form.baseColour(), QColor(Qt::lightGray));
    // The colours hold in every colour group, not just the current one.
    QCOMPARE(form.field->palette().color(QPalette::Inactive, QPalette::Text), QColor(Qt::gray));

    form.field->setEnabled(true);
    QCOMPARE(form.textColour(), QColor(Qt::darkBlue));
    QCOMPARE(form.baseColour(), QColor(Qt::yellow));
}

void tst_ClickToEdit::changedBrushShowsFromNextStateChange()
{
    Form form;
    QVERIFY(form.showWithFocusElsewhere());
    QTest::keyClick(form.other, Qt::Key_Tab);
    form.other->setFocus(Qt::OtherFocusReason);
    QCOMPARE(form.textColour(), QColor(Qt::darkBlue));

    form.field->setActiveTextBrush(QColor(Qt::magenta));
    QCOMPARE(form.field->activeTextBrush().color(), QColor(Qt::magenta));
    QCOMPARE(form.textColour(), QColor(Qt::darkBlue));

    QTest::keyClick(form.other, Qt::Key_Tab);
    form.other->setFocus(Qt::OtherFocusReason);
    QCOMPARE(form.textColour(), QColor(Qt::magenta));
}

void tst_ClickToEdit::disabledFieldStaysSilent()
{
    Form form;
    QVERIFY(form.showWithFocusElsewhere());
    form.field->setEnabled(false);
    QTest::mouseClick(form.field, Qt::LeftButton, {}, form.at(3));
    QCOMPARE(form.log, QStringList());
    QVERIFY(!form.field->hasFocus());
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

void tst_ClickToEdit::doubleClickFocusesAndReachesLineEdit()
{
    Form form;
    QVERIFY(form.showWithFocusElsewhere());
    const QPoint pos = form.at(2);
    QTest::mouseClick(form.field, Qt::LeftButton, {}, pos);
    QVERIFY(form.field->hasFocus());
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, pos, form.field->mapToGlobal(pos),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(form.field, &doubleClick);
    QTest::mouseRelease(form.field, Qt::LeftButton, {}, pos);
    // The line edit's own double-click handling selects the word.
    QCOMPARE(form.field->selectedText(), QStringLiteral("hello"));
}

QTEST_MAIN(tst_ClickToEdit)
#include "tst_clicktoedit.moc"

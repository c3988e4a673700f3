// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "widgets/clickablelabel.h"
#include "widgets/clicktoedit.h"
#include "widgets/combobox.h"
#include "widgets/pushbutton.h"
#include "widgets/toolbutton.h"

#include <QAbstractItemView>
#include <QContextMenuEvent>
#include <QHBoxLayout>
#include <QSignalSpy>
#include <QStandardItemModel>
#include <QStringListModel>
#include <QtTest>

#include <memory>

namespace {

// Plays mouse steps such as "p 10 10, m 150 10, r 150 10" on a widget:
// p/r = left press/release, m = move with the left button held, d = the
// double-click event that stands for the second press of a double click,
// P/R = right press/release, M = move holding left and right. `at` turns the
// rest of a step into a point in the widget.
template<typename At> void playMouseSteps(QWidget *widget, const QString &steps, At at)
{
    for (const QString &step : steps.split(QStringLiteral(", "))) {
        const QChar action = step.at(0);
        const QPoint pos = at(step.mid(2));
        const Qt::MouseButton button = action.isUpper() ? Qt::RightButton : Qt::LeftButton;
        if (action.toLower() == u'p') {
            QTest::mousePress(widget, button, {}, pos);
        } else if (action.toLower() == u'r') {
            QTest::mouseRelease(widget, button, {}, pos);
        } else {
            // QTest's moves carry no buttons and its double clicks come with a
            // press, so these events are made as the platform sends them.
            const bool move = action.toLower() == u'm';
            QMouseEvent event(move ? QEvent::MouseMove : QEvent::MouseButtonDblClick, pos,
                              widget->mapToGlobal(pos), move ? Qt::NoButton : Qt::LeftButton,
                              Qt::LeftButton | button, Qt::NoModifier);
            QCoreApplication::sendEvent(widget, &event);
        }
    }
}

// Logs the widget's signals with their argument: "pressed 7", "clicked 0".
template<typename Widget, typename Arg> void logSignals(Widget *widget, QStringList *log)
{
    using Signal = void (Widget::*)(Arg);
    for (const auto &[name, signal] : { std::pair<QString, Signal>("pressed", &Widget::pressed),
                                        std::pair<QString, Signal>("released", &Widget::released),
                                        std::pair<QString, Signal>("clicked", &Widget::clicked) })
        QObject::connect(widget, signal, widget,
                         [=](Arg v) { *log << name + u' ' + QString::number(v); });
}

// Only the left half of this label answers the mouse.
class HalfLabel : public ClickableLabel
{
protected:
    bool hitLabel(const QPoint &pos) const override { return pos.x() < width() / 2; }
};

// Counts the context menus that get through to the line edit, instead of opening one.
class MenuCountingEdit : public ClickToEdit
{
public:
    using ClickToEdit::ClickToEdit;
    int menus = 0;

protected:
    void contextMenuEvent(QContextMenuEvent *) override { ++menus; }
};

// A window with the click-to-edit field below another field that has the focus at first.
struct EditForm
{
    EditForm()
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
        logSignals<ClickToEdit, bool>(field, &log);
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

    // A point in the field where a click puts the cursor before the given character.
    QPoint at(int character) const
    {
        for (int x = 0; x < field->width(); ++x) {
            if (field->cursorPositionAt(QPoint(x, field->height() / 2)) == character)
                return QPoint(x, field->height() / 2);
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

const auto colours
    = [](QColor text, QColor base) { return (text.name() + base.name()).repeated(2); };
const auto largeFont = [] { return QFont(QString(), 31, QFont::Bold); };
const auto dataOf
    = [](const QComboBox &box, int row, int role) { return box.model()->index(row, 0).data(role); };

const char *const brushes[] = { "activeRaisedBrush", "activeSunkenBrush", "disabledRaisedBrush",
                                "disabledSunkenBrush", "focusFrameBrush" };

const auto makeButton = [](bool push, QWidget *parent) -> QAbstractButton * {
    return push ? static_cast<QAbstractButton *>(new PushButton(parent)) : new ToolButton(parent);
};

// Counts the paint events of the widgets it watches.
class PaintCounter : public QObject
{
public:
    QHash<QObject *, int> paints;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        paints[watched] += event->type() == QEvent::Paint;
        return false;
    }
};

} // namespace

class tst_WidgetKit : public QObject
{
    Q_OBJECT

private slots:
    void labelMouseGivesSignalSequence_data();
    void labelMouseGivesSignalSequence();
    void editMouseGivesSignalsAndFocus_data();
    void editMouseGivesSignalsAndFocus();
    void editColoursFollowFocusAndEnabledState();
    void editContextMenuIsSuppressedDuringPress();
    void comboEveryRowGetsItemFontAndSize_data();
    void comboEveryRowGetsItemFontAndSize();
    void comboUnsetItemSizeFallsBackToBoxHeight();
    void comboSizeHintFitsTallestText();
    void comboOnlyTabGivesFocus();
    void buttonsChangedBrushIsStoredAndRepaintsOnce_data();
    void buttonsChangedBrushIsStoredAndRepaintsOnce();
};

// Steps on a 100 x 30 label, each a letter of playMouseSteps() and a point.
void tst_WidgetKit::labelMouseGivesSignalSequence_data()
{
    QTest::addColumn<bool>("leftHalfOnly");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("expected");

    const QStringList click { "pressed 7", "released 7", "clicked 7" };
    const QStringList leave { "pressed 7", "released 7" };
    const QStringList none;
    const QStringList outAndBack = leave + click;
    QTest::newRow("click inside") << false << "p 10 10, r 10 10" << click;
    QTest::newRow("click on far corner") << false << "p 99 29, r 99 29" << click;
    QTest::newRow("move inside stays quiet")
        << false << "p 10 10, m 50 20, m 90 5, r 90 5" << click;
    QTest::newRow("drag out, release outside") << false << "p 10 10, m 150 10, r 150 10" << leave;
    QTest::newRow("drag out past right edge") << false << "p 10 10, m 100 10, r 100 10" << leave;
    QTest::newRow("drag out and back")
        << false << "p 10 10, m -5 10, m 10 10, r 10 10" << outAndBack;
    QTest::newRow("right click") << false << "P 10 10, R 10 10" << none;
    QTest::newRow("moves of both buttons count")
        << false << "p 10 10, P 10 10, M 150 10, R 150 10, M 10 10, r 10 10" << outAndBack;
    QTest::newRow("right release keeps left press")
        << false << "p 10 10, R 10 10, r 10 10" << click;
    QTest::newRow("release without press") << false << "r 10 10" << none;
    QTest::newRow("press from outside") << false << "p 150 10, m 10 10, r 10 10" << none;
    QTest::newRow("double click") << false << "p 5 5, r 5 5, d 5 5, r 5 5" << click + click;
    QTest::newRow("narrowed: press outside the area")
        << true << "p 80 10, m 20 10, r 20 10" << none;
    QTest::newRow("narrowed: drag out of the area") << true << "p 20 10, m 70 10, r 70 10" << leave;
}

void tst_WidgetKit::labelMouseGivesSignalSequence()
{
    QFETCH(bool, leftHalfOnly);
    QFETCH(QString, steps);
    QFETCH(QStringList, expected);

    std::unique_ptr<ClickableLabel> label(leftHalfOnly ? new HalfLabel : new ClickableLabel);
    label->setFixedSize(100, 30);
    label->show();
    QVERIFY(QTest::qWaitForWindowExposed(label.get()));
    // Set through the property, which reaches the setter; the signals must carry it.
    QVERIFY(label->setProperty("value", 7));
    QStringList log;
    logSignals<ClickableLabel, int>(label.get(), &log);
    // The form without the value is there for receivers that need none.
    QSignalSpy plainClicks(label.get(), SIGNAL(clicked()));
    playMouseSteps(label.get(), steps, [](const QString &xy) {
        return QPoint(xy.section(u' ', 0, 0).toInt(), xy.section(u' ', 1, 1).toInt());
    });
    QCOMPARE(log, expected);
    QCOMPARE(plainClicks.count(), int(expected.filter(QStringLiteral("clicked")).size()));
}

// Each step is a letter of playMouseSteps() and the character before which
// the pointer stands, or "out".
void tst_WidgetKit::editMouseGivesSignalsAndFocus_data()
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

void tst_WidgetKit::editMouseGivesSignalsAndFocus()
{
    QFETCH(QString, state);
    QFETCH(QString, steps);
    QFETCH(QString, signalNames);
    QFETCH(bool, focusedAfter);
    QFETCH(int, cursorAfter);
    QFETCH(QString, selected);

    EditForm form;
    QVERIFY(form.showWithFocusElsewhere());
    form.field->setCursorPosition(0);
    const bool focusedFirst = state == QLatin1String("focused");
    if (focusedFirst)
        form.field->setFocus(Qt::OtherFocusReason);
    form.field->setEnabled(state != QLatin1String("disabled"));
    const QPoint outside(form.field->width() + 20, form.field->height() / 2);

    playMouseSteps(form.field, steps, [&](const QString &where) {
        return where == QLatin1String("out") ? outside : form.at(where.toInt());
    });
    // Every signal tells whether the field had the focus when the press began.
    QStringList expected;
    for (const QString &name : signalNames.split(u' ', Qt::SkipEmptyParts))
        expected.append(name + u' ' + QString::number(focusedFirst));
    QCOMPARE(form.log, expected);
    QCOMPARE(form.field->hasFocus(), focusedAfter);
    QCOMPARE(form.field->cursorPosition(), cursorAfter);
    QCOMPARE(form.field->selectedText(), selected);
}

void tst_WidgetKit::editColoursFollowFocusAndEnabledState()
{
    EditForm form;
    QVERIFY(form.showWithFocusElsewhere());
    const QString normal = colours(Qt::darkBlue, Qt::yellow);
    QTest::keyClick(form.other, Qt::Key_Tab);
    QVERIFY(form.field->hasFocus());
    QCOMPARE(form.colours(), colours(Qt::yellow, Qt::darkBlue));
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

void tst_WidgetKit::editContextMenuIsSuppressedDuringPress()
{
    EditForm form;
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

// Entries come before or after the setters, one at a time or several in one
// call, appended or put in front.
void tst_WidgetKit::comboEveryRowGetsItemFontAndSize_data()
{
    QTest::addColumn<QStringList>("before");
    QTest::addColumn<QStringList>("after");
    QTest::addColumn<QString>("how");

    const QStringList abc { "a", "b", "c" };
    QTest::newRow("all before") << abc << QStringList {} << "in one call";
    QTest::newRow("all after, one by one") << QStringList {} << abc << "one by one";
    QTest::newRow("all after, in one call") << QStringList {} << abc << "in one call";
    QTest::newRow("before and after, in front")
        << QStringList { "a", "b" } << QStringList { "c", "d" } << "in front";
}

void tst_WidgetKit::comboEveryRowGetsItemFontAndSize()
{
    QFETCH(QStringList, before);
    QFETCH(QStringList, after);
    QFETCH(QString, how);

    ComboBox box;
    box.addItems(before);
    box.setItemFont(largeFont());
    box.setItemSize(QSize(120, 44));
    QCOMPARE(box.itemFont(), largeFont());
    QCOMPARE(box.itemSize(), QSize(120, 44));
    if (how == QLatin1String("in one call")) {
        box.addItems(after);
    } else {
        for (const QString &text : std::as_const(after))
            box.insertItem(how == QLatin1String("in front") ? 0 : box.count(), text);
    }
    QCOMPARE(box.count(), int(before.size() + after.size()));
    for (int row = 0; row < box.count(); ++row) {
        QCOMPARE(dataOf(box, row, Qt::FontRole).value<QFont>(), largeFont());
        QCOMPARE(dataOf(box, row, Qt::SizeHintRole).toSize(), QSize(120, 44));
    }
}

void tst_WidgetKit::comboUnsetItemSizeFallsBackToBoxHeight()
{
    ComboBox box;
    QCOMPARE(box.itemSize(), QSize(-1, -1));
    QCOMPARE(box.itemFont(), box.font());
    box.resize(150, 37);
    box.addItems({ QStringLiteral("a"), QStringLiteral("b") });
    QVERIFY(!dataOf(box, 0, Qt::SizeHintRole).isValid());
    box.setItemSize(QSize(80, 50));
    box.setItemSize(QSize(-1, -1));
    QCOMPARE(dataOf(box, 0, Qt::SizeHintRole).toSize(), QSize(0, 37));
    QCOMPARE(dataOf(box, 1, Qt::SizeHintRole).toSize(), QSize(0, 37));
    box.addItem(QStringLiteral("c"));
    QVERIFY(!dataOf(box, 2, Qt::SizeHintRole).isValid());

    // Rows put straight into the model have no item: they are left alone.
    auto *model = qobject_cast<QStandardItemModel *>(box.model());
    model->insertRows(1, 2);
    box.setItemSize(QSize(40, 40));
    QCOMPARE(model->item(1, 0), nullptr);
    QCOMPARE(dataOf(box, 0, Qt::SizeHintRole).toSize(), QSize(40, 40));

    // Other models keep their own data.
    box.setModel(new QStringListModel({ QStringLiteral("x") }, &box));
    box.setItemFont(largeFont());
    QVERIFY(!dataOf(box, 0, Qt::FontRole).isValid());
}

void tst_WidgetKit::comboSizeHintFitsTallestText()
{
    QComboBox plain;
    ComboBox box;
    QCOMPARE(box.sizeHint(), plain.sizeHint());

    const QString tall = QStringLiteral("one\ntwo\nthree\nfour\nfive\nsix");
    for (QComboBox *each : { static_cast<QComboBox *>(&plain), static_cast<QComboBox *>(&box) }) {
        each->addItem(QStringLiteral("short"));
        each->addItem(tall);
    }
    // The box shows its entries in its own font, whatever the item font.
    box.setItemFont(largeFont());
    const int tallHeight = box.fontMetrics().size(0, tall).height();
    QVERIFY(tallHeight > plain.sizeHint().height());
    QCOMPARE(box.sizeHint(), QSize(plain.sizeHint().width(), tallHeight));
}

void tst_WidgetKit::comboOnlyTabGivesFocus()
{
    QWidget window;
    auto *layout = new QVBoxLayout(&window);
    auto *field = new QLineEdit(&window);
    auto *box = new ComboBox(&window);
    box->addItems({ QStringLiteral("a"), QStringLiteral("b") });
    layout->addWidget(field);
    layout->addWidget(box);
    window.show();
    window.activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(&window));
    field->setFocus(Qt::OtherFocusReason);

    QTest::mouseClick(box, Qt::LeftButton, {}, box->rect().center());
    QTRY_VERIFY(box->view()->isVisible());
    box->hidePopup();
    QVERIFY(!box->hasFocus());

    QTest::keyClick(field, Qt::Key_Tab);
    QVERIFY(box->hasFocus());
}

void tst_WidgetKit::buttonsChangedBrushIsStoredAndRepaintsOnce_data()
{
    QTest::addColumn<bool>("push");
    QTest::addColumn<QString>("brush");
    QTest::addColumn<QBrush>("initial");
    // Taken once from the palette the button is born with: its button colour,
    // half as bright sunken or disabled, and its text colour for the focus frame.
    const QBrush half(QColor(100, 50, 25), Qt::SolidPattern);
    const QBrush initial[]
        = { QBrush(QColor(200, 100, 50)), half, half, half, QBrush(QColor(10, 20, 30)) };
    for (bool push : { true, false }) {
        for (int i = 0; i < 5; ++i) {
            QTest::addRow("%s: %s", push ? "PushButton" : "ToolButton", brushes[i])
                << push << QString(brushes[i]) << initial[i];
        }
    }
}

// Read and set through the properties, which reach the getters and setters.
void tst_WidgetKit::buttonsChangedBrushIsStoredAndRepaintsOnce()
{
    QFETCH(bool, push);
    QFETCH(QString, brush);
    QFETCH(QBrush, initial);
    const QByteArray name = brush.toLatin1();

    // A neighbour in the same window: once its repaint is done, every repaint
    // that was pending in the window is done too.
    QWidget window;
    QPalette pal = window.palette();
    pal.setColor(QPalette::Button, QColor(200, 100, 50));
    pal.setColor(QPalette::WindowText, QColor(10, 20, 30));
    window.setPalette(pal);
    auto *layout = new QHBoxLayout(&window);
    QAbstractButton *button = makeButton(push, &window);
    window.setPalette(QPalette(Qt::green));
    button->setPalette(QPalette(Qt::green));
    QCOMPARE(button->property(name).value<QBrush>(), initial);
    auto *neighbour = new QWidget(&window);
    neighbour->setFixedSize(20, 20);
    layout->addWidget(button);
    layout->addWidget(neighbour);
    PaintCounter counter;
    button->installEventFilter(&counter);
    neighbour->installEventFilter(&counter);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(counter.paints[button] > 0 && counter.paints[neighbour] > 0);
    const auto settle = [&] {
        const int seen = counter.paints[neighbour];
        neighbour->update();
        QTRY_VERIFY(counter.paints[neighbour] > seen);
    };

    const QBrush others(Qt::darkCyan);
    for (const char *other : brushes) {
        if (other != brush)
            QVERIFY(button->setProperty(other, others));
    }
    settle();
    counter.paints[button] = 0;
    QVERIFY(button->setProperty(name, button->property(name)));
    settle();
    QCOMPARE(counter.paints[button], 0);

    const QBrush striped(QColor(12, 34, 56), Qt::BDiagPattern);
    QVERIFY(button->setProperty(name, striped));
    QTRY_COMPARE(counter.paints[button], 1);
    settle();
    QCOMPARE(counter.paints[button], 1);
    for (const char *each : brushes)
        QCOMPARE(button->property(each).value<QBrush>(), each == brush ? striped : others);
}

QTEST_MAIN(tst_WidgetKit)
#include "tst_widgetkit.moc"

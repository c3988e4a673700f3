// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "widgets/pushbutton.h"
#include "widgets/toolbutton.h"

#include <QHBoxLayout>
#include <QtTest>

namespace {

const char *const brushes[] = { "activeRaisedBrush", "activeSunkenBrush", "disabledRaisedBrush",
                                "disabledSunkenBrush", "focusFrameBrush" };

QAbstractButton *makeButton(bool push, QWidget *parent)
{
    if (push)
        return new PushButton(parent);
    return new ToolButton(parent);
}

// Counts the paint events of the widgets it watches.
class PaintCounter : public QObject
{
public:
    QHash<QObject *, int> paints;

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Paint)
            ++paints[watched];
        return false;
    }
};

} // namespace

class tst_StyledButtons : public QObject
{
    Q_OBJECT

private slots:
    void shouldHaveDefaultValues_data();
    void shouldHaveDefaultValues();
    void changedBrushIsStoredAndRepaintsOnce_data();
    void changedBrushIsStoredAndRepaintsOnce();
};

void tst_StyledButtons::shouldHaveDefaultValues_data()
{
    QTest::addColumn<bool>("push");
    QTest::newRow("PushButton") << true;
    QTest::newRow("ToolButton") << false;
}

// The defaults are taken once from the palette the button is born with; the
// brushes are read through their properties, which reach the getters.
void tst_StyledButtons::shouldHaveDefaultValues()
{
    QFETCH(bool, push);
    QWidget parent;
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Button, QColor(200, 100, 50));
    pal.setColor(QPalette::WindowText, QColor(10, 20, 30));
    parent.setPalette(pal);
    QAbstractButton *button = makeButton(push, &parent);
    const QBrush half(QColor(100, 50, 25), Qt::SolidPattern);
    const QBrush expected[]
        = { QBrush(QColor(200, 100, 50)), half, half, half, QBrush(QColor(10, 20, 30)) };
    parent.setPalette(QPalette(Qt::green));
    button->setPalette(QPalette(Qt::green));
    for (int i = 0; i < 5; ++i)
        QCOMPARE(button->property(brushes[i]).value<QBrush>(), expected[i]);
}

void tst_StyledButtons::changedBrushIsStoredAndRepaintsOnce_data()
{
    QTest::addColumn<bool>("push");
    QTest::addColumn<QString>("brush");
    for (bool push : { true, false }) {
        for (const char *name : brushes)
            QTest::addRow("%s: %s", push ? "PushButton" : "ToolButton", name) << push << name;
    }
}

// Set through the properties, which reach the setters.
void tst_StyledButtons::changedBrushIsStoredAndRepaintsOnce()
{
    QFETCH(bool, push);
    QFETCH(QString, brush);
    const QByteArray name = brush.toLatin1();

    // A neighbour in the same window: once its repaint is done, every repaint
    // that was pending in the window is done too.
    QWidget window;
    auto *layout = new QHBoxLayout(&window);
    QAbstractButton *button = makeButton(push, &window);
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

QTEST_MAIN(tst_StyledButtons)
#include "tst_styledbuttons.moc"

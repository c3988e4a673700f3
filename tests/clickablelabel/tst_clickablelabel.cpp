#include "widgets/clickablelabel.h"

#include <QMouseEvent>
#include <QSignalSpy>
#include <QtTest>

namespace {

// Only the left half of this label answers the mouse.
class HalfLabel : public ClickableLabel
{
public:
    using ClickableLabel::ClickableLabel;

protected:
    bool hitLabel(const QPoint &pos) const override { return pos.x() < width() / 2; }
};

// Writes down every signal of a label, with its value, in order.
QStringList *recordSignals(ClickableLabel *label, QStringList *log)
{
    QObject::connect(label, &ClickableLabel::pressed, label,
                     [log](int v) { log->append(QStringLiteral("pressed(%1)").arg(v)); });
    QObject::connect(label, &ClickableLabel::released, label,
                     [log](int v) { log->append(QStringLiteral("released(%1)").arg(v)); });
    QObject::connect(label, &ClickableLabel::clicked, label,
                     [log](int v) { log->append(QStringLiteral("clicked(%1)").arg(v)); });
    return log;
}

// QTest::mouseMove carries no buttons, so a drag is made of real move events.
void drag(QWidget *widget, const QPoint &pos, Qt::MouseButtons buttons)
{
    QMouseEvent move(QEvent::MouseMove, pos, widget->mapToGlobal(pos), Qt::NoButton, buttons,
                     Qt::NoModifier);
    QCoreApplication::sendEvent(widget, &move);
}

} // namespace

class tst_ClickableLabel : public QObject
{
    Q_OBJECT

private slots:
    void shouldHaveDefaultValues();
    void mouseGivesSignalSequence_data();
    void mouseGivesSignalSequence();
    void parameterlessFormsAreEmittedToo();
    void doubleClickGivesTwoCompleteSequences();
    void pressOutsideHitAreaStaysSilent();
    void newValueIsCarriedByLaterSignals();
};

void tst_ClickableLabel::shouldHaveDefaultValues()
{
    ClickableLabel label(QStringLiteral("Plum"));
    QCOMPARE(label.value(), 0);
    QCOMPARE(label.property("value").toInt(), 0);
    QCOMPARE(label.text(), QStringLiteral("Plum"));
    QCOMPARE(label.metaObject()->className(), "ClickableLabel");
}

// Each step is one letter and a point in label coordinates:
// p = left press, r = left release, m = move with the left button held,
// P = right press, R = right release, M = move holding left and right.
void tst_ClickableLabel::mouseGivesSignalSequence_data()
{
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("expected");

    const QStringList click{"pressed(7)", "released(7)", "clicked(7)"};
    QTest::newRow("click inside") << "p 10 10, r 10 10" << click;
    QTest::newRow("click on far corner") << "p 99 29, r 99 29" << click;
    QTest::newRow("move inside stays quiet") << "p 10 10, m 50 20, m 90 5, r 90 5" << click;
    QTest::newRow("drag out, release outside")
            << "p 10 10, m 150 10, r 150 10" << QStringList{"pressed(7)", "released(7)"};
    QTest::newRow("drag out past right edge")
            << "p 10 10, m 100 10, r 100 10" << QStringList{"pressed(7)", "released(7)"};
    QTest::newRow("drag out and back")
            << "p 10 10, m -5 10, m 10 10, r 10 10"
            << QStringList{"pressed(7)", "released(7)", "pressed(7)", "released(7)",
                           "clicked(7)"};
    QTest::newRow("drag out and back twice")
            << "p 10 10, m 10 -1, m 10 1, m 10 40, m 10 20, r 10 20"
            << QStringList{"pressed(7)", "released(7)", "pressed(7)", "released(7)",
                           "pressed(7)", "released(7)", "clicked(7)"};
    QTest::newRow("right click") << "P 10 10, R 10 10" << QStringList{};
    QTest::newRow("right drag out") << "P 10 10, M 150 10, R 150 10" << QStringList{};
    QTest::newRow("moves of both buttons count")
            << "p 10 10, P 10 10, M 150 10, R 150 10, M 10 10, r 10 10"
            << QStringList{"pressed(7)", "released(7)", "pressed(7)", "released(7)",
                           "clicked(7)"};
    QTest::newRow("right release keeps left press") << "p 10 10, R 10 10, r 10 10" << click;
    QTest::newRow("release without press") << "r 10 10" << QStringList{};
    QTest::newRow("press from outside") << "p 150 10, m 10 10, r 10 10" << QStringList{};
}

void tst_ClickableLabel::mouseGivesSignalSequence()
{
    QFETCH(QString, steps);
    QFETCH(QStringList, expected);

    ClickableLabel label(QStringLiteral("Pear"));
    label.setValue(7);
    label.setFixedSize(100, 30);
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QStringList log;
    recordSignals(&label, &log);

    for (const QString &step : steps.split(QStringLiteral(", "))) {
        const QStringList parts = step.split(QLatin1Char(' '));
        const QPoint pos(parts.at(1).toInt(), parts.at(2).toInt());
        switch (parts.at(0).at(0).toLatin1()) {
        case 'p':
            QTest::mousePress(&label, Qt::LeftButton, {}, pos);
            break;
        case 'r':
            QTest::mouseRelease(&label, Qt::LeftButton, {}, pos);
            break;
        case 'P':
            QTest::mousePress(&label, Qt::RightButton, {}, pos);
            break;
        case 'R':
            QTest::mouseRelease(&label, Qt::RightButton, {}, pos);
            break;
        case 'm':
            drag(&label, pos, Qt::LeftButton);
            break;
        case 'M':
            drag(&label, pos, Qt::LeftButton | Qt::RightButton);
            break;
        }
    }
    QCOMPARE(log, expected);
}

void tst_ClickableLabel::parameterlessFormsAreEmittedToo()
{
    ClickableLabel label;
    label.setValue(3);
    label.resize(80, 20);
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QSignalSpy clicked(&label, SIGNAL(clicked()));
    QSignalSpy pressed(&label, SIGNAL(pressed()));
    QSignalSpy released(&label, SIGNAL(released()));
    QSignalSpy clickedValue(&label, &ClickableLabel::clicked);

    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    QCOMPARE(pressed.count(), 1);
    QCOMPARE(released.count(), 1);
    QCOMPARE(clicked.count(), 1);
    QCOMPARE(clickedValue.count(), 1);
    QCOMPARE(clickedValue.at(0).at(0).toInt(), 3);
}

void tst_ClickableLabel::doubleClickGivesTwoCompleteSequences()
{
    ClickableLabel label;
    label.setValue(2);
    label.resize(80, 20);
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QStringList log;
    recordSignals(&label, &log);

    // The sequence a widget gets from the platform: the second press of a
    // double click arrives as the double-click event alone.
    const QPoint pos(5, 5);
    QTest::mouseClick(&label, Qt::LeftButton, {}, pos);
    QMouseEvent doubleClick(QEvent::MouseButtonDblClick, pos, label.mapToGlobal(pos),
                            Qt::LeftButton, Qt::LeftButton, Qt::NoModifier);
    QCoreApplication::sendEvent(&label, &doubleClick);
    QTest::mouseRelease(&label, Qt::LeftButton, {}, pos);
    const QStringList once{"pressed(2)", "released(2)", "clicked(2)"};
    QCOMPARE(log, once + once);
}

void tst_ClickableLabel::pressOutsideHitAreaStaysSilent()
{
    HalfLabel label;
    label.setValue(4);
    label.setFixedSize(100, 30);
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QStringList log;
    recordSignals(&label, &log);

    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(80, 10));
    drag(&label, QPoint(20, 10), Qt::LeftButton);
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(20, 10));
    QCOMPARE(log, QStringList());

    // The narrowed area also decides where a drag leaves the label.
    QTest::mousePress(&label, Qt::LeftButton, {}, QPoint(20, 10));
    drag(&label, QPoint(70, 10), Qt::LeftButton);
    QTest::mouseRelease(&label, Qt::LeftButton, {}, QPoint(70, 10));
    QCOMPARE(log, (QStringList{"pressed(4)", "released(4)"}));
}

void tst_ClickableLabel::newValueIsCarriedByLaterSignals()
{
    ClickableLabel label;
    label.resize(80, 20);
    label.show();
    QVERIFY(QTest::qWaitForWindowExposed(&label));
    QSignalSpy clicked(&label, &ClickableLabel::clicked);

    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    label.setValue(11);
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));
    label.setProperty("value", -4);
    QTest::mouseClick(&label, Qt::LeftButton, {}, QPoint(5, 5));

    QCOMPARE(clicked.count(), 3);
    QCOMPARE(clicked.at(0).at(0).toInt(), 0);
    QCOMPARE(clicked.at(1).at(0).toInt(), 11);
    QCOMPARE(clicked.at(2).at(0).toInt(), -4);
    QCOMPARE(label.value(), -4);
}

QTEST_MAIN(tst_ClickableLabel)
#include "tst_clickablelabel.moc"

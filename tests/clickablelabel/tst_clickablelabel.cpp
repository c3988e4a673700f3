// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "mousesteps.h"
#include "widgets/clickablelabel.h"

#include <QSignalSpy>
#include <QtTest>

#include <memory>

namespace {

// Only the left half of this label answers the mouse.
class HalfLabel : public ClickableLabel
{
public:
    using ClickableLabel::ClickableLabel;

protected:
    bool hitLabel(const QPoint &pos) const override { return pos.x() < width() / 2; }
};

} // namespace

class tst_ClickableLabel : public QObject
{
    Q_OBJECT

private slots:
    void mouseGivesSignalSequence_data();
    void mouseGivesSignalSequence();
};

// Steps on a 100 x 30 label, each a letter of playMouseSteps() and a point.
void tst_ClickableLabel::mouseGivesSignalSequence_data()
{
    QTest::addColumn<bool>("leftHalfOnly");
    QTest::addColumn<QString>("steps");
    QTest::addColumn<QStringList>("expected");

    const QStringList click { "pressed(7)", "released(7)", "clicked(7)" };
    const QStringList leave { "pressed(7)", "released(7)" };
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

void tst_ClickableLabel::mouseGivesSignalSequence()
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
    QObject::connect(label.get(), &ClickableLabel::pressed, label.get(),
                     [&log](int v) { log.append(QStringLiteral("pressed(%1)").arg(v)); });
    QObject::connect(label.get(), &ClickableLabel::released, label.get(),
                     [&log](int v) { log.append(QStringLiteral("released(%1)").arg(v)); });
    QObject::connect(label.get(), &ClickableLabel::clicked, label.get(),
                     [&log](int v) { log.append(QStringLiteral("clicked(%1)").arg(v)); });
    // The forms without the value are there for receivers that need no value.
    QSignalSpy pressed(label.get(), SIGNAL(pressed()));
    QSignalSpy released(label.get(), SIGNAL(released()));
    QSignalSpy clicked(label.get(), SIGNAL(clicked()));

    playMouseSteps(label.get(), steps, [](const QString &xy) {
        return QPoint(xy.section(u' ', 0, 0).toInt(), xy.section(u' ', 1, 1).toInt());
    });
    QCOMPARE(log, expected);
    QCOMPARE(pressed.count(), int(expected.filter(QStringLiteral("pressed")).size()));
    QCOMPARE(released.count(), int(expected.filter(QStringLiteral("released")).size()));
    QCOMPARE(clicked.count(), int(expected.filter(QStringLiteral("clicked")).size()));
}

QTEST_MAIN(tst_ClickableLabel)
#include "tst_clickablelabel.moc"

// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "widgets/pushbutton.h"
#include "widgets/toolbutton.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QtTest>

#include <array>

namespace {

// Counts its paint events, to see how often a change repaints it.
template<class Base> class Counting : public Base
{
public:
    using Base::Base;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *event) override
    {
        ++paints;
        Base::paintEvent(event);
    }
};

// A neighbour in the same window. Once its repaint is done, every repaint
// that was pending in that window is done too.
class Sentinel : public QWidget
{
public:
    using QWidget::QWidget;
    int paints = 0;

protected:
    void paintEvent(QPaintEvent *) override
    {
        ++paints;
        QPainter(this).fillRect(rect(), Qt::white);
    }
};

template<class Button> struct BrushAccess
{
    const char *name;
    const QBrush &(Button::*get)() const;
};

template<class Button> std::array<BrushAccess<Button>, 5> brushAccess()
{
    return { {
        { "activeRaisedBrush", &Button::activeRaisedBrush },
        { "activeSunkenBrush", &Button::activeSunkenBrush },
        { "disabledRaisedBrush", &Button::disabledRaisedBrush },
        { "disabledSunkenBrush", &Button::disabledSunkenBrush },
        { "focusFrameBrush", &Button::focusFrameBrush },
    } };
}

// The defaults are taken once from the palette the button is born with.
template<class Button> void checkDefaults()
{
    QWidget parent;
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Button, QColor(200, 100, 50));
    pal.setColor(QPalette::WindowText, QColor(10, 20, 30));
    parent.setPalette(pal);
    Button button(&parent);
    const QBrush half(QColor(100, 50, 25), Qt::SolidPattern);
    const std::array<QBrush, 5> expected { QBrush(QColor(200, 100, 50)), half, half, half,
                                           QBrush(QColor(10, 20, 30)) };
    const auto all = brushAccess<Button>();
    for (const bool paletteChanged : { false, true }) {
        if (paletteChanged) {
            QPalette green = button.palette();
            green.setColor(QPalette::Button, Qt::green);
            green.setColor(QPalette::WindowText, Qt::green);
            button.setPalette(green);
            parent.setPalette(green);
        }
        for (size_t i = 0; i < all.size(); ++i) {
            QCOMPARE((button.*all[i].get)(), expected[i]);
            QCOMPARE(button.property(all[i].name).template value<QBrush>(), expected[i]);
        }
    }
}

// Brushes are set through their properties, which reach the public setters and
// so test both.
template<class Button> void checkSetter(int index)
{
    QWidget window;
    auto *layout = new QHBoxLayout(&window);
    auto *button = new Counting<Button>(&window);
    auto *sentinel = new Sentinel(&window);
    sentinel->setFixedSize(20, 20);
    layout->addWidget(button);
    layout->addWidget(sentinel);
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QTRY_VERIFY(button->paints > 0 && sentinel->paints > 0);

    const BrushAccess<Button> brush = brushAccess<Button>()[size_t(index)];
    const auto settle = [&] {
        const int seen = sentinel->paints;
        sentinel->update();
        QTRY_VERIFY(sentinel->paints > seen);
    };

    button->paints = 0;
    QVERIFY(button->setProperty(brush.name, QBrush((button->*brush.get)())));
    settle();
    QCOMPARE(button->paints, 0);

    const QBrush striped(QColor(12, 34, 56), Qt::BDiagPattern);
    QVERIFY(button->setProperty(brush.name, striped));
    QCOMPARE((button->*brush.get)(), striped);
    QCOMPARE(button->property(brush.name).template value<QBrush>(), striped);
    QTRY_COMPARE(button->paints, 1);
    settle();
    QCOMPARE(button->paints, 1);
}

} // namespace

class tst_StyledButtons : public QObject
{
    Q_OBJECT

private slots:
    void shouldHaveDefaultValues_data();
    void shouldHaveDefaultValues();
    void changedBrushIsStoredAndRepaintsOnce_data();
    void changedBrushIsStoredAndRepaintsOnce();
    void pushButtonKeepsTextAndIcon();
};

void tst_StyledButtons::shouldHaveDefaultValues_data()
{
    QTest::addColumn<bool>("push");
    QTest::newRow("PushButton") << true;
    QTest::newRow("ToolButton") << false;
}

void tst_StyledButtons::shouldHaveDefaultValues()
{
    QFETCH(bool, push);
    if (push)
        checkDefaults<PushButton>();
    else
        checkDefaults<ToolButton>();
}

void tst_StyledButtons::changedBrushIsStoredAndRepaintsOnce_data()
{
    QTest::addColumn<bool>("push");
    QTest::addColumn<int>("index");

    const auto names = brushAccess<PushButton>();
    for (bool push : { true, false }) {
        for (int index = 0; index < int(names.size()); ++index) {
            QTest::addRow("%s: %s", push ? "PushButton" : "ToolButton", names[size_t(index)].name)
                << push << index;
        }
    }
}

void tst_StyledButtons::changedBrushIsStoredAndRepaintsOnce()
{
    QFETCH(bool, push);
    QFETCH(int, index);
    if (push)
        checkSetter<PushButton>(index);
    else
        checkSetter<ToolButton>(index);
}

void tst_StyledButtons::pushButtonKeepsTextAndIcon()
{
    QPixmap pixmap(8, 8);
    pixmap.fill(Qt::red);
    PushButton withText(QStringLiteral("Go"));
    PushButton withIcon(QIcon(pixmap), QStringLiteral("Stop"));
    QCOMPARE(withText.text(), QStringLiteral("Go"));
    QCOMPARE(withIcon.text(), QStringLiteral("Stop"));
    QVERIFY(!withIcon.icon().isNull());
    QCOMPARE(withIcon.activeSunkenBrush(), withText.activeSunkenBrush());
}

QTEST_MAIN(tst_StyledButtons)
#include "tst_styledbuttons.moc"

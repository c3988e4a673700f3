#include "widgets/pushbutton.h"
#include "widgets/toolbutton.h"

#include <QHBoxLayout>
#include <QPainter>
#include <QtTest>

#include <array>

namespace {

// Counts its paint events, to see how often a change repaints it.
template <class Base>
class Counting : public Base
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

template <class Button>
struct BrushAccess
{
    const char *name;
    const QBrush &(Button::*get)() const;
    void (Button::*set)(const QBrush &);
};

template <class Button>
std::array<BrushAccess<Button>, 5> brushAccess()
{
    return {{
            {"activeRaisedBrush", &Button::activeRaisedBrush, &Button::setActiveRaisedBrush},
            {"activeSunkenBrush", &Button::activeSunkenBrush, &Button::setActiveSunkenBrush},
            {"disabledRaisedBrush", &Button::disabledRaisedBrush, &Button::setDisabledRaisedBrush},
            {"disabledSunkenBrush", &Button::disabledSunkenBrush, &Button::setDisabledSunkenBrush},
            {"focusFrameBrush", &Button::focusFrameBrush, &Button::setFocusFrameBrush},
    }};
}

template <class Button>
void checkDefaults(const char *className)
{
    Button plain;
    QCOMPARE(plain.metaObject()->className(), className);
    QCOMPARE(plain.activeRaisedBrush(), plain.palette().brush(QPalette::Current, QPalette::Button));
    QCOMPARE(plain.focusFrameBrush(),
             plain.palette().brush(QPalette::Current, QPalette::WindowText));

    // The defaults are taken from the palette the button is born with.
    QWidget parent;
    QPalette pal = parent.palette();
    pal.setColor(QPalette::Button, QColor(200, 100, 50));
    pal.setColor(QPalette::WindowText, QColor(10, 20, 30));
    parent.setPalette(pal);
    Button button(&parent);
    QCOMPARE(button.activeRaisedBrush().color(), QColor(200, 100, 50));
    const QBrush half(QColor(100, 50, 25), Qt::SolidPattern);
    QCOMPARE(button.activeSunkenBrush(), half);
    QCOMPARE(button.disabledRaisedBrush(), half);
    QCOMPARE(button.disabledSunkenBrush(), half);
    QCOMPARE(button.focusFrameBrush().color(), QColor(10, 20, 30));

    const auto all = brushAccess<Button>();
    for (const auto &brush : all)
        QCOMPARE(button.property(brush.name).template value<QBrush>(), (button.*brush.get)());

    // Later palette changes leave the brushes alone.
    std::array<QBrush, 5> before;
    for (size_t i = 0; i < all.size(); ++i)
        before[i] = (button.*all[i].get)();
    QPalette green = button.palette();
    green.setColor(QPalette::Button, Qt::green);
    green.setColor(QPalette::WindowText, Qt::green);
    button.setPalette(green);
    parent.setPalette(green);
    for (size_t i = 0; i < all.size(); ++i)
        QCOMPARE((button.*all[i].get)(), before[i]);
}

template <class Button>
void checkSetter(int index, bool byName)
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
    const auto store = [&](const QBrush &value) {
        if (byName)
            QVERIFY(button->setProperty(brush.name, value));
        else
            (button->*brush.set)(value);
    };
    const auto settle = [&] {
        const int seen = sentinel->paints;
        sentinel->update();
        QTRY_VERIFY(sentinel->paints > seen);
    };

    button->paints = 0;
    store(QBrush((button->*brush.get)()));
    settle();
    QCOMPARE(button->paints, 0);

    const QBrush striped(QColor(12, 34, 56), Qt::BDiagPattern);
    store(striped);
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
        checkDefaults<PushButton>("PushButton");
    else
        checkDefaults<ToolButton>("ToolButton");
}

void tst_StyledButtons::changedBrushIsStoredAndRepaintsOnce_data()
{
    QTest::addColumn<bool>("push");
    QTest::addColumn<int>("index");
    QTest::addColumn<bool>("byName");

    const auto names = brushAccess<PushButton>();
    for (bool push : {true, false}) {
        for (int index = 0; index < int(names.size()); ++index) {
            for (bool byName : {false, true}) {
                QTest::addRow("%s: %s %s", push ? "PushButton" : "ToolButton",
                              names[size_t(index)].name, byName ? "by name" : "by setter")
                        << push << index << byName;
            }
        }
    }
}

void tst_StyledButtons::changedBrushIsStoredAndRepaintsOnce()
{
    QFETCH(bool, push);
    QFETCH(int, index);
    QFETCH(bool, byName);
    if (push)
        checkSetter<PushButton>(index, byName);
    else
        checkSetter<ToolButton>(index, byName);
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

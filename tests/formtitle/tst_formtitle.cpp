#include "pages/formtitle.h"
#include "menupalette.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

class tst_FormTitle : public QObject
{
    Q_OBJECT

private slots:
    void startButtonAsksForTheContentsPage();
    void keyboardActivationOfTheStartButtonWorksToo();
    void clicksOutsideTheStartButtonDoNothing_data();
    void clicksOutsideTheStartButtonDoNothing();
    void musicControlsAreInert();
    void layoutShowsTheTitlePictureUnderTheButton();
    void palette_data();
    void palette();
};

void tst_FormTitle::startButtonAsksForTheContentsPage()
{
    FormTitle page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QSignalSpy spy(&page, &FormTitle::pEventPageChange);

    QTest::mouseClick(page.findChild<QPushButton *>("PB_Start"), Qt::LeftButton);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 1);
}

void tst_FormTitle::keyboardActivationOfTheStartButtonWorksToo()
{
    FormTitle page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QSignalSpy spy(&page, &FormTitle::pEventPageChange);

    auto *start = page.findChild<QPushButton *>("PB_Start");
    start->setFocus();
    QTest::keyClick(start, Qt::Key_Space);
    QCOMPARE(spy.count(), 1);
    QCOMPARE(spy.at(0).at(0).toInt(), 1);
}

void tst_FormTitle::clicksOutsideTheStartButtonDoNothing_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::newRow("top left") << QPoint(10, 10);
    QTest::newRow("just left of the button") << QPoint(255, 260);
    QTest::newRow("just below the button") << QPoint(400, 305);
    QTest::newRow("where the hidden music button lies") << QPoint(377, 411);
    QTest::newRow("bottom right") << QPoint(790, 590);
}

void tst_FormTitle::clicksOutsideTheStartButtonDoNothing()
{
    QFETCH(QPoint, pos);

    FormTitle page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QSignalSpy spy(&page, &FormTitle::pEventPageChange);

    QWidget *target = page.childAt(pos);
    QVERIFY(target);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(&page, pos));
    QCOMPARE(spy.count(), 0);
    QVERIFY(page.isVisible());
}

void tst_FormTitle::musicControlsAreInert()
{
    FormTitle page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));
    QSignalSpy spy(&page, &FormTitle::pEventPageChange);

    auto *music = page.findChild<QPushButton *>("PB_music");
    QVERIFY(music);
    QVERIFY(!music->isVisible());

    QVERIFY(QMetaObject::invokeMethod(&page, "soundNow"));
    QVERIFY(QMetaObject::invokeMethod(&page, "on_PB_music_clicked"));
    emit music->clicked();
    QCOMPARE(spy.count(), 0);
    QVERIFY(!music->isVisible());
    QVERIFY(page.findChild<QPushButton *>("PB_Start")->isVisible());
}

void tst_FormTitle::layoutShowsTheTitlePictureUnderTheButton()
{
    FormTitle page;
    page.show();
    QVERIFY(QTest::qWaitForWindowExposed(&page));

    QCOMPARE(page.size(), QSize(800, 600));
    auto *start = page.findChild<QPushButton *>("PB_Start");
    QCOMPARE(start->geometry(), QRect(260, 220, 271, 81));
    QCOMPARE(start->text(), QStringLiteral("目次"));
    QCOMPARE(start->font().pointSize(), 36);
    QCOMPARE(start->font().family(), QStringLiteral("麗流隷書"));

    auto *picture = page.findChild<QLabel *>("label_2");
    QCOMPARE(picture->geometry(), QRect(0, 0, 800, 600));
    // The start button is what a click in its middle reaches; elsewhere it is
    // the title picture, which covers the empty label beneath it.
    QCOMPARE(page.childAt(QPoint(395, 260)), start);
    QCOMPARE(page.childAt(QPoint(100, 100)), picture);
    QVERIFY(page.findChild<QLabel *>("label")->pixmap().isNull());
    QCOMPARE(picture->pixmap().isNull(), QPixmap(":/page/pict/page/title.png").isNull());
}

void tst_FormTitle::palette_data()
{
    addMenuPaletteRows(QColor(255, 206, 251), QColor(255, 230, 253), QColor(127, 103, 125),
                       QColor(170, 137, 167));
}

void tst_FormTitle::palette()
{
    FormTitle page;
    verifyPaletteRow(page);
    QVERIFY(page.autoFillBackground());
}

QTEST_MAIN(tst_FormTitle)
#include "tst_formtitle.moc"

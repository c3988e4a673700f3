// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "menupalette.h"
#include "pages/formtitle.h"

#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTest>

#include <memory>

class tst_FormTitle : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();
    void onlyTheStartButtonAsksForTheContentsPage_data();
    void onlyTheStartButtonAsksForTheContentsPage();
    void keyboardActivationOfTheStartButtonWorksToo();
    void musicControlsAreInert();
    void layoutShowsTheTitlePictureUnderTheButton();
    void paletteComesFromOneBaseColour();

private:
    std::unique_ptr<FormTitle> m_page;
    std::unique_ptr<QSignalSpy> m_requests;
};

void tst_FormTitle::init()
{
    m_page = std::make_unique<FormTitle>();
    m_requests = std::make_unique<QSignalSpy>(m_page.get(), &FormTitle::pEventPageChange);
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page.get()));
}

void tst_FormTitle::cleanup()
{
    m_requests.reset();
    m_page.reset();
}

void tst_FormTitle::onlyTheStartButtonAsksForTheContentsPage_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::addColumn<bool>("asks");
    QTest::newRow("middle of the start button") << QPoint(395, 260) << true;
    QTest::newRow("top left") << QPoint(10, 10) << false;
    QTest::newRow("just left of the button") << QPoint(255, 260) << false;
    QTest::newRow("just below the button") << QPoint(400, 305) << false;
    QTest::newRow("where the hidden music button lies") << QPoint(377, 411) << false;
}

void tst_FormTitle::onlyTheStartButtonAsksForTheContentsPage()
{
    QFETCH(QPoint, pos);
    QFETCH(bool, asks);

    QWidget *target = m_page->childAt(pos);
    QVERIFY(target);
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(m_page.get(), pos));
    QCOMPARE(m_requests->count(), asks ? 1 : 0);
    if (asks)
        QCOMPARE(m_requests->at(0).at(0).toInt(), 1);
}

void tst_FormTitle::keyboardActivationOfTheStartButtonWorksToo()
{
    auto *start = m_page->findChild<QPushButton *>("PB_Start");
    start->setFocus();
    QTest::keyClick(start, Qt::Key_Space);
    QCOMPARE(m_requests->count(), 1);
    QCOMPARE(m_requests->at(0).at(0).toInt(), 1);
}

void tst_FormTitle::musicControlsAreInert()
{
    auto *music = m_page->findChild<QPushButton *>("PB_music");
    QVERIFY(music);
    QVERIFY(!music->isVisible());

    QVERIFY(QMetaObject::invokeMethod(m_page.get(), "soundNow"));
    QVERIFY(QMetaObject::invokeMethod(m_page.get(), "on_PB_music_clicked"));
    emit music->clicked();
    QCOMPARE(m_requests->count(), 0);
    QVERIFY(!music->isVisible());
    QVERIFY(m_page->findChild<QPushButton *>("PB_Start")->isVisible());
}

void tst_FormTitle::layoutShowsTheTitlePictureUnderTheButton()
{
    auto *start = m_page->findChild<QPushButton *>("PB_Start");
    QCOMPARE(start->geometry(), QRect(260, 220, 271, 81));
    QCOMPARE(start->text(), QStringLiteral("目次"));
    QCOMPARE(start->font().pointSize(), 36);
    QCOMPARE(start->font().family(), QStringLiteral("麗流隷書"));

    auto *picture = m_page->findChild<QLabel *>("label_2");
    QCOMPARE(picture->geometry(), QRect(0, 0, 800, 600));
    // The start button is what a click in its middle reaches; elsewhere it is
    // the title picture, which covers the empty label beneath it.
    QCOMPARE(m_page->childAt(QPoint(395, 260)), start);
    QCOMPARE(m_page->childAt(QPoint(100, 100)), picture);
    QVERIFY(m_page->findChild<QLabel *>("label")->pixmap().isNull());
    QCOMPARE(picture->pixmap().isNull(), QPixmap(":/page/pict/page/title.png").isNull());
}

void tst_FormTitle::paletteComesFromOneBaseColour()
{
    verifyMenuPalette(*m_page, QColor(255, 206, 251));
    QVERIFY(m_page->autoFillBackground());
}

QTEST_MAIN(tst_FormTitle)
#include "tst_formtitle.moc"

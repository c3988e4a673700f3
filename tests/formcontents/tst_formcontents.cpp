// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "app/soundplayer.h"
#include "menupalette.h"
#include "pages/formcontents.h"
#include "testwav.h"

#include <QDir>
#include <QLabel>
#include <QPushButton>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class tst_FormContents : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();

    void storyButtonStartsItsMusicAndAsksForTheNovelPage_data();
    void storyButtonStartsItsMusicAndAsksForTheNovelPage();
    void clicksBesideTheButtonsDoNothing_data();
    void clicksBesideTheButtonsDoNothing();
    void buttonsFormOneColumnUnderTheHeading();
    void paletteComesFromOneBaseColour();

private:
    QString m_originalDir;
    QTemporaryDir m_workDir;
    SoundPlayer *m_sound = nullptr;
    FormContents *m_page = nullptr;
};

void tst_FormContents::initTestCase()
{
    QVERIFY(m_workDir.isValid());
    QVERIFY(writeMusicFolder(m_workDir.path()));
    m_originalDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_workDir.path()));
}

void tst_FormContents::cleanupTestCase()
{
    QDir::setCurrent(m_originalDir);
}

void tst_FormContents::init()
{
    m_sound = new SoundPlayer;
    m_sound->play(4);
    m_page = new FormContents;
    m_page->sound = m_sound;
    m_page->show();
    QVERIFY(QTest::qWaitForWindowExposed(m_page));
}

void tst_FormContents::cleanup()
{
    delete m_page;
    delete m_sound;
}

void tst_FormContents::storyButtonStartsItsMusicAndAsksForTheNovelPage_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<int>("track");
    QTest::addColumn<int>("story");

    QTest::newRow("top") << "PB_Ruvello" << 1 << 0;
    QTest::newRow("middle") << "PB_Novel" << 0 << 1;
    QTest::newRow("bottom") << "PB_Sorinda" << 2 << 2;
}

void tst_FormContents::storyButtonStartsItsMusicAndAsksForTheNovelPage()
{
    QFETCH(QString, button);
    QFETCH(int, track);
    QFETCH(int, story);
    const QString trackFile
        = QDir(m_workDir.path()).filePath(QStringLiteral("music/%1.wav").arg(track));

    // What the main window would see when the page asks for the novel page.
    QString sourceAtRequest;
    int storyAtRequest = -1;
    QSignalSpy requests(m_page, &FormContents::pEventPageChange);
    connect(m_page, &FormContents::pEventPageChange, this, [&] {
        sourceAtRequest = m_sound->source();
        storyAtRequest = m_page->storyNumber;
    });
    auto *storyButton = m_page->findChild<QPushButton *>(button);

    QTest::mouseClick(storyButton, Qt::LeftButton);
    QCOMPARE(requests.count(), 1);
    QCOMPARE(requests.at(0).at(0).toInt(), 2);
    QCOMPARE(sourceAtRequest, trackFile);
    QCOMPARE(storyAtRequest, story);
    QCOMPARE(m_page->storyNumber, story);
    QTRY_VERIFY(m_sound->isPlaying());

    // Chosen again after the story has ended, the music starts over.
    m_sound->stop();
    QTRY_VERIFY(!m_sound->isPlaying());
    sourceAtRequest.clear();
    QTest::mouseClick(storyButton, Qt::LeftButton);
    QCOMPARE(requests.count(), 2);
    QCOMPARE(requests.at(1).at(0).toInt(), 2);
    QCOMPARE(sourceAtRequest, trackFile);
    QCOMPARE(m_page->storyNumber, story);
    QTRY_VERIFY(m_sound->isPlaying());
}

void tst_FormContents::clicksBesideTheButtonsDoNothing_data()
{
    QTest::addColumn<QPoint>("pos");
    QTest::newRow("heading") << QPoint(400, 100);
    QTest::newRow("picture") << QPoint(600, 300);
    QTest::newRow("between two buttons") << QPoint(230, 270);
    QTest::newRow("right of the column") << QPoint(340, 230);
}

void tst_FormContents::clicksBesideTheButtonsDoNothing()
{
    QFETCH(QPoint, pos);

    const QString before = m_sound->source();
    QSignalSpy spy(m_page, &FormContents::pEventPageChange);
    QWidget *target = m_page->childAt(pos);
    QVERIFY(target);
    QVERIFY(!qobject_cast<QPushButton *>(target));
    QTest::mouseClick(target, Qt::LeftButton, {}, target->mapFrom(m_page, pos));

    QCOMPARE(spy.count(), 0);
    QCOMPARE(m_page->storyNumber, 0);
    QCOMPARE(m_sound->source(), before);
}

void tst_FormContents::buttonsFormOneColumnUnderTheHeading()
{
    const char *const names[] = { "PB_Ruvello", "PB_Novel", "PB_Sorinda" };
    for (int i = 0; i < 3; ++i) {
        const int top = 200 + 80 * i;
        auto *button = m_page->findChild<QPushButton *>(names[i]);
        QCOMPARE(button->geometry(), QRect(130, top, 201, 61));
        QCOMPARE(m_page->childAt(QPoint(230, top + 30)), button);
        // Each caption names a story and its author.
        QVERIFY2(button->text().contains(" by "), qPrintable(button->text()));
    }
    auto *heading = m_page->findChild<QLabel *>("label_2");
    QCOMPARE(heading->text(), QStringLiteral("目次"));
}

void tst_FormContents::paletteComesFromOneBaseColour()
{
    verifyMenuPalette(*m_page, QColor(255, 170, 255));
    QVERIFY(m_page->autoFillBackground());
}

QTEST_MAIN(tst_FormContents)
#include "tst_formcontents.moc"

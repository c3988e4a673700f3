// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "app/mainwindow.h"
#include "app/soundplayer.h"
#include "novel/formnovel.h"
#include "pages/formcontents.h"
#include "pages/formtitle.h"
#include "testwav.h"

#include <QDir>
#include <QTemporaryDir>
#include <QTest>

namespace {

using Visibility = QList<bool>; // title, contents, novel

Visibility visibility(const MainWindow &window)
{
    return { window.findChild<FormTitle *>()->isVisibleTo(&window),
             window.findChild<FormContents *>()->isVisibleTo(&window),
             window.findChild<FormNovel *>()->isVisibleTo(&window) };
}

void requestPage(MainWindow &window, int page)
{
    QVERIFY(QMetaObject::invokeMethod(&window, "SlotsChangePage", Q_ARG(int, page)));
}

} // namespace

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void startsOnTheTitlePageInAFixedWindow();
    void titleMusicPlaysFromStartUpOnThePlayerEveryPageShares();
    void pageRequests_data();
    void pageRequests();
    void pageSwitchingLeavesTheMusicAlone();

private:
    QString m_originalDir;
    QTemporaryDir m_workDir;
};

void tst_MainWindow::initTestCase()
{
    QVERIFY(m_workDir.isValid());
    QVERIFY(writeMusicFolder(m_workDir.path()));
    m_originalDir = QDir::currentPath();
    QVERIFY(QDir::setCurrent(m_workDir.path()));
}

void tst_MainWindow::cleanupTestCase()
{
    QDir::setCurrent(m_originalDir);
}

void tst_MainWindow::startsOnTheTitlePageInAFixedWindow()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(window.size(), QSize(800, 600));
    QCOMPARE(window.windowTitle(), QStringLiteral("MainWindow"));
    QCOMPARE(visibility(window), Visibility({ true, false, false }));
    QCOMPARE(window.findChild<FormContents *>()->storyNumber, 0);

    auto *title = window.findChild<FormTitle *>();
    QCOMPARE(title->geometry(), QRect(0, 0, 800, 600));
    // The window's bars lie hidden under the page: what lies at the top
    // edge, the middle and the bottom edge all belongs to the title page.
    for (const QPoint &p : { QPoint(400, 5), QPoint(5, 30), QPoint(400, 300), QPoint(795, 595) }) {
        QWidget *hit = window.childAt(p);
        QVERIFY2(hit && (hit == title || title->isAncestorOf(hit)),
                 qPrintable(QStringLiteral("at %1,%2").arg(p.x()).arg(p.y())));
    }

    window.resize(1024, 768);
    QCOMPARE(window.size(), QSize(800, 600));
    window.resize(320, 200);
    QCOMPARE(window.size(), QSize(800, 600));
}

void tst_MainWindow::titleMusicPlaysFromStartUpOnThePlayerEveryPageShares()
{
    MainWindow window;
    SoundPlayer *sound = window.findChild<FormTitle *>()->sound;
    QVERIFY(sound);
    QCOMPARE(window.findChild<FormContents *>()->sound, sound);
    QCOMPARE(window.findChild<FormNovel *>()->sound, sound);
    QCOMPARE(sound->source(), QDir(m_workDir.path()).filePath("music/title.wav"));
    QTRY_VERIFY(sound->isPlaying());
}

void tst_MainWindow::pageRequests_data()
{
    QTest::addColumn<QList<int>>("requests");
    QTest::addColumn<Visibility>("expected");

    QTest::newRow("nothing asked") << QList<int> {} << Visibility { true, false, false };
    QTest::newRow("contents") << QList<int> { 1 } << Visibility { false, true, false };
    QTest::newRow("novel") << QList<int> { 2 } << Visibility { false, false, true };
    QTest::newRow("title again") << QList<int> { 1, 0 } << Visibility { true, false, false };
    QTest::newRow("contents twice") << QList<int> { 1, 1 } << Visibility { false, true, false };
    QTest::newRow("novel twice") << QList<int> { 1, 2, 2 } << Visibility { false, false, true };
    QTest::newRow("back from the novel")
        << QList<int> { 1, 2, 1 } << Visibility { false, true, false };
    QTest::newRow("title from the novel")
        << QList<int> { 2, 0 } << Visibility { true, false, false };
    QTest::newRow("3 ignored") << QList<int> { 1, 3 } << Visibility { false, true, false };
    QTest::newRow("-1 ignored") << QList<int> { 2, -1 } << Visibility { false, false, true };
}

void tst_MainWindow::pageRequests()
{
    QFETCH(QList<int>, requests);
    QFETCH(Visibility, expected);

    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    for (int page : requests)
        requestPage(window, page);
    QCOMPARE(visibility(window), expected);
}

void tst_MainWindow::pageSwitchingLeavesTheMusicAlone()
{
    MainWindow window;
    window.show();
    SoundPlayer *sound = window.findChild<FormTitle *>()->sound;
    QTRY_VERIFY(sound->isPlaying());
    const QString title = sound->source();

    for (int page : { 1, 2, 1, 0, 5 }) {
        requestPage(window, page);
        QCOMPARE(sound->source(), title);
        QVERIFY(sound->isPlaying());
    }
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"

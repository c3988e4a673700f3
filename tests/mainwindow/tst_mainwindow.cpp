#include "app/mainwindow.h"
#include "app/soundplayer.h"
#include "novel/formnovel.h"
#include "pages/formcontents.h"
#include "pages/formtitle.h"
#include "testwav.h"

#include <QDir>
#include <QMenuBar>
#include <QStatusBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolBar>

using Visibility = QList<bool>; // title, contents, novel

class tst_MainWindow : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void cleanupTestCase();

    void startsOnTheTitlePageInAFixedWindow();
    void titleMusicPlaysFromStartUp();
    void everyPageSharesTheOnePlayer();
    void pagesCoverTheWholeWindow();
    void windowCannotBeResized();
    void pageRequests_data();
    void pageRequests();
    void pageSwitchingLeavesTheMusicAlone();
    void pageRequestsTravelThroughThePagesSignals();

private:
    static Visibility visibility(const MainWindow &window);
    static void requestPage(MainWindow &window, int page);

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

Visibility tst_MainWindow::visibility(const MainWindow &window)
{
    return { window.findChild<FormTitle *>()->isVisibleTo(&window),
             window.findChild<FormContents *>()->isVisibleTo(&window),
             window.findChild<FormNovel *>()->isVisibleTo(&window) };
}

void tst_MainWindow::requestPage(MainWindow &window, int page)
{
    QVERIFY(QMetaObject::invokeMethod(&window, "SlotsChangePage", Q_ARG(int, page)));
}

void tst_MainWindow::startsOnTheTitlePageInAFixedWindow()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    QCOMPARE(window.size(), QSize(800, 600));
    QCOMPARE(window.minimumSize(), QSize(800, 600));
    QCOMPARE(window.maximumSize(), QSize(800, 600));
    QCOMPARE(window.windowTitle(), QStringLiteral("MainWindow"));
    QCOMPARE(visibility(window), Visibility({ true, false, false }));
    QCOMPARE(window.findChild<FormContents *>()->storyNumber, 0);
}

void tst_MainWindow::titleMusicPlaysFromStartUp()
{
    MainWindow window;
    SoundPlayer *sound = window.findChild<FormTitle *>()->sound;
    QVERIFY(sound);
    QCOMPARE(sound->source(), QDir(m_workDir.path()).filePath("music/title.wav"));
    QTRY_VERIFY(sound->isPlaying());
}

void tst_MainWindow::everyPageSharesTheOnePlayer()
{
    MainWindow window;
    SoundPlayer *sound = window.findChild<FormTitle *>()->sound;
    QVERIFY(sound);
    QCOMPARE(window.findChild<FormContents *>()->sound, sound);
    QCOMPARE(window.findChild<FormNovel *>()->sound, sound);
}

void tst_MainWindow::pagesCoverTheWholeWindow()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    auto *title = window.findChild<FormTitle *>();
    QCOMPARE(title->geometry(), QRect(0, 0, 800, 600));
    // The bars are there but hidden under the page: what lies at the top
    // edge, the middle and the bottom edge all belongs to the title page.
    for (const QPoint &p : { QPoint(400, 5), QPoint(5, 30), QPoint(400, 300), QPoint(795, 595) }) {
        QWidget *hit = window.childAt(p);
        QVERIFY2(hit && (hit == title || title->isAncestorOf(hit)),
                 qPrintable(QStringLiteral("at %1,%2").arg(p.x()).arg(p.y())));
    }
    QVERIFY(window.findChild<QMenuBar *>("menuBar"));
    QVERIFY(window.findChild<QToolBar *>("mainToolBar"));
    QVERIFY(window.findChild<QStatusBar *>("statusBar"));
}

void tst_MainWindow::windowCannotBeResized()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    window.resize(1024, 768);
    QCOMPARE(window.size(), QSize(800, 600));
    window.resize(320, 200);
    QCOMPARE(window.size(), QSize(800, 600));
    QCOMPARE(window.sizePolicy().horizontalPolicy(), QSizePolicy::Fixed);
    QCOMPARE(window.sizePolicy().verticalPolicy(), QSizePolicy::Fixed);
}

void tst_MainWindow::pageRequests_data()
{
    QTest::addColumn<QList<int>>("requests");
    QTest::addColumn<Visibility>("expected");

    QTest::newRow("nothing asked") << QList<int>{} << Visibility{ true, false, false };
    QTest::newRow("contents") << QList<int>{ 1 } << Visibility{ false, true, false };
    QTest::newRow("novel") << QList<int>{ 2 } << Visibility{ false, false, true };
    QTest::newRow("title again") << QList<int>{ 1, 0 } << Visibility{ true, false, false };
    QTest::newRow("contents twice") << QList<int>{ 1, 1 } << Visibility{ false, true, false };
    QTest::newRow("novel twice") << QList<int>{ 1, 2, 2 } << Visibility{ false, false, true };
    QTest::newRow("back from the novel") << QList<int>{ 1, 2, 1 } << Visibility{ false, true, false };
    QTest::newRow("title from the novel") << QList<int>{ 2, 0 } << Visibility{ true, false, false };
    QTest::newRow("3 ignored") << QList<int>{ 1, 3 } << Visibility{ false, true, false };
    QTest::newRow("-1 ignored") << QList<int>{ 2, -1 } << Visibility{ false, false, true };
    QTest::newRow("ignored at start") << QList<int>{ 99, -7 } << Visibility{ true, false, false };
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

void tst_MainWindow::pageRequestsTravelThroughThePagesSignals()
{
    MainWindow window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));

    auto *title = window.findChild<FormTitle *>();
    auto *contents = window.findChild<FormContents *>();
    auto *novel = window.findChild<FormNovel *>();

    emit title->pEventPageChange(1);
    QCOMPARE(visibility(window), Visibility({ false, true, false }));
    emit contents->pEventPageChange(2);
    QCOMPARE(visibility(window), Visibility({ false, false, true }));
    emit novel->pEventPageChange(1);
    QCOMPARE(visibility(window), Visibility({ false, true, false }));
}

QTEST_MAIN(tst_MainWindow)
#include "tst_mainwindow.moc"

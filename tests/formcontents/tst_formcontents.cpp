#include "app/soundplayer.h"
#include "pages/formcontents.h"
#include "menupalette.h"
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

    void startsWithStoryZero();
    void storyButtons_data();
    void storyButtons();
    void choosingTheSameStoryAgainRestartsIt();
    void clicksBesideTheButtonsDoNothing_data();
    void clicksBesideTheButtonsDoNothing();
    void buttonsFormOneColumnUnderTheHeading();
    void palette_data();
    void palette();

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

void tst_FormContents::startsWithStoryZero()
{
    QCOMPARE(m_page->storyNumber, 0);
}

void tst_FormContents::storyButtons_data()
{
    QTest::addColumn<QString>("button");
    QTest::addColumn<QString>("track");
    QTest::addColumn<int>("story");

    QTest::newRow("top") << "PB_Ruvello" << "music/1.wav" << 0;
    QTest::newRow("middle") << "PB_Novel" << "music/0.wav" << 1;
    QTest::newRow("bottom") << "PB_Sorinda" << "music/2.wav" << 2;
}

void tst_FormContents::storyButtons()
{
    QFETCH(QString, button);
    QFETCH(QString, track);
    QFETCH(int, story);

    // What the main window would see when the page asks for the novel page.
    QString sourceAtRequest;
    int storyAtRequest = -1;
    QList<int> requests;
    connect(m_page, &FormContents::pEventPageChange, this, [&](int page) {
        requests << page;
        sourceAtRequest = m_sound->source();
        storyAtRequest = m_page->storyNumber;
    });

    QTest::mouseClick(m_page->findChild<QPushButton *>(button), Qt::LeftButton);

    QCOMPARE(requests, QList<int>{ 2 });
    QCOMPARE(sourceAtRequest, QDir(m_workDir.path()).filePath(track));
    QCOMPARE(storyAtRequest, story);
    QCOMPARE(m_page->storyNumber, story);
    QTRY_VERIFY(m_sound->isPlaying());
}

void tst_FormContents::choosingTheSameStoryAgainRestartsIt()
{
    auto *sorinda = m_page->findChild<QPushButton *>("PB_Sorinda");
    QSignalSpy spy(m_page, &FormContents::pEventPageChange);

    QTest::mouseClick(sorinda, Qt::LeftButton);
    QTRY_VERIFY(m_sound->isPlaying());
    m_sound->stop(); // as at the end of a story
    QTRY_VERIFY(!m_sound->isPlaying());

    QTest::mouseClick(sorinda, Qt::LeftButton);
    QCOMPARE(spy.count(), 2);
    QCOMPARE(m_page->storyNumber, 2);
    QVERIFY(m_sound->source().endsWith("music/2.wav"));
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
    const struct { const char *name; int y; } buttons[] = {
        { "PB_Ruvello", 200 }, { "PB_Novel", 280 }, { "PB_Sorinda", 360 }
    };
    for (const auto &b : buttons) {
        auto *button = m_page->findChild<QPushButton *>(b.name);
        QCOMPARE(button->geometry(), QRect(130, b.y, 201, 61));
        QCOMPARE(m_page->childAt(QPoint(230, b.y + 30)), button);
        // Each caption names a story and its author.
        QVERIFY2(button->text().contains(" by "), qPrintable(button->text()));
    }
    auto *heading = m_page->findChild<QLabel *>("label_2");
    QCOMPARE(heading->text(), QStringLiteral("目次"));
    QCOMPARE(heading->geometry(), QRect(300, 70, 211, 61));
    QVERIFY(heading->font().bold());
    QVERIFY(heading->font().italic());
    QCOMPARE(heading->font().pointSize(), 48);
}

void tst_FormContents::palette_data()
{
    addMenuPaletteRows(QColor(255, 170, 255), QColor(255, 212, 255), QColor(127, 85, 127),
                       QColor(170, 113, 170));
}

void tst_FormContents::palette()
{
    verifyPaletteRow(*m_page);
    QVERIFY(m_page->autoFillBackground());
}

QTEST_MAIN(tst_FormContents)
#include "tst_formcontents.moc"

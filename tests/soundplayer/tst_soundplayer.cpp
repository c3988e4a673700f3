// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "app/soundplayer.h"
#include "testwav.h"

#include <QCoreApplication>
#include <QDir>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>

// Runs every test in a fresh working folder holding the five music files, so
// that the player finds them through its relative paths as in a real run.
class tst_SoundPlayer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void constructionLoadsTheStartupSoundSilently();
    void trackTable_data();
    void trackTable();
    void stopSilencesAndKeepsTheSound();
    void stopWhenSilentThenPlayStillWorks();
    void playReplacesThePlayingTrack();
    void aTrackPlaysOnceAndEnds();
    void unknownTrackLeavesThePlayerSilentButUsable_data();
    void unknownTrackLeavesThePlayerSilentButUsable();
    void unplayableFileIsSilent_data();
    void unplayableFileIsSilent();
    void currentDirectoryComesFirst();
    void musicBesideTheProgramIsTheFallback();
    void quittingWhileTunesStartEndsCleanly_data();
    void quittingWhileTunesStartEndsCleanly();

private:
    QString m_originalDir;
    QScopedPointer<QTemporaryDir> m_workDir;
    QStringList m_filesBesideProgram;
};

void tst_SoundPlayer::init()
{
    m_originalDir = QDir::currentPath();
    m_workDir.reset(new QTemporaryDir);
    QVERIFY(m_workDir->isValid());
    QVERIFY(writeMusicFolder(m_workDir->path()));
    QVERIFY(QDir::setCurrent(m_workDir->path()));
}

void tst_SoundPlayer::cleanup()
{
    QDir::setCurrent(m_originalDir);
    m_workDir.reset();
    for (const QString &file : std::as_const(m_filesBesideProgram))
        QFile::remove(file);
    m_filesBesideProgram.clear();
}

void tst_SoundPlayer::constructionLoadsTheStartupSoundSilently()
{
    SoundPlayer player;
    QCOMPARE(player.source(), QDir(m_workDir->path()).filePath("music/cm1_003.wav"));
    // Give the sound every chance to start by mistake.
    QTest::qWait(300);
    QVERIFY(!player.isPlaying());
}

void tst_SoundPlayer::trackTable_data()
{
    QTest::addColumn<int>("track");
    QTest::addColumn<QString>("file");

    QTest::newRow("track 0") << 0 << "music/0.wav";
    QTest::newRow("track 1") << 1 << "music/1.wav";
    QTest::newRow("track 2") << 2 << "music/2.wav";
    QTest::newRow("track 3 shares track 1's file") << 3 << "music/1.wav";
    QTest::newRow("track 4 is the title") << 4 << "music/title.wav";
}

void tst_SoundPlayer::trackTable()
{
    QFETCH(int, track);
    QFETCH(QString, file);

    SoundPlayer player;
    player.play(track);
    QCOMPARE(player.source(), QDir(m_workDir->path()).filePath(file));
    QTRY_VERIFY(player.isPlaying());
}

void tst_SoundPlayer::stopSilencesAndKeepsTheSound()
{
    SoundPlayer player;
    player.play(2);
    QTRY_VERIFY(player.isPlaying());
    const QString playing = player.source();

    player.stop();
    QTRY_VERIFY(!player.isPlaying());
    QCOMPARE(player.source(), playing);
}

void tst_SoundPlayer::stopWhenSilentThenPlayStillWorks()
{
    SoundPlayer player;
    player.stop();
    player.stop();
    QVERIFY(!player.isPlaying());

    player.play(0);
    QTRY_VERIFY(player.isPlaying());
}

void tst_SoundPlayer::playReplacesThePlayingTrack()
{
    SoundPlayer player;
    player.play(4);
    QTRY_VERIFY(player.isPlaying());

    player.play(1);
    QVERIFY(player.source().endsWith("music/1.wav"));
    QTRY_VERIFY(player.isPlaying());

    // Playing the same track again starts a fresh sound.
    player.play(1);
    QVERIFY(player.source().endsWith("music/1.wav"));
    QTRY_VERIFY(player.isPlaying());
}

void tst_SoundPlayer::aTrackPlaysOnceAndEnds()
{
    QVERIFY(writeToneWav(m_workDir->path() + "/music/2.wav", 660.0, 0.4));

    SoundPlayer player;
    player.play(2);
    QTRY_VERIFY(player.isPlaying());
    // Not looped: the sound ends by itself and stays silent.
    QTRY_VERIFY_WITH_TIMEOUT(!player.isPlaying(), 10000);
    QTest::qWait(600);
    QVERIFY(!player.isPlaying());
}

void tst_SoundPlayer::unknownTrackLeavesThePlayerSilentButUsable_data()
{
    QTest::addColumn<int>("track");
    QTest::newRow("negative") << -1;
    QTest::newRow("just past the table") << 5;
    QTest::newRow("far out") << 1000;
}

void tst_SoundPlayer::unknownTrackLeavesThePlayerSilentButUsable()
{
    QFETCH(int, track);

    SoundPlayer player;
    player.play(4);
    QTRY_VERIFY(player.isPlaying());

    player.play(track);
    QVERIFY(player.source().isEmpty());
    QVERIFY(!player.isPlaying());
    player.stop();

    player.play(0);
    QVERIFY(player.source().endsWith("music/0.wav"));
    QTRY_VERIFY(player.isPlaying());
}

void tst_SoundPlayer::unplayableFileIsSilent_data()
{
    QTest::addColumn<bool>("exists");
    QTest::addColumn<int>("keptBytes");
    QTest::addColumn<QByteArray>("written");

    QTest::newRow("missing") << false << 0 << QByteArray();
    QTest::newRow("empty") << true << 0 << QByteArray();
    QTest::newRow("cut inside the header") << true << 30 << QByteArray();
    QTest::newRow("not WAV")
            << true << 0 << QByteArray("These are not the tunes you are looking for.\n").repeated(200);
}

void tst_SoundPlayer::unplayableFileIsSilent()
{
    QFETCH(bool, exists);
    QFETCH(int, keptBytes);
    QFETCH(QByteArray, written);
    QFile file(m_workDir->path() + "/music/0.wav");
    if (exists) {
        QVERIFY(file.open(QIODevice::ReadWrite));
        QVERIFY(file.resize(keptBytes));
        QCOMPARE(file.write(written), written.size());
        file.close();
    } else {
        QVERIFY(file.remove());
    }
    // Nothing of the player's own may reach the user's terminal.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));

    SoundPlayer player;
    player.play(4);
    QTRY_VERIFY(player.isPlaying());
    player.play(0);
    QCOMPARE(player.source(), file.fileName());
    QTest::qWait(300);
    QVERIFY(!player.isPlaying());

    player.play(2);
    QTRY_VERIFY(player.isPlaying());
}

void tst_SoundPlayer::currentDirectoryComesFirst()
{
    const QString beside = QCoreApplication::applicationDirPath() + "/music/title.wav";
    QVERIFY(writeToneWav(beside, 500.0, 1.0));
    m_filesBesideProgram << beside;

    QCOMPARE(SoundPlayer::resolveMusicFile("music/title.wav"),
             QDir(m_workDir->path()).filePath("music/title.wav"));
}

void tst_SoundPlayer::musicBesideTheProgramIsTheFallback()
{
    // A working folder without music, as when the reader is started from a
    // desktop launcher.
    QTemporaryDir elsewhere;
    QVERIFY(QDir::setCurrent(elsewhere.path()));

    const QString beside = QCoreApplication::applicationDirPath() + "/music/title.wav";
    QVERIFY(writeToneWav(beside, 500.0, 2.0));
    m_filesBesideProgram << beside;

    SoundPlayer player;
    player.play(4);
    QCOMPARE(player.source(), QFileInfo(beside).absoluteFilePath());
    QTRY_VERIFY(player.isPlaying());
}

void tst_SoundPlayer::quittingWhileTunesStartEndsCleanly_data()
{
    QTest::addColumn<QStringList>("arguments");
    QTest::addColumn<bool>("withoutTrack0");

    // The first argument is the pause in microseconds after each track; the
    // rest are the tracks played. The program quits while the sound server
    // is still taking in the last stream, or the first.
    QTest::newRow("only the start-up sound") << QStringList { "0" } << false;
    QTest::newRow("tracks in a row") << QStringList { "0", "4", "1", "2" } << false;
    QTest::newRow("tracks with short pauses") << QStringList { "200", "4", "1", "2" } << false;
    QTest::newRow("tracks with longer pauses") << QStringList { "1000", "4", "1", "2" } << false;
    QTest::newRow("a missing file among them") << QStringList { "200", "4", "5", "0" } << true;
}

void tst_SoundPlayer::quittingWhileTunesStartEndsCleanly()
{
    QFETCH(QStringList, arguments);
    QFETCH(bool, withoutTrack0);
    if (withoutTrack0)
        QVERIFY(QFile::remove(m_workDir->path() + "/music/0.wav"));

    // A fault here would be a race, so each case runs several times.
    for (int run = 0; run < 8; ++run) {
        QProcess program;
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QStringLiteral(QUIT_WHILE_STARTING), arguments);
        QVERIFY2(program.waitForFinished(3000),
                 qPrintable(QString("run %1 did not end").arg(run)));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }
}

QTEST_GUILESS_MAIN(tst_SoundPlayer)
#include "tst_soundplayer.moc"

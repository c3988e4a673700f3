// SPDX-FileCopyrightText: 2026 The picturebook developers
// SPDX-License-Identifier: MIT

#include "app/soundplayer.h"
#include "testwav.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <cstdlib>

// Runs every test in a fresh working folder holding the five music files, so
// that the player finds them through its relative paths as in a real run.
class tst_SoundPlayer : public QObject
{
    Q_OBJECT

private slots:
    void init();
    void cleanup();

    void callsLeaveTheRightTuneOnOrOff_data();
    void callsLeaveTheRightTuneOnOrOff();
    void musicIsFoundWhereverTheReaderIsStarted_data();
    void musicIsFoundWhereverTheReaderIsStarted();
    void quittingWhileTunesStartEndsCleanly_data();
    void quittingWhileTunesStartEndsCleanly();

private:
    QString inWorkDir(const QString &file) const { return m_workDir->filePath(file); }

    std::unique_ptr<QTemporaryDir> m_workDir;
    QStringList m_filesBesideProgram;
};

void tst_SoundPlayer::init()
{
    m_workDir = std::make_unique<QTemporaryDir>();
    QVERIFY(writeMusicFolder(m_workDir->path()));
    QVERIFY(QDir::setCurrent(m_workDir->path()));
}

void tst_SoundPlayer::cleanup()
{
    m_workDir.reset();
    for (const QString &file : std::as_const(m_filesBesideProgram))
        QFile::remove(file);
    m_filesBesideProgram.clear();
}

// Calls are track numbers to play, "stop", "mute" and "unmute" for the music
// off and on, and "end" to wait for the end of the sound; the file in music/ is the current sound's. music/0.wav may be
// short, missing, empty, cut inside its header or no WAV file at all.
void tst_SoundPlayer::callsLeaveTheRightTuneOnOrOff_data()
{
    QTest::addColumn<QString>("calls");
    QTest::addColumn<QString>("file");
    QTest::addColumn<bool>("playing");
    QTest::addColumn<QString>("track0");

    const struct
    {
        const char *tag, *calls, *file;
        bool playing;
        const char *track0 = "";
    } rows[] = {
        { "none: the start-up sound, silent", "", "cm1_003.wav", false },
        { "track 0", "0", "0.wav", true },
        { "track 1", "1", "1.wav", true },
        { "track 2", "2", "2.wav", true },
        { "track 3 shares track 1's file", "3", "1.wav", true },
        { "track 4 is the title", "4", "title.wav", true },
        { "stop keeps the sound", "2 stop", "2.wav", false },
        { "stop when silent", "stop stop 0", "0.wav", true },
        { "play replaces the playing track", "4 1", "1.wav", true },
        { "the same track again", "1 1", "1.wav", true },
        { "no track -1", "4 -1", nullptr, false },
        { "no track 5", "4 5 stop", nullptr, false },
        { "usable after no track", "4 1000 0", "0.wav", true },
        { "missing file", "4 0", "0.wav", false, "missing" },
        { "empty file", "4 0", "0.wav", false, "empty" },
        { "file cut inside the header", "4 0", "0.wav", false, "cut" },
        { "not a WAV file", "4 0", "0.wav", false, "text" },
        { "usable after an unplayable file", "0 2", "2.wav", true, "text" },
        { "a track plays once, not looped", "0 end", "0.wav", false, "short" },
        { "music off: a track is only noted", "mute 2", "2.wav", false },
        { "music on again: the noted track plays", "mute 2 unmute", "2.wav", true },
        { "off and on while a track plays", "4 mute unmute", "title.wav", true },
        { "on again plays the track chosen last", "4 mute 1 unmute", "1.wav", true },
        { "stopped while off: on again stays silent", "4 mute stop unmute", "title.wav", false },
        { "played out before: on again stays silent", "0 end mute unmute", "0.wav", false,
          "short" },
        { "off twice is still off", "4 mute mute", "title.wav", false },
        { "on when already on changes nothing", "2 unmute", "2.wav", true },
    };
    for (const auto &row : rows) {
        QTest::newRow(row.tag) << QString::fromLatin1(row.calls) << QString::fromLatin1(row.file)
                               << row.playing << QString::fromLatin1(row.track0);
    }
}

void tst_SoundPlayer::callsLeaveTheRightTuneOnOrOff()
{
    QFETCH(QString, calls);
    QFETCH(QString, file);
    QFETCH(bool, playing);
    QFETCH(QString, track0);

    QFile track(inWorkDir("music/0.wav"));
    if (track0 == QLatin1String("missing")) {
        QVERIFY(track.remove());
    } else if (track0 == QLatin1String("short")) {
        QVERIFY(writeToneWav(track.fileName(), 660.0, 0.4));
    } else if (!track0.isEmpty()) {
        QVERIFY(track.open(QIODevice::ReadWrite) && track.resize(track0 == "cut" ? 30 : 0));
        if (track0 == QLatin1String("text"))
            QVERIFY(track.write(QByteArray("These are no tunes.\n").repeated(400)) > 0);
        track.close();
    }
    // Nothing of the player's own may reach the user's terminal.
    QTest::failOnWarning(QRegularExpression(QStringLiteral(".")));

    SoundPlayer player;
    for (const QString &call : calls.split(u' ', Qt::SkipEmptyParts)) {
        if (call == QLatin1String("stop"))
            player.stop();
        else if (call == QLatin1String("mute") || call == QLatin1String("unmute"))
            player.setMuted(call == QLatin1String("mute"));
        else if (call == QLatin1String("end"))
            QTest::qWait(QTest::qWaitFor([&] { return !player.isPlaying(); }, 10000) ? 600 : 0);
        else
            player.play(call.toInt());
    }
    QCOMPARE(player.source(), file.isEmpty() ? file : inWorkDir("music/" + file));
    QCOMPARE(player.isPlaying(), playing);
}

// The title tune in the working folder, beside the program, or where an
// installed program keeps it; the first place that has it wins.
void tst_SoundPlayer::musicIsFoundWhereverTheReaderIsStarted_data()
{
    QTest::addColumn<QStringList>("places");
    QTest::addColumn<QString>("found");

    QTest::newRow("working folder first") << QStringList { "work", "beside" } << "work";
    QTest::newRow("beside the program") << QStringList { "beside", "installed" } << "beside";
    QTest::newRow("installed") << QStringList { "installed" } << "installed";
    QTest::newRow("nowhere") << QStringList {} << "";
}

void tst_SoundPlayer::musicIsFoundWhereverTheReaderIsStarted()
{
    QFETCH(QStringList, places);
    QFETCH(QString, found);

    const QDir program(QCoreApplication::applicationDirPath());
    const QHash<QString, QString> paths {
        { "work", inWorkDir("music/title.wav") },
        { "beside", program.absoluteFilePath("music/title.wav") },
        { "installed", program.absoluteFilePath("../share/picturebook/music/title.wav") },
    };
    QVERIFY(QFile::remove(paths["work"]));
    for (const QString &place : places) {
        QVERIFY(writeToneWav(paths[place], 500.0, 2.0));
        if (place != QLatin1String("work"))
            m_filesBesideProgram << paths[place];
    }

    SoundPlayer player;
    player.play(4);
    QCOMPARE(player.source(), QFileInfo(paths.value(found, paths["work"])).absoluteFilePath());
    QCOMPARE(player.isPlaying(), !found.isEmpty());
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
    QVERIFY(!withoutTrack0 || QFile::remove(inWorkDir("music/0.wav")));
    // A fault here would be a race, so each case runs several times.
    for (int run = 0; run < 8; ++run) {
        QProcess program;
        program.setProcessChannelMode(QProcess::ForwardedErrorChannel);
        program.start(QCoreApplication::applicationFilePath(),
                      QStringList { "quit-while-starting" } + arguments);
        QVERIFY2(program.waitForFinished(3000), qPrintable(QString("run %1 did not end").arg(run)));
        QCOMPARE(program.exitStatus(), QProcess::NormalExit);
        QCOMPARE(program.exitCode(), 0);
    }
}

// As "tst_soundplayer quit-while-starting <pause in µs> <track>...", it starts
// the tracks one after another, pausing briefly between them, and quits at
// once, while the sound server is most likely still taking in their streams.
int main(int argc, char *argv[])
{
    QCoreApplication app(argc, argv);
    if (argc > 2 && qstrcmp(argv[1], "quit-while-starting") == 0) {
        SoundPlayer player;
        for (int i = 3; i < argc; ++i) {
            player.play(std::atoi(argv[i]));
            QThread::usleep(std::strtoul(argv[2], nullptr, 10));
        }
        return 0;
    }
    tst_SoundPlayer test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_soundplayer.moc"

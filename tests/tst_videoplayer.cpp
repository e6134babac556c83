#include "sounddevice.h"
#include "tinyvideo.h"
#include "videoplayer.h"

#include <QDir>
#include <QFile>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>

class TestVideoPlayer : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void initTestCase();
    void shouldFinishOnceAtTheEnd_data();
    void shouldFinishOnceAtTheEnd();
    void shouldFinishOnceForBrokenFiles_data();
    void shouldFinishOnceForBrokenFiles();
    void shouldNotFinishMissingOrStoppedClips();
    void shouldReportOnlyTheLastOfReplacedClips();
    void shouldKeepLastFrameAndPlayAgainOnClick();
    void shouldAttachAudioOnlyWithSoundAndADevice_data();
    void shouldAttachAudioOnlyWithSoundAndADevice();

private:
    QTemporaryDir dir;
    QString clip;
    QString soundClip;
};

void TestVideoPlayer::initTestCase()
{
    clip = dir.filePath(QStringLiteral("clip.avi"));
    QVERIFY(writeTinyVideo(clip, 4, 10));
    soundClip = dir.filePath(QStringLiteral("sound.avi"));
    QVERIFY(writeTinyVideo(soundClip, 8, 10, QColor(200, 80, 40), 22050));
}

void TestVideoPlayer::shouldAttachAudioOnlyWithSoundAndADevice_data()
{
    QTest::addColumn<int>("volume");
    QTest::addColumn<int>("device"); // 1, 0, or -1: this PC's own (tests run with none)
    QTest::addColumn<bool>("withSound");
    QTest::addColumn<bool>("attached");
    // A player with an audio output is only safe here on a clip without
    // sound: the FFmpeg backend crashes playing sound to no device.
    QTest::newRow("sound on, a device") << 60 << 1 << false << true;
    QTest::newRow("sound off, a device") << 0 << 1 << false << false;
    QTest::newRow("sound on, no device") << 60 << 0 << true << false;
    QTest::newRow("sound on, this PC") << 60 << -1 << true << false;
}

void TestVideoPlayer::shouldAttachAudioOnlyWithSoundAndADevice()
{
    QFETCH(int, volume);
    QFETCH(int, device);
    QFETCH(bool, withSound);
    QFETCH(bool, attached);
    if (device >= 0)
        SoundDevice::setCheck([device] { return device == 1; });
    VideoPlayer player;
    player.setVolume(volume);
    QSignalSpy finished(&player, &VideoPlayer::finished);
    QVERIFY(player.play(withSound ? soundClip : clip));
    SoundDevice::setCheck({});
    QCOMPARE(player.hasAudioOutput(), attached);
    // Muted or not, the clip plays to its end.
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 4000);
    QVERIFY(player.reachedEnd());
}

void TestVideoPlayer::shouldFinishOnceAtTheEnd_data()
{
    QTest::addColumn<QString>("folder");
    QTest::newRow("plain folder") << QString();
    // Word folders carry their words' names: "Español/Letras/Á/árbol".
    QTest::newRow("folder with accents") << "Español/árbol";
}

void TestVideoPlayer::shouldFinishOnceAtTheEnd()
{
    QFETCH(QString, folder);
    QString path = clip;
    if (!folder.isEmpty()) {
        QVERIFY(QDir(dir.path()).mkpath(folder));
        path = dir.filePath(folder + QStringLiteral("/seña.avi"));
        QVERIFY(QFile::exists(path) || QFile::copy(clip, path));
    }
    VideoPlayer player;
    player.resize(160, 120);
    player.setVolume(0);
    QSignalSpy finished(&player, &VideoPlayer::finished);
    QVERIFY(player.play(path));
    QVERIFY(player.isPlaying());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 4000);
    QVERIFY(player.reachedEnd());
    QVERIFY(!player.isPlaying());
    QVERIFY(!finished.wait(300));
}

void TestVideoPlayer::shouldFinishOnceForBrokenFiles_data()
{
    QTest::addColumn<QByteArray>("content");
    QTest::newRow("empty") << QByteArray();
    QTest::newRow("junk") << QByteArray("not a video at all").repeated(300);
    QFile file(clip);
    file.open(QIODevice::ReadOnly);
    QTest::newRow("header and junk") << QByteArray();
    QTest::newRow("truncated") << file.readAll().left(900);
}

void TestVideoPlayer::shouldFinishOnceForBrokenFiles()
{
    QFETCH(QByteArray, content);
    const QString path = dir.filePath(QStringLiteral("broken.avi"));
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write(content);
    file.close();
    if (QByteArray(QTest::currentDataTag()) == "header and junk")
        QVERIFY(writeCorruptVideo(path));

    VideoPlayer player;
    player.setVolume(0);
    player.silenceTimeout = 1500;
    QSignalSpy finished(&player, &VideoPlayer::finished);
    QVERIFY(player.play(path));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 3000);
    QVERIFY(!finished.wait(300));
}

void TestVideoPlayer::shouldNotFinishMissingOrStoppedClips()
{
    VideoPlayer player;
    player.silenceTimeout = 100;
    QSignalSpy finished(&player, &VideoPlayer::finished);
    QVERIFY(!player.play(dir.filePath(QStringLiteral("missing.avi"))));
    QVERIFY(!player.play(QString()));
    QVERIFY(!player.isPlaying());
    // Nor does a clip stopped before its end report finishing.
    player.setVolume(0);
    QVERIFY(player.play(clip));
    player.stop();
    QVERIFY(!player.isPlaying());
    QVERIFY(!finished.wait(800));
}

void TestVideoPlayer::shouldReportOnlyTheLastOfReplacedClips()
{
    const QString broken = dir.filePath(QStringLiteral("replaced.avi"));
    QVERIFY(writeCorruptVideo(broken));
    VideoPlayer player;
    player.setVolume(0);
    QSignalSpy finished(&player, &VideoPlayer::finished);
    QVERIFY(player.play(broken));
    QVERIFY(player.play(clip));
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 4000);
    QVERIFY(!finished.wait(300));
}

void TestVideoPlayer::shouldKeepLastFrameAndPlayAgainOnClick()
{
    VideoPlayer player;
    player.resize(160, 120);
    player.setVolume(0);
    player.show();
    QSignalSpy finished(&player, &VideoPlayer::finished);
    QSignalSpy first(&player, &VideoPlayer::firstFrameShown);
    QVERIFY(player.play(clip));
    // Nothing (no black box) until the clip's own first frame.
    QVERIFY(player.shownFrame().isNull());
    QTRY_COMPARE_WITH_TIMEOUT(first.count(), 1, 4000);
    QVERIFY(!player.shownFrame().isNull());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, 4000);
    // The last frame stays on screen.
    QVERIFY(!player.shownFrame().isNull());
    QTest::mouseClick(&player, Qt::LeftButton);
    QVERIFY(player.isPlaying());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, 4000);
    QCOMPARE(first.count(), 2);
    // Stopped, the player shows nothing and a click plays nothing.
    player.stop();
    QVERIFY(player.shownFrame().isNull());
    QTest::mouseClick(&player, Qt::LeftButton);
    QVERIFY(!player.isPlaying());
}

QTEST_MAIN(TestVideoPlayer)
#include "tst_videoplayer.moc"

#include "sounddevice.h"
#include "tinyvideo.h"
#include "videoplayer.h"

#include <QDir>
#include <QFile>
#include <QPainter>
#include <QProcess>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QTest>
#include <QtEndian>

namespace {
// Clips may play slowly on a loaded machine; QTRY returns as soon as its
// condition holds, so a generous limit costs nothing.
constexpr int kPatience = 20000;

const QColor kTop(220, 30, 30);
const QColor kBody(30, 60, 210);

// A scene whose top quarter is red and the rest blue, stored as a camera
// turned by `turn` degrees clockwise would store it.
QImage storedScene(QSize upright, int turn)
{
    QImage scene(upright, QImage::Format_RGB32);
    scene.fill(kBody);
    QPainter(&scene).fillRect(0, 0, upright.width(), upright.height() / 4, kTop);
    return scene.transformed(QTransform().rotate(-turn));
}

// A phone keeps the frames as its sensor saw them and writes the turn that
// shows them upright into the video track's header ('tkhd' box of the
// ISO media file): a 3 x 3 matrix of 16.16 fixed-point numbers, 40 bytes
// into a version 0 box. Turning clockwise by t: (cos t, sin t; -sin t, cos t).
bool setTrackTurn(const QString& path, int turn)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QByteArray data = file.readAll();
    const int box = int(data.indexOf("tkhd"));
    if (box < 0 || data.at(box + 4) != 0)
        return false;
    const qint32 cosine = turn == 0 ? 0x10000 : turn == 180 ? -0x10000 : 0;
    const qint32 sine = turn == 90 ? 0x10000 : turn == 270 ? -0x10000 : 0;
    const qint32 matrix[9] = {cosine, sine, 0, -sine, cosine, 0, 0, 0, 0x40000000};
    for (int i = 0; i < 9; ++i)
        qToBigEndian(matrix[i], data.data() + box + 4 + 40 + 4 * i);
    return file.seek(0) && file.write(data) == data.size();
}

// What the player's picture covers on screen: the box of its red and blue.
QRect pictureBox(const QImage& shot)
{
    QRect box;
    for (int y = 0; y < shot.height(); ++y) {
        for (int x = 0; x < shot.width(); ++x) {
            const QColor c = shot.pixelColor(x, y);
            if (qMax(c.red(), c.blue()) > 150 && c.green() < 110)
                box |= QRect(x, y, 1, 1);
        }
    }
    return box;
}

// Rewrites the frame count an AVI's headers announce (main header 'avih'
// and stream header 'strh'), leaving its frames as they are.
bool setAnnouncedFrames(const QString& path, int frames)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadWrite))
        return false;
    QByteArray data = file.readAll();
    const int main = int(data.indexOf("avih"));
    const int stream = int(data.indexOf("strh"));
    if (main < 0 || stream < 0)
        return false;
    qToLittleEndian(quint32(frames), data.data() + main + 8 + 16);   // dwTotalFrames
    qToLittleEndian(quint32(frames), data.data() + stream + 8 + 32); // dwLength
    return file.seek(0) && file.write(data) == data.size();
}

bool isTopColour(const QColor& c)
{
    return c.red() > 150 && c.blue() < 110;
}
} // namespace

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
    void shouldShowClipsWholeAndUpright_data();
    void shouldShowClipsWholeAndUpright();
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
    QTest::addColumn<QString>("name");
    QTest::addColumn<int>("frames");
    QTest::addColumn<int>("claimedFrames");
    QTest::newRow("plain folder") << "clip.avi" << 4 << 4;
    // Word folders carry their words' names: "Español/Letras/Á/árbol".
    QTest::newRow("folder with accents") << "Español/árbol/seña.avi" << 4 << 4;
    // A clip still showing frames past the length it announced, as every
    // clip does on a loaded machine, is not cut short.
    QTest::newRow("longer than announced") << "largo.avi" << 60 << 4;
}

void TestVideoPlayer::shouldFinishOnceAtTheEnd()
{
    QFETCH(QString, name);
    QFETCH(int, frames);
    QFETCH(int, claimedFrames);
    const QString path = dir.filePath(name);
    QVERIFY(QFile::exists(path) || writeTinyVideo(path, frames, 10));
    if (claimedFrames != frames)
        QVERIFY(setAnnouncedFrames(path, claimedFrames));
    VideoPlayer player;
    player.resize(160, 120);
    player.setVolume(0);
    player.silenceTimeout = 1000;
    QSignalSpy finished(&player, &VideoPlayer::finished);
    QVERIFY(player.play(path));
    QVERIFY(player.isPlaying());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kPatience);
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
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kPatience);
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
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kPatience);
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
    QTRY_COMPARE_WITH_TIMEOUT(first.count(), 1, kPatience);
    QVERIFY(!player.shownFrame().isNull());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kPatience);
    // The last frame stays on screen.
    QVERIFY(!player.shownFrame().isNull());
    QTest::mouseClick(&player, Qt::LeftButton);
    QVERIFY(player.isPlaying());
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 2, kPatience);
    QCOMPARE(first.count(), 2);
    // Stopped, the player shows nothing and a click plays nothing.
    player.stop();
    QVERIFY(player.shownFrame().isNull());
    QTest::mouseClick(&player, Qt::LeftButton);
    QVERIFY(!player.isPlaying());
}

void TestVideoPlayer::shouldShowClipsWholeAndUpright_data()
{
    // As the window's player: 320 x 240, asked to fill itself.
    QTest::addColumn<QString>("name");
    QTest::addColumn<QSize>("upright");
    QTest::addColumn<int>("turn");
    QTest::addColumn<QRect>("shown");
    const QRect portrait(92, 0, 135, 240);
    const QRect landscape(0, 30, 320, 180);
    QTest::newRow("portrait clip") << "retrato.avi" << QSize(72, 128) << 0 << portrait;
    QTest::newRow("landscape clip") << "paisaje.avi" << QSize(128, 72) << 0 << landscape;
    QTest::newRow("phone clip turned a quarter") << "movil90.mp4" << QSize(90, 160) << 90
                                                 << portrait;
    QTest::newRow("phone clip upside down") << "movil180.mp4" << QSize(160, 90) << 180
                                            << landscape;
    QTest::newRow("phone clip turned three quarters") << "movil270.mp4" << QSize(90, 160) << 270
                                                      << portrait;
}

void TestVideoPlayer::shouldShowClipsWholeAndUpright()
{
    QFETCH(QString, name);
    QFETCH(QSize, upright);
    QFETCH(int, turn);
    QFETCH(QRect, shown);
    const QString path = dir.filePath(name);
    const QImage stored = storedScene(upright, turn);
    if (path.endsWith(QLatin1String(".mp4"))) {
        // A phone's H.264 MP4, made from a clip of the stored frames.
        const QString frames = dir.filePath(QStringLiteral("frames.avi"));
        QVERIFY(writeTinyVideo(frames, stored));
        QProcess ffmpeg;
        ffmpeg.start(QStringLiteral("ffmpeg"),
                     {"-v", "error", "-y", "-i", frames, "-c:v", "libx264", "-pix_fmt", "yuv420p",
                      path});
        QVERIFY2(ffmpeg.waitForFinished(60000) && ffmpeg.exitCode() == 0,
                 "ffmpeg (scripts/install-deps.sh installs it) could not make the clip");
        QVERIFY(setTrackTurn(path, turn));
    } else {
        QVERIFY(writeTinyVideo(path, stored));
    }

    VideoPlayer player;
    player.resize(320, 240);
    player.setVolume(0);
    player.show();
    QSignalSpy finished(&player, &VideoPlayer::finished);
    QVERIFY(player.play(path));
    // The last frame stays on screen once the clip ends.
    QTRY_COMPARE_WITH_TIMEOUT(finished.count(), 1, kPatience);
    const QImage shot = player.grab().toImage();
    const QRect box = pictureBox(shot);
    // Whole and fitted: bars beside or above and below, nothing cut off.
    QVERIFY2(qAbs(box.left() - shown.left()) <= 2 && qAbs(box.right() - shown.right()) <= 2
                 && qAbs(box.top() - shown.top()) <= 2
                 && qAbs(box.bottom() - shown.bottom()) <= 2,
             qPrintable(QStringLiteral("picture at %1,%2 %3x%4")
                            .arg(box.x()).arg(box.y()).arg(box.width()).arg(box.height())));
    // Upright: red along the top, blue at the bottom and down both sides.
    const int middle = box.center().x();
    QVERIFY(isTopColour(shot.pixelColor(middle, box.top() + box.height() / 8)));
    QVERIFY(!isTopColour(shot.pixelColor(middle, box.bottom() - box.height() / 8)));
    QVERIFY(!isTopColour(shot.pixelColor(box.left() + 3, box.center().y())));
    QVERIFY(!isTopColour(shot.pixelColor(box.right() - 3, box.center().y())));
}

QTEST_MAIN(TestVideoPlayer)
#include "tst_videoplayer.moc"

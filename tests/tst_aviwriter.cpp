#include "aviwriter.h"
#include "tinyvideo.h"

#include <QImage>
#include <QMediaPlayer>
#include <QPainter>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QUrl>
#include <QVideoFrame>
#include <QVideoSink>
#include <QtEndian>

#include <cstdio>
#include <unistd.h>

namespace {
QImage testFrame(int i, const QSize& size)
{
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor::fromHsv((i * 37) % 360, 200, 220));
    QPainter painter(&image);
    painter.fillRect(i * 4, 10, 40, 40, Qt::black);
    return image;
}

// What the process writes to its standard error while this lives: FFmpeg
// prints its decoders' complaints there itself.
class StderrCapture
{
public:
    StderrCapture()
    {
        if (!file.open())
            return;
        std::fflush(stderr);
        saved = ::dup(STDERR_FILENO);
        ::dup2(file.handle(), STDERR_FILENO);
    }
    ~StderrCapture() { release(); }
    QByteArray text()
    {
        release();
        file.seek(0);
        return file.readAll();
    }

private:
    void release()
    {
        if (saved < 0)
            return;
        std::fflush(stderr);
        ::dup2(saved, STDERR_FILENO);
        ::close(saved);
        saved = -1;
    }
    QTemporaryFile file;
    int saved = -1;
};
} // namespace

class TestAviWriter : public QObject
{
    Q_OBJECT

private Q_SLOTS:
    void shouldIndexEveryFrameAtItsChunk();
    void shouldStoreHeldFramesOnce();
    void shouldPlayToEndWithoutAudio();
    void shouldInterleaveTheSoundFrameByFrame_data();
    void shouldInterleaveTheSoundFrameByFrame();
    void shouldPlayToEndWithItsSound();
    void shouldPlayWithoutDecoderComplaints_data();
    void shouldPlayWithoutDecoderComplaints();
};

void TestAviWriter::shouldIndexEveryFrameAtItsChunk()
{
    AviWriter writer(QSize(32, 32), 12);
    // An odd-sized frame forces padding; the index must still land on chunks.
    for (int i = 0; i < 5; ++i)
        writer.addFrame(testFrame(i, QSize(40 + i, 30)));
    const AviContent avi = readAvi(writer.toByteArray());
    QVERIFY(avi.valid);
    QCOMPARE(avi.streams, 1);
    QCOMPARE(avi.frames.size(), 5);
    // Every frame is a complete JPEG of the stream's size.
    for (const QByteArray& frame : avi.frames)
        QCOMPARE(QImage::fromData(frame, "JPEG").size(), QSize(32, 32));
}

void TestAviWriter::shouldStoreHeldFramesOnce()
{
    AviWriter once(QSize(64, 48), 10);
    once.addFrame(testFrame(1, QSize(64, 48)));
    AviWriter held(QSize(64, 48), 10);
    held.addFrame(testFrame(1, QSize(64, 48)), 4);
    held.addFrame(testFrame(2, QSize(64, 48)));
    QCOMPARE(held.frameCount(), 5);
    const AviContent avi = readAvi(held.toByteArray());
    QCOMPARE(avi.frames.size(), 5);
    QList<qsizetype> sizes;
    for (qsizetype i = 0; i < avi.frames.size(); ++i) {
        sizes << avi.frames.at(i).size();
        // Only frames with a picture are key frames.
        QCOMPARE(avi.frameFlags.at(i), avi.frames.at(i).isEmpty() ? 0u : 0x10u);
    }
    QVERIFY(sizes.at(0) > 0);
    QCOMPARE(sizes.mid(1, 3), QList<qsizetype>({0, 0, 0}));
    QVERIFY(sizes.at(4) > 0);

    // A hold at the very end keeps its picture on the last frame.
    AviWriter ending(QSize(64, 48), 10);
    ending.addFrame(testFrame(1, QSize(64, 48)), 3);
    const QByteArray end = ending.toByteArray();
    QCOMPARE(readAvi(end).frames.size(), 3);
    QVERIFY(!readAvi(end).frames.last().isEmpty());
    QVERIFY(end.size() < 2 * once.toByteArray().size() + 64);
}

void TestAviWriter::shouldPlayToEndWithoutAudio()
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("clip.avi"));
    AviWriter writer(QSize(160, 120), 10);
    for (int i = 0; i < 5; ++i)
        writer.addFrame(testFrame(i, QSize(160, 120)));
    writer.addFrame(testFrame(5, QSize(160, 120)), 5); // held to the end
    QVERIFY(writer.finish(path));
    QVERIFY(!QFile::exists(path + QStringLiteral(".partial")));

    QVideoSink sink;
    QSize frameSize;
    int framesSeen = 0;
    QObject context;
    connect(&sink, &QVideoSink::videoFrameChanged, &context, [&](const QVideoFrame& frame) {
        if (frame.isValid()) {
            frameSize = frame.size();
            ++framesSeen;
        }
    });
    QMediaPlayer player;
    player.setVideoSink(&sink);
    player.setSource(QUrl::fromLocalFile(path));
    player.play();
    QTRY_COMPARE_WITH_TIMEOUT(player.mediaStatus(), QMediaPlayer::EndOfMedia, 4000);
    QCOMPARE(player.error(), QMediaPlayer::NoError);
    QVERIFY(!player.hasAudio());
    QVERIFY(framesSeen >= 5);
    QCOMPARE(frameSize, QSize(160, 120));
    QVERIFY(qAbs(player.duration() - 1000) <= 100);
}

void TestAviWriter::shouldInterleaveTheSoundFrameByFrame_data()
{
    QTest::addColumn<int>("fps");
    QTest::addColumn<int>("rate");
    QTest::addColumn<int>("samples"); // given; the clip holds frames * rate / fps
    QTest::newRow("sound as long as the clip") << 10 << 22050 << 6 * 2205;
    QTest::newRow("shorter sound, padded") << 10 << 22050 << 3000;
    QTest::newRow("longer sound, cut") << 10 << 22050 << 20000;
    // Frame times that are no whole number of samples.
    QTest::newRow("uneven frame times") << 12 << 22050 << 11025;
}

void TestAviWriter::shouldInterleaveTheSoundFrameByFrame()
{
    QFETCH(int, fps);
    QFETCH(int, rate);
    QFETCH(int, samples);
    AviWriter writer(QSize(64, 48), fps);
    writer.addFrame(testFrame(0, QSize(64, 48)), 2);
    for (int i = 1; i < 5; ++i)
        writer.addFrame(testFrame(i, QSize(64, 48)));
    QVector<qint16> sound(samples);
    for (int n = 0; n < samples; ++n)
        sound[n] = qint16(n % 2000 - 1000 + (n % 2000 == 1000 ? 1 : 0));
    writer.setAudio(sound, rate);

    const AviContent avi = readAvi(writer.toByteArray());
    QVERIFY(avi.valid);
    QCOMPARE(avi.streams, 2);
    QCOMPARE(avi.fps, fps);
    QCOMPARE(avi.audioRate, rate);
    QCOMPARE(avi.audioChannels, 1);
    QCOMPARE(avi.audioBits, 16);
    QCOMPARE(avi.frames.size(), 6);
    // Each frame's chunk is followed by the sound of its time.
    QList<QByteArray> order;
    for (int i = 0; i < 6; ++i)
        order << "00dc" << "01wb";
    QCOMPARE(avi.order, order);
    const int length = 6 * rate / fps;
    QCOMPARE(avi.audio.size(), length);
    QCOMPARE(avi.audio.mid(0, qMin(samples, length)), sound.mid(0, qMin(samples, length)));
    for (int n = samples; n < length; ++n)
        QCOMPARE(avi.audio.at(n), qint16(0));
}

void TestAviWriter::shouldPlayToEndWithItsSound()
{
    // Played with no audio output, as on a PC without sound: the backend
    // reads the sound stream and still plays the clip to its end.
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("clip.avi"));
    QVERIFY(writeTinyVideo(path, 10, 10, QColor(40, 120, 200), 22050));
    QVideoSink sink;
    int framesSeen = 0;
    QObject context;
    connect(&sink, &QVideoSink::videoFrameChanged, &context,
            [&](const QVideoFrame& frame) { framesSeen += frame.isValid() ? 1 : 0; });
    QMediaPlayer player;
    player.setVideoSink(&sink);
    player.setSource(QUrl::fromLocalFile(path));
    player.play();
    QTRY_COMPARE_WITH_TIMEOUT(player.mediaStatus(), QMediaPlayer::EndOfMedia, 4000);
    QCOMPARE(player.error(), QMediaPlayer::NoError);
    QVERIFY(player.hasAudio());
    QVERIFY(player.hasVideo());
    QVERIFY(framesSeen >= 5);
    QVERIFY(qAbs(player.duration() - 1000) <= 100);
}

void TestAviWriter::shouldPlayWithoutDecoderComplaints_data()
{
    QTest::addColumn<QImage>("picture");
    QTest::addColumn<bool>("cutShort");
    QImage plain(160, 120, QImage::Format_RGB32);
    plain.fill(Qt::white);
    // A plain picture's coded data holds no 0xFF byte at all.
    QTest::newRow("plain picture") << plain << false;
    QTest::newRow("busy picture") << testFrame(3, QSize(160, 120)) << false;
    // Frames without their end marker, so the check is seen to catch one.
    QTest::newRow("frames cut short") << testFrame(3, QSize(160, 120)) << true;
}

void TestAviWriter::shouldPlayWithoutDecoderComplaints()
{
    QFETCH(QImage, picture);
    QFETCH(bool, cutShort);
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("clip.avi"));
    AviWriter writer(QSize(160, 120), 10);
    writer.addFrame(picture, 3);
    QByteArray bytes = writer.toByteArray();
    if (cutShort)
        bytes.replace("\xFF\xD9", 2, "\xFF\xFF", 2);
    QFile file(path);
    QVERIFY(file.open(QIODevice::WriteOnly));
    QCOMPARE(file.write(bytes), bytes.size());
    file.close();

    StderrCapture capture;
    {
        QMediaPlayer player;
        QVideoSink sink;
        player.setVideoSink(&sink);
        player.setSource(QUrl::fromLocalFile(path));
        player.play();
        QTRY_COMPARE_WITH_TIMEOUT(player.mediaStatus(), QMediaPlayer::EndOfMedia, 4000);
    }
    const QByteArray printed = capture.text();
    QVERIFY2(printed.contains("EOI missing") == cutShort, printed.constData());
}

QTEST_MAIN(TestAviWriter)
#include "tst_aviwriter.moc"

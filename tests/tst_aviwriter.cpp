#include "aviwriter.h"

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

quint32 read32(const QByteArray& bytes, qsizetype at)
{
    return qFromLittleEndian<quint32>(bytes.constData() + at);
}

struct Frame
{
    quint32 flags;
    QByteArray data;
};

// The frames as the index names them; empty when an entry misses its chunk.
QList<Frame> indexedFrames(const QByteArray& file)
{
    const qsizetype movi = file.indexOf("movi");
    const qsizetype idx1 = file.lastIndexOf("idx1");
    QList<Frame> frames;
    if (movi <= 0 || idx1 <= movi)
        return frames;
    for (quint32 i = 0; i < read32(file, idx1 + 4) / 16; ++i) {
        const qsizetype entry = idx1 + 8 + i * 16;
        const qsizetype chunk = movi + read32(file, entry + 8);
        if (file.mid(entry, 4) != "00dc" || file.mid(chunk, 4) != "00dc"
            || read32(file, chunk + 4) != read32(file, entry + 12))
            return {};
        frames << Frame{read32(file, entry + 4), file.mid(chunk + 8, read32(file, chunk + 4))};
    }
    return frames;
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
    void shouldPlayWithoutDecoderComplaints_data();
    void shouldPlayWithoutDecoderComplaints();
};

void TestAviWriter::shouldIndexEveryFrameAtItsChunk()
{
    AviWriter writer(QSize(32, 32), 12);
    // An odd-sized frame forces padding; the index must still land on chunks.
    for (int i = 0; i < 5; ++i)
        writer.addFrame(testFrame(i, QSize(40 + i, 30)));
    const QList<Frame> frames = indexedFrames(writer.toByteArray());
    QCOMPARE(frames.size(), 5);
    // Every frame is a complete JPEG of the stream's size.
    for (const Frame& frame : frames)
        QCOMPARE(QImage::fromData(frame.data, "JPEG").size(), QSize(32, 32));
}

void TestAviWriter::shouldStoreHeldFramesOnce()
{
    AviWriter once(QSize(64, 48), 10);
    once.addFrame(testFrame(1, QSize(64, 48)));
    AviWriter held(QSize(64, 48), 10);
    held.addFrame(testFrame(1, QSize(64, 48)), 4);
    held.addFrame(testFrame(2, QSize(64, 48)));
    QCOMPARE(held.frameCount(), 5);
    const QList<Frame> frames = indexedFrames(held.toByteArray());
    QCOMPARE(frames.size(), 5);
    QList<qsizetype> sizes;
    for (const Frame& frame : frames) {
        sizes << frame.data.size();
        // Only frames with a picture are key frames.
        QCOMPARE(frame.flags, frame.data.isEmpty() ? 0u : 0x10u);
    }
    QVERIFY(sizes.at(0) > 0);
    QCOMPARE(sizes.mid(1, 3), QList<qsizetype>({0, 0, 0}));
    QVERIFY(sizes.at(4) > 0);

    // A hold at the very end keeps its picture on the last frame.
    AviWriter ending(QSize(64, 48), 10);
    ending.addFrame(testFrame(1, QSize(64, 48)), 3);
    const QByteArray end = ending.toByteArray();
    QCOMPARE(indexedFrames(end).size(), 3);
    QVERIFY(!indexedFrames(end).last().data.isEmpty());
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

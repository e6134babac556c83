#pragma once

#include <QByteArray>
#include <QList>
#include <QSize>
#include <QString>
#include <QVector>

class QImage;

// Bump when the files written change, so stamped videos are written again.
constexpr int kAviWriterVersion = 4;

// Writes a Motion-JPEG .avi: one video stream of JPEG key frames and, when
// given, one stream of 16-bit mono PCM sound interleaved with it frame by
// frame, with the legacy idx1 index that every player understands. A frame held for
// several frame times is stored once; the repeats are empty chunks, which
// players take as "show the previous picture again" (the file's last frame
// always carries its picture, so the clip keeps its full length).
// Frames are kept in memory and the file is written by finish().
class AviWriter
{
public:
    AviWriter(const QSize& frameSize, int framesPerSecond, int jpegQuality = 80);

    // Adds one frame (scaled to the frame size when it differs), shown
    // `repeat` frame times.
    void addFrame(const QImage& image, int repeat = 1);
    // The sound, from the clip's first frame on: cut or padded with silence
    // to the clip's length.
    void setAudio(const QVector<qint16>& samples, int sampleRate);
    int frameCount() const { return int(frames.size()); }
    int framesPerSecond() const { return fps; }
    QSize frameSize() const { return size; }

    // The whole file as bytes.
    QByteArray toByteArray() const;
    // Writes the file (through a temporary beside it); false on failure.
    bool finish(const QString& path) const;

    static QByteArray encodeJpeg(const QImage& image, int quality);

private:
    QSize size;
    int fps;
    int quality;
    QList<QByteArray> frames; // implicitly shared, so repeats cost nothing
    QList<bool> held;         // the frame repeats the one before it
    QVector<qint16> audio;
    int audioRate = 0;
};

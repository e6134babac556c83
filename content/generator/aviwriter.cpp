#include "aviwriter.h"
#include "littleendian.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QImageWriter>
#include <QPainter>
#include <QtEndian>

namespace {
constexpr quint32 kAvifHasIndex = 0x10;
constexpr quint32 kAviifKeyFrame = 0x10;


void putFourCc(QByteArray& out, const char* code)
{
    out.append(code, 4);
}

// A chunk: four-character code, size, data, padded to an even length.
QByteArray chunk(const char* code, const QByteArray& data)
{
    QByteArray out;
    putFourCc(out, code);
    put32(out, quint32(data.size()));
    out += data;
    if (data.size() % 2)
        out.append('\0');
    return out;
}

QByteArray list(const char* type, const QByteArray& content)
{
    QByteArray data(type, 4);
    data += content;
    return chunk("LIST", data);
}
} // namespace

AviWriter::AviWriter(const QSize& frameSize, int framesPerSecond, int jpegQuality)
    : size(frameSize), fps(framesPerSecond), quality(jpegQuality)
{
}

QByteArray AviWriter::encodeJpeg(const QImage& image, int quality)
{
    QByteArray bytes;
    QBuffer buffer(&bytes);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, "jpeg");
    writer.setQuality(quality);
    // JPEG has no alpha: flatten onto white so transparent areas stay light.
    QImage flat(image.size(), QImage::Format_RGB32);
    flat.fill(Qt::white);
    QPainter painter(&flat);
    painter.drawImage(0, 0, image);
    painter.end();
    writer.write(flat);
    // FFmpeg 5.1 first opens a stream by parsing its first frame without
    // decoding the picture. When the picture's coded data holds no stuffed
    // 0xFF byte, as a plain picture's does not, that parse ends on the second
    // byte of the end marker, misses the marker and prints "EOI missing".
    // JPEG allows 0xFF fill bytes before any marker; with two of them the
    // parse ends on a fill byte and finds the marker. Other decoders skip them.
    if (bytes.endsWith("\xFF\xD9"))
        bytes.insert(bytes.size() - 2, "\xFF\xFF", 2);
    return bytes;
}

void AviWriter::addFrame(const QImage& image, int repeat)
{
    const QImage sized = image.size() == size
        ? image
        : image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
    const QByteArray jpeg = encodeJpeg(sized, quality);
    for (int i = 0; i < repeat; ++i) {
        frames.append(jpeg);
        held.append(i > 0);
    }
}

void AviWriter::setAudio(const QVector<qint16>& samples, int sampleRate)
{
    audio = samples;
    audioRate = sampleRate;
}

QByteArray AviWriter::toByteArray() const
{
    const bool withAudio = audioRate > 0;
    // The sound of frame i: samples [i * rate / fps, (i + 1) * rate / fps).
    const auto audioChunk = [this](qsizetype i) {
        const qint64 from = qint64(i) * audioRate / fps;
        const qint64 to = qint64(i + 1) * audioRate / fps;
        QByteArray pcm(int((to - from) * 2), '\0');
        for (qint64 n = from; n < to && n < audio.size(); ++n)
            qToLittleEndian(audio.at(int(n)), pcm.data() + (n - from) * 2);
        return pcm;
    };
    const quint32 audioSamples = quint32(qint64(frames.size()) * audioRate / fps);
    const quint32 audioChunkMax = quint32(audioRate / fps + 1) * 2;

    const quint32 count = quint32(frames.size());
    quint32 largest = 0;
    quint64 total = 0;
    for (qsizetype i = 0; i < frames.size(); ++i) {
        largest = qMax(largest, quint32(frames.at(i).size()));
        if (!held.at(i))
            total += quint64(frames.at(i).size());
    }
    const quint32 bytesPerSecond = (count ? quint32(total * quint64(fps) / count) : 0)
                                   + quint32(withAudio ? audioRate * 2 : 0);

    QByteArray avih;
    put32(avih, quint32(1000000 / fps)); // microseconds per frame
    put32(avih, bytesPerSecond);
    put32(avih, 0);                      // padding granularity
    put32(avih, kAvifHasIndex);
    put32(avih, count);
    put32(avih, 0);                      // initial frames
    put32(avih, withAudio ? 2 : 1);      // streams
    put32(avih, largest + 8);            // suggested buffer size
    put32(avih, quint32(size.width()));
    put32(avih, quint32(size.height()));
    for (int i = 0; i < 4; ++i)
        put32(avih, 0);

    QByteArray strh;
    putFourCc(strh, "vids");
    putFourCc(strh, "MJPG");
    put32(strh, 0);                      // flags
    put16(strh, 0);                      // priority
    put16(strh, 0);                      // language
    put32(strh, 0);                      // initial frames
    put32(strh, 1);                      // scale
    put32(strh, quint32(fps));           // rate: rate / scale = frames per second
    put32(strh, 0);                      // start
    put32(strh, count);                  // length in frames
    put32(strh, largest + 8);
    put32(strh, 0xFFFFFFFFu);            // quality: default
    put32(strh, 0);                      // sample size: varies
    put16(strh, 0);
    put16(strh, 0);
    put16(strh, quint16(size.width()));
    put16(strh, quint16(size.height()));

    QByteArray strf; // BITMAPINFOHEADER
    put32(strf, 40);
    put32(strf, quint32(size.width()));
    put32(strf, quint32(size.height()));
    put16(strf, 1);                      // planes
    put16(strf, 24);                     // bits per pixel
    putFourCc(strf, "MJPG");
    put32(strf, quint32(size.width() * size.height() * 3));
    put32(strf, 0);
    put32(strf, 0);
    put32(strf, 0);
    put32(strf, 0);

    QByteArray streams = list("strl", chunk("strh", strh) + chunk("strf", strf));
    if (withAudio) {
        QByteArray audioStrh;
        putFourCc(audioStrh, "auds");
        put32(audioStrh, 0);                 // handler: none for PCM
        put32(audioStrh, 0);                 // flags
        put16(audioStrh, 0);                 // priority
        put16(audioStrh, 0);                 // language
        put32(audioStrh, 0);                 // initial frames
        put32(audioStrh, 2);                 // scale: the block size
        put32(audioStrh, quint32(audioRate * 2)); // rate: bytes per second
        put32(audioStrh, 0);                 // start
        put32(audioStrh, audioSamples);      // length in blocks
        put32(audioStrh, audioChunkMax);
        put32(audioStrh, 0xFFFFFFFFu);       // quality: default
        put32(audioStrh, 2);                 // sample size: one block
        for (int i = 0; i < 4; ++i)
            put16(audioStrh, 0);             // frame rectangle
        QByteArray wave; // WAVEFORMATEX
        put16(wave, 1);                      // PCM
        put16(wave, 1);                      // channels
        put32(wave, quint32(audioRate));
        put32(wave, quint32(audioRate * 2)); // bytes per second
        put16(wave, 2);                      // block align
        put16(wave, 16);                     // bits per sample
        put16(wave, 0);                      // no extra bytes
        streams += list("strl", chunk("strh", audioStrh) + chunk("strf", wave));
    }
    const QByteArray header = list("hdrl", chunk("avih", avih) + streams);

    QByteArray movi("movi", 4);
    QByteArray index;
    for (qsizetype i = 0; i < frames.size(); ++i) {
        const bool empty = held.at(i) && i != frames.size() - 1;
        const QByteArray frame = empty ? QByteArray() : frames.at(i);
        putFourCc(index, "00dc");
        put32(index, empty ? 0 : kAviifKeyFrame);
        put32(index, quint32(movi.size())); // offset from the "movi" code
        put32(index, quint32(frame.size()));
        movi += chunk("00dc", frame);
        if (withAudio) {
            const QByteArray pcm = audioChunk(i);
            putFourCc(index, "01wb");
            put32(index, kAviifKeyFrame);
            put32(index, quint32(movi.size()));
            put32(index, quint32(pcm.size()));
            movi += chunk("01wb", pcm);
        }
    }

    QByteArray body("AVI ", 4);
    body += header;
    body += chunk("LIST", movi);
    body += chunk("idx1", index);
    return chunk("RIFF", body);
}

bool AviWriter::finish(const QString& path) const
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    const QString partial = path + QStringLiteral(".partial");
    QFile file(partial);
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
        return false;
    const QByteArray bytes = toByteArray();
    const bool written = file.write(bytes) == bytes.size();
    file.close();
    if (!written) {
        QFile::remove(partial);
        return false;
    }
    QFile::remove(path);
    return QFile::rename(partial, path);
}

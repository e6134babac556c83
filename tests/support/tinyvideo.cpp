#include "tinyvideo.h"

#include "aviwriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QtEndian>

#include <cmath>

bool writeTinyVideo(const QString& path, int frames, int fps, QColor colour, int audioRate)
{
    // The content generator's own writer: the clips tests play are made the
    // same way as the videos the program ships.
    AviWriter writer(QSize(64, 48), fps);
    QImage image(64, 48, QImage::Format_RGB32);
    for (int i = 0; i < frames; ++i) {
        image.fill(colour.lighter(100 + 10 * i));
        writer.addFrame(image);
    }
    if (audioRate > 0) {
        QVector<qint16> tone(frames * audioRate / fps);
        for (int n = 0; n < tone.size(); ++n)
            tone[n] = qint16(8000 * std::sin(n * 2 * M_PI * 440 / audioRate));
        writer.setAudio(tone, audioRate);
    }
    QDir().mkpath(QFileInfo(path).absolutePath());
    return writer.finish(path);
}

bool writeTinyVideo(const QString& path, const QImage& picture, int frames, int fps)
{
    AviWriter writer(picture.size(), fps);
    for (int i = 0; i < frames; ++i)
        writer.addFrame(picture);
    QDir().mkpath(QFileInfo(path).absolutePath());
    return writer.finish(path);
}

bool writeCorruptVideo(const QString& path)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    QByteArray junk("RIFF\x10\0\0\0AVI LIST", 16);
    for (int i = 0; i < 4000; ++i)
        junk += char((i * 7919) % 251);
    return file.write(junk) > 0;
}

namespace {
quint32 at32(const QByteArray& bytes, qsizetype at)
{
    return at + 4 <= bytes.size() ? qFromLittleEndian<quint32>(bytes.constData() + at) : 0;
}

quint16 at16(const QByteArray& bytes, qsizetype at)
{
    return at + 2 <= bytes.size() ? qFromLittleEndian<quint16>(bytes.constData() + at) : 0;
}
} // namespace

AviContent readAvi(const QByteArray& file)
{
    AviContent avi;
    const qsizetype avih = file.indexOf("avih");
    const qsizetype movi = file.indexOf("movi");
    const qsizetype idx1 = file.lastIndexOf("idx1");
    if (avih < 0 || movi <= 0 || idx1 <= movi)
        return avi;
    avi.streams = int(at32(file, avih + 8 + 24));
    // The stream headers: rate / scale of each, the sound's format.
    for (qsizetype strh = file.indexOf("strh"); strh > 0 && strh < movi;
         strh = file.indexOf("strh", strh + 4)) {
        const QByteArray type = file.mid(strh + 8, 4);
        const quint32 scale = at32(file, strh + 8 + 20);
        const quint32 rate = at32(file, strh + 8 + 24);
        const qsizetype strf = strh + 8 + at32(file, strh + 4);
        if (type == "vids" && scale)
            avi.fps = int(rate / scale);
        if (type == "auds" && file.mid(strf, 4) == "strf") {
            avi.audioChannels = at16(file, strf + 8 + 2);
            avi.audioRate = int(at32(file, strf + 8 + 4));
            avi.audioBits = at16(file, strf + 8 + 14);
        }
    }
    for (quint32 i = 0; i < at32(file, idx1 + 4) / 16; ++i) {
        const qsizetype entry = idx1 + 8 + i * 16;
        const QByteArray code = file.mid(entry, 4);
        const qsizetype chunk = movi + at32(file, entry + 8);
        const quint32 size = at32(file, entry + 12);
        if (file.mid(chunk, 4) != code || at32(file, chunk + 4) != size
            || chunk + 8 + qsizetype(size) > file.size())
            return AviContent();
        avi.order << code;
        const QByteArray data = file.mid(chunk + 8, size);
        if (code == "00dc") {
            avi.frames << data;
            avi.frameFlags << at32(file, entry + 4);
        } else if (code == "01wb") {
            for (qsizetype n = 0; n + 1 < data.size(); n += 2)
                avi.audio << qint16(at16(data, n));
        }
    }
    avi.valid = true;
    return avi;
}

#include "tinyvideo.h"

#include <QBuffer>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>
#include <QList>
#include <QtEndian>

namespace {
constexpr int kWidth = 64;
constexpr int kHeight = 48;

void put32(QByteArray& out, quint32 value)
{
    char bytes[4];
    qToLittleEndian(value, bytes);
    out.append(bytes, 4);
}

void put16(QByteArray& out, quint16 value)
{
    char bytes[2];
    qToLittleEndian(value, bytes);
    out.append(bytes, 2);
}

QByteArray chunk(const char* id, const QByteArray& data)
{
    QByteArray out(id, 4);
    put32(out, quint32(data.size()));
    out += data;
    if (data.size() % 2)
        out += '\0';
    return out;
}

QByteArray list(const char* type, const QByteArray& data)
{
    return chunk("LIST", QByteArray(type, 4) + data);
}

QByteArray jpegFrame(QColor colour, int index)
{
    QImage image(kWidth, kHeight, QImage::Format_RGB32);
    image.fill(colour.lighter(100 + 10 * index));
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    image.save(&buffer, "JPG", 80);
    return data;
}
} // namespace

bool writeTinyVideo(const QString& path, int frames, int fps, QColor colour)
{
    QList<QByteArray> jpegs;
    int largest = 0;
    for (int i = 0; i < frames; ++i) {
        jpegs << jpegFrame(colour, i);
        if (jpegs.last().isEmpty())
            return false;
        largest = qMax(largest, int(jpegs.last().size()));
    }

    QByteArray avih;
    for (quint32 v : {quint32(1000000 / fps), quint32(largest * fps), 0u, 0x10u, quint32(frames),
                      0u, 1u, quint32(largest), quint32(kWidth), quint32(kHeight), 0u, 0u, 0u, 0u})
        put32(avih, v);

    QByteArray strh("vidsMJPG", 8);
    put32(strh, 0);                   // flags
    put16(strh, 0);                   // priority
    put16(strh, 0);                   // language
    for (quint32 v : {0u, 1u, quint32(fps), 0u, quint32(frames), quint32(largest), 0xFFFFFFFFu, 0u})
        put32(strh, v);
    for (quint16 v : {quint16(0), quint16(0), quint16(kWidth), quint16(kHeight)})
        put16(strh, v);

    QByteArray strf;
    for (quint32 v : {40u, quint32(kWidth), quint32(kHeight)})
        put32(strf, v);
    put16(strf, 1);                   // planes
    put16(strf, 24);                  // bit count
    strf += QByteArray("MJPG", 4);
    for (quint32 v : {quint32(kWidth * kHeight * 3), 0u, 0u, 0u, 0u})
        put32(strf, v);

    QByteArray movi;
    QByteArray index;
    for (const QByteArray& jpeg : jpegs) {
        index += QByteArray("00dc", 4);
        put32(index, 0x10);           // key frame
        put32(index, quint32(4 + movi.size()));
        put32(index, quint32(jpeg.size()));
        movi += chunk("00dc", jpeg);
    }

    const QByteArray header = list("hdrl", chunk("avih", avih)
                                               + list("strl", chunk("strh", strh) + chunk("strf", strf)));
    const QByteArray body = QByteArray("AVI ", 4) + header + list("movi", movi) + chunk("idx1", index);

    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile file(path);
    if (!file.open(QIODevice::WriteOnly))
        return false;
    return file.write(chunk("RIFF", body)) > 0;
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

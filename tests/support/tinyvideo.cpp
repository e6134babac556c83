#include "tinyvideo.h"

#include "aviwriter.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QImage>

bool writeTinyVideo(const QString& path, int frames, int fps, QColor colour)
{
    // The content generator's own writer: the clips tests play are made the
    // same way as the videos the program ships.
    AviWriter writer(QSize(64, 48), fps);
    QImage image(64, 48, QImage::Format_RGB32);
    for (int i = 0; i < frames; ++i) {
        image.fill(colour.lighter(100 + 10 * i));
        writer.addFrame(image);
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

#pragma once

#include <QByteArray>
#include <QColor>
#include <QImage>
#include <QList>
#include <QVector>
#include <QString>

// Writes a small Motion-JPEG .avi (no sound) of solid-colour frames, so that
// tests can play real videos without shipping any.
// With audioRate > 0 it carries a tone of that sample rate from start to end.
bool writeTinyVideo(const QString& path, int frames = 5, int fps = 10,
                    QColor colour = QColor(40, 120, 200), int audioRate = 0);

// What an .avi holds, read by its index: the video chunks in order (empty
// for a held frame), the chunk codes in file order, the stream headers'
// rates and the PCM sound; `valid` is false when an index entry misses its
// chunk.
struct AviContent
{
    bool valid = false;
    int streams = 0;
    int fps = 0;
    int audioRate = 0;
    int audioChannels = 0;
    int audioBits = 0;
    QList<QByteArray> frames;
    QList<quint32> frameFlags;
    QList<QByteArray> order; // "00dc", "01wb" as the index lists them
    QVector<qint16> audio;
};
AviContent readAvi(const QByteArray& file);

// The same, every frame showing the given picture at its own size.
bool writeTinyVideo(const QString& path, const QImage& picture, int frames = 5, int fps = 10);

// A file with a video name and nonsense inside.
bool writeCorruptVideo(const QString& path);

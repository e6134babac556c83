#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

#include <functional>

// Writes the pictures of the pack one by one. Each picture keeps a stamp of
// what it was drawn from (the drawing code's version plus the picture's own
// key), so a picture whose stamp is current is not drawn again.
class PictureWriter
{
public:
    explicit PictureWriter(const QByteArray& version);

    // Draws and saves the picture unless it is current; false on failure.
    bool write(const QString& path, const QByteArray& key, const std::function<QImage()>& draw);

    int drawn = 0;
    int kept = 0;
    QString error;

private:
    QByteArray version;
};
